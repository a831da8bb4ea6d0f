#include "whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>
#include <utility>

namespace kestrel {
namespace {

// The new file is named after the target, its name cut to this many bytes
// so that a target's name near the system's limit still leaves room.
constexpr std::size_t kMostNameBytesKept = 200;
constexpr int kAttempts = 100;         // names tried when another file has one
constexpr mode_t kNewFileMode = 0666;  // before the user's umask, as any new file
constexpr mode_t kPermissionBits = 07777;

std::string systemReason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// ".NAME.PID-N.part" in the target's folder: hidden from a listing, and
// unlike any name the tool is asked to write.
std::string temporaryName(const std::string& path) {
    static std::atomic<unsigned> made = 0;
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string name = path.substr(0, nameStart);
    name += '.';
    name += path.substr(nameStart, kMostNameBytesKept);
    name += '.';
    name += std::to_string(::getpid());
    name += '-';
    name += std::to_string(made++);
    name += ".part";
    return name;
}

// The new file takes an existing target's permissions, as a file written in
// place would keep them.
void keepPermissions(int descriptor, const struct stat& target) {
    if (S_ISREG(target.st_mode)) {
        ::fchmod(descriptor, target.st_mode & kPermissionBits);
    }
}

}  // namespace

WholeFile::WholeFile(std::string path) : path_(std::move(path)) {
    struct stat target {};
    const bool exists = ::stat(path_.c_str(), &target) == 0;
    if (path_.empty() || path_.back() == '/' || (exists && S_ISDIR(target.st_mode))) {
        problem_ = systemReason(EISDIR);
        return;
    }
    for (int attempt = 0; attempt < kAttempts && descriptor_ < 0; ++attempt) {
        temporary_ = temporaryName(path_);
        descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (descriptor_ < 0 && errno != EEXIST) {
            break;
        }
    }
    if (descriptor_ < 0) {
        problem_ = systemReason(errno);
        temporary_.clear();
        return;
    }
    if (exists) {
        keepPermissions(descriptor_, target);
    }
}

WholeFile::~WholeFile() {
    discard();
}

std::optional<std::string> WholeFile::commit(std::string_view bytes) {
    if (problem_) {
        return problem_;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            fail();
            return problem_;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::fsync(descriptor_) != 0) {
        fail();
        return problem_;
    }
    const int descriptor = std::exchange(descriptor_, -1);
    if (::close(descriptor) != 0 || ::rename(temporary_.c_str(), path_.c_str()) != 0) {
        fail();
        return problem_;
    }
    temporary_.clear();
    return std::nullopt;
}

void WholeFile::fail() {
    problem_ = systemReason(errno);
    discard();
}

void WholeFile::discard() {
    if (descriptor_ >= 0) {
        ::close(std::exchange(descriptor_, -1));
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes) {
    WholeFile file(path);
    return file.commit(bytes);
}

}  // namespace kestrel
