#include "mapexport/MapFileSink.h"

#include "mapexport/TemporaryFileRegistry.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ondrel {
namespace {

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Files we create get the permissions any ordinary new file would get.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Where a path leads once the symbolic links it ends in are followed, so a
// map behind a link is written where the link points (a link to a missing
// file leads to that file). Stops after as many links as the system itself
// follows; what is left is then still a link, which Open refuses.
std::string FollowLinks(const std::string& path) {
    constexpr int kMostLinks = 40;
    std::string current = path;
    for (int followed = 0; followed < kMostLinks; ++followed) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return current;
        target.resize(static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : DirectoryOf(current) + "/" + target;
    }
    return current;
}

bool IsLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// A replaced map keeps what its owner gave it: owner and group where the
// system allows (an ordinary user may give away the group only to one of
// their own groups), then the mode, last, since a change of owner may clear
// set-id bits.
void KeepOwnershipAndMode(int descriptor, const struct stat& replaced) {
    if (::fchown(descriptor, replaced.st_uid, replaced.st_gid) != 0 &&
        ::fchown(descriptor, static_cast<uid_t>(-1), replaced.st_gid) != 0) {
        // Not allowed: the map gets our group, as any new file would.
    }
    ::fchmod(descriptor, replaced.st_mode & 07777);
}

}  // namespace

MapFileSink::MapFileSink() = default;

MapFileSink::~MapFileSink() { Discard(); }

bool MapFileSink::Open(const std::string& targetPath) {
    if (targetPath.empty() || targetPath.back() == '/') {
        Fail("not a file name", EISDIR);
        return false;
    }
    targetPath_ = FollowLinks(targetPath);
    if (IsLink(targetPath_)) {
        Fail("the target is a link that leads nowhere", ELOOP);
        return false;
    }
    struct stat target {};
    const bool replacing = ::stat(targetPath_.c_str(), &target) == 0;
    if (replacing && !S_ISREG(target.st_mode)) {
        Fail("the target exists and is not a regular file", EISDIR);
        return false;
    }
    std::string pattern = DirectoryOf(targetPath_) + "/.ondrel-map-XXXXXX";
    descriptor_ = TemporaryFiles().Create(pattern);
    if (descriptor_ < 0) {
        Fail("cannot create a file in the target's folder", errno);
        return false;
    }
    temporaryPath_ = pattern;
    if (replacing) {
        KeepOwnershipAndMode(descriptor_, target);
    } else {
        ::fchmod(descriptor_, NewFileMode());
    }
    return true;
}

void MapFileSink::OpenInMemory(std::string& text) {
    memory_ = &text;
}

void MapFileSink::MakeRoom(std::size_t needed) {
    if (capacity_ == kLargestBufferSize) {
        Flush();
        return;
    }
    std::size_t capacity = capacity_ == 0 ? kFirstBufferSize : capacity_;
    while (capacity < kLargestBufferSize && capacity - used_ < needed) capacity *= 2;
    // Not cleared: every byte is written before it is read.
    auto grown = std::make_unique_for_overwrite<char[]>(capacity);
    if (used_ > 0) std::memcpy(grown.get(), buffer_.get(), used_);
    buffer_ = std::move(grown);
    capacity_ = capacity;
    if (capacity_ - used_ < needed) Flush();
}

void MapFileSink::Flush() {
    if (used_ > 0) WriteThrough(buffer_.get(), used_);
    used_ = 0;
}

void MapFileSink::WriteThrough(const char* data, std::size_t size) {
    if (memory_ != nullptr) {
        memory_->append(data, size);
        return;
    }
    while (size > 0 && !failed_) {
        const ssize_t written = ::write(descriptor_, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            Fail("write failed", written < 0 ? errno : ENOSPC);
            return;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

bool MapFileSink::Commit() {
    if (memory_ != nullptr) {
        Flush();
        memory_ = nullptr;
        return true;
    }
    if (descriptor_ < 0) return false;
    Flush();
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0 && !failed_) Fail("closing the file failed", errno);
    if (failed_) {
        Discard();
        return false;
    }
    if (::rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0) {
        Fail("cannot replace the target", errno);
        Discard();
        return false;
    }
    TemporaryFiles().Forget(temporaryPath_);
    temporaryPath_.clear();
    return true;
}

void MapFileSink::Fail(const char* what, int errorNumber) {
    if (failed_) return;
    failed_ = true;
    error_ = std::string(what) + ": " + std::strerror(errorNumber);
}

void MapFileSink::Discard() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (!temporaryPath_.empty()) {
        ::unlink(temporaryPath_.c_str());
        TemporaryFiles().Forget(temporaryPath_);
        temporaryPath_.clear();
    }
}

}  // namespace ondrel
