#pragma once
// Output of a .map file that never destroys what was there before: the text
// goes to a temporary file beside the target, which replaces the target only
// after every write and the close have succeeded.

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace ondrel {

class MapFileSink {
public:
    MapFileSink();
    ~MapFileSink();  // discards the temporary file unless committed
    MapFileSink(const MapFileSink&) = delete;
    MapFileSink& operator=(const MapFileSink&) = delete;

    // Starts the temporary file beside the file the target path leads to,
    // following symbolic links. A new map gets the mode of any new file; a
    // replaced one keeps its mode and, where allowed, its owner and group.
    bool Open(const std::string& targetPath);

    // Collects the text in `text` instead of a file: the same formatting
    // with no file-system work, for the fuzzer and for comparisons in
    // memory. Commit then only hands over the rest of the text.
    void OpenInMemory(std::string& text);

    void Write(std::string_view text) {
        if (text.size() > capacity_ - used_) MakeRoom(text.size());
        if (text.size() > capacity_) {
            WriteThrough(text.data(), text.size());
            return;
        }
        std::memcpy(buffer_.get() + used_, text.data(), text.size());
        used_ += text.size();
    }

    // Finishes the file and puts it in place of the target.
    bool Commit();

    // What went wrong, for the first failure seen.
    const std::string& Error() const { return error_; }

    // Where the text goes until Commit; empty before Open succeeds and once
    // committed or discarded.
    const std::string& TemporaryPath() const { return temporaryPath_; }

private:
    void Flush();
    // Grows the buffer (a small map never costs the largest one) or, once
    // it is at its largest, writes out what it holds.
    void MakeRoom(std::size_t needed);
    void WriteThrough(const char* data, std::size_t size);
    void Fail(const char* what, int errorNumber);
    void Discard();

    static constexpr std::size_t kFirstBufferSize = 16 << 10;
    static constexpr std::size_t kLargestBufferSize = 1 << 20;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    int descriptor_ = -1;
    std::string* memory_ = nullptr;
    std::string targetPath_;
    std::string temporaryPath_;
    std::string error_;
    bool failed_ = false;
};

}  // namespace ondrel
