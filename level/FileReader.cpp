#include "level/FileReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ondrel {
namespace {

// A small file gets a buffer its own size (plus one byte, so that its end is
// seen by the first read): a fuzzer or a batch of tiny levels would
// otherwise pay for a megabyte per file. A size of zero may be a file the
// kernel makes up as it is read, so it still gets a page.
constexpr std::size_t kSmallestBuffer = 4096;

std::size_t BufferSizeFor(const struct stat& info, std::size_t largest) {
    const auto size = static_cast<std::uintmax_t>(info.st_size > 0 ? info.st_size : 0) + 1;
    return static_cast<std::size_t>(std::clamp<std::uintmax_t>(size, kSmallestBuffer, largest));
}

}  // namespace

FileReader::FileReader() = default;

FileReader::~FileReader() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

bool FileReader::Open(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    // Non-blocking mode was only there so that opening a FIFO cannot hang.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    capacity_ = BufferSizeFor(info, kBufferSize);
    buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(capacity_);
    data_ = buffer_.get();
    descriptor_ = fd;
    return true;
}

void FileReader::OpenBytes(std::span<const std::uint8_t> bytes) {
    // All of it is already "buffered": there is nothing to refill from.
    data_ = bytes.data();
    position_ = 0;
    filled_ = bytes.size();
    exhausted_ = true;
}

bool FileReader::Refill() {
    if (exhausted_ || descriptor_ < 0) return false;
    for (;;) {
        ssize_t got = ::read(descriptor_, buffer_.get(), capacity_);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            exhausted_ = true;
            return false;
        }
        position_ = 0;
        filled_ = static_cast<std::size_t>(got);
        return true;
    }
}

std::size_t FileReader::Read(void* destination, std::size_t size) {
    auto* out = static_cast<std::uint8_t*>(destination);
    std::size_t delivered = 0;
    while (delivered < size) {
        if (position_ == filled_ && !Refill()) break;
        std::size_t chunk = std::min(size - delivered, filled_ - position_);
        std::memcpy(out + delivered, data_ + position_, chunk);
        position_ += chunk;
        delivered += chunk;
    }
    return delivered;
}

}  // namespace ondrel
