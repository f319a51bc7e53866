#pragma once
// Sequential reading of a level file through a large buffer. The importer
// consumes text a byte at a time; going to the operating system for every
// byte would make a big level take minutes.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

namespace ondrel {

class FileReader {
public:
    FileReader();
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Opens an existing regular file for reading. Directories, devices and
    // missing files are refused.
    bool Open(const std::filesystem::path& path);

    // Reads bytes already in memory instead of a file, through the same
    // calls, so the parsing behind them is the one a file gets (the fuzzer
    // feeds thousands of levels a second this way). The bytes must outlive
    // the reading.
    void OpenBytes(std::span<const std::uint8_t> bytes);

    // Next byte, or -1 at the end of the file or after a read error.
    int ReadByte() {
        if (position_ == filled_ && !Refill()) return -1;
        return data_[position_++];
    }

    // The buffered bytes not yet consumed, refilling first when there are
    // none; empty only at the end of the file or after a read error.
    const std::uint8_t* Available(std::size_t& count) {
        if (position_ == filled_) Refill();
        count = filled_ - position_;
        return data_ ? data_ + position_ : nullptr;
    }
    void Consume(std::size_t count) { position_ += count; }

    // Copies up to `size` bytes; answers how many were delivered, which is
    // fewer only at the end of the file or after a read error.
    std::size_t Read(void* destination, std::size_t size);

private:
    bool Refill();

    static constexpr std::size_t kBufferSize = 1 << 20;
    int descriptor_ = -1;
    bool exhausted_ = false;
    std::unique_ptr<std::uint8_t[]> buffer_;
    const std::uint8_t* data_ = nullptr;  // the buffer, or the bytes given
    std::size_t capacity_ = 0;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

}  // namespace ondrel
