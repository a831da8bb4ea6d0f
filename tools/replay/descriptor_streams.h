#pragma once

#include <cstddef>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

// Stream buffers over an open file descriptor that do not keep quiet about a
// failure: a read or write the system refuses throws StreamFault naming what
// was being read or written and the system's reason. A stream turns the
// exception into badbit, and rethrows it when badbit is in its exceptions(),
// so a failed read is never taken for the end of the input (and a line cut
// short by it is never run), and a lost write is never taken for success.
namespace kestrel {

// The size of each stream's buffer. The buffers are on the heap, so a
// stream made on the stack takes little of it: WebAssembly's stack is small.
inline constexpr std::size_t kDescriptorBufferSize = 65536;

// "cannot read scripts/: Is a directory", "cannot write standard output: No
// space left on device".
class StreamFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The system's reason for the last failed call, from errno.
std::string lastSystemError();

class DescriptorReader : public std::streambuf {
public:
    // name says what the descriptor reads: a path or "standard input".
    DescriptorReader(int descriptor, std::string name);

protected:
    int_type underflow() override;

private:
    int descriptor_;
    std::string name_;
    std::vector<char> buffer_ = std::vector<char>(kDescriptorBufferSize);
};

// What is left in the buffer when it is destroyed is lost: flush the stream
// first, and see the flush fail if the write does.
class DescriptorWriter : public std::streambuf {
public:
    DescriptorWriter(int descriptor, std::string name);

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    void writeBuffered();

    int descriptor_;
    std::string name_;
    std::vector<char> buffer_ = std::vector<char>(kDescriptorBufferSize);
};

}  // namespace kestrel
