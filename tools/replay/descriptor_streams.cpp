#include "descriptor_streams.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace kestrel {

std::string lastSystemError() {
    return std::error_code(errno, std::generic_category()).message();
}

DescriptorReader::DescriptorReader(int descriptor, std::string name)
    : descriptor_(descriptor), name_(std::move(name)) {
    setg(buffer_.data(), buffer_.data(), buffer_.data());
}

DescriptorReader::int_type DescriptorReader::underflow() {
    ssize_t count = 0;
    do {
        count = ::read(descriptor_, buffer_.data(), buffer_.size());
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        throw StreamFault("cannot read " + name_ + ": " + lastSystemError());
    }
    if (count == 0) {
        return traits_type::eof();
    }
    setg(buffer_.data(), buffer_.data(), buffer_.data() + count);
    return traits_type::to_int_type(buffer_[0]);
}

DescriptorWriter::DescriptorWriter(int descriptor, std::string name)
    : descriptor_(descriptor), name_(std::move(name)) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorWriter::int_type DescriptorWriter::overflow(int_type c) {
    writeBuffered();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorWriter::sync() {
    writeBuffered();
    return 0;
}

// Writes the whole buffer, however many calls the system takes for it.
void DescriptorWriter::writeBuffered() {
    const char* next = pbase();
    while (next < pptr()) {
        const ssize_t count = ::write(descriptor_, next, static_cast<std::size_t>(pptr() - next));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count == 0) {
            errno = EIO;  // a write of nothing, which a descriptor does not give
        }
        if (count <= 0) {
            throw StreamFault("cannot write " + name_ + ": " + lastSystemError());
        }
        next += count;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

}  // namespace kestrel
