#pragma once

#include <optional>
#include <string>
#include <string_view>

// Files the tool writes (pictures) are written whole or not at all: the
// bytes go to a new file beside the target, which takes the target's name
// only once every byte is on the disk. Until then, and when anything fails,
// the target keeps what it held.
namespace kestrel {

class WholeFile {
public:
    // Creates the new file beside `path`, so that a target that cannot be
    // written is known before the work that fills it.
    explicit WholeFile(std::string path);
    // Removes the new file unless it has become the target.
    ~WholeFile();
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    // The system's reason why the target cannot be written, once known.
    [[nodiscard]] const std::optional<std::string>& problem() const { return problem_; }
    // Where the bytes go until they are whole.
    [[nodiscard]] const std::string& temporaryPath() const { return temporary_; }

    // Writes `bytes`, syncs them to the disk and renames the new file over
    // the target. Returns the system's reason when any of it failed.
    std::optional<std::string> commit(std::string_view bytes);

private:
    void fail();
    void discard();

    std::string path_;
    std::string temporary_;
    int descriptor_ = -1;
    std::optional<std::string> problem_;
};

// The whole of `bytes` in the file at `path`, or the system's reason why not
// (and the file as it was).
std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace kestrel
