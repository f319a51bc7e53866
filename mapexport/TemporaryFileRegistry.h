#pragma once
// The temporary files of maps being written, kept where a signal handler can
// reach them: a signal that ends the process part-way through a write must
// not leave a file of up to the map's size behind. The list is fixed
// storage read with lock-free atomics, so removing the files is
// async-signal-safe.

#include <atomic>
#include <climits>
#include <cstddef>
#include <string>

namespace ondrel {

class TemporaryFileRegistry {
public:
    static constexpr std::size_t kSlots = 8;

    constexpr TemporaryFileRegistry() = default;
    TemporaryFileRegistry(const TemporaryFileRegistry&) = delete;
    TemporaryFileRegistry& operator=(const TemporaryFileRegistry&) = delete;

    // Creates a new file from `pattern`, whose last six characters are
    // "XXXXXX" and become the file's unique name, as mkostemp does. The name
    // is recorded before the file exists, so there is no moment in which the
    // file is on disk but unknown here. Answers the open descriptor, or -1
    // with errno set. With every slot taken (more writes at once than any
    // program makes) the file is created unrecorded.
    int Create(std::string& pattern);

    // The file was renamed into place or removed: no longer ours to remove.
    void Forget(const std::string& path);

    // Unlinks every recorded file. Async-signal-safe: no locks, no
    // allocation, only unlink(2).
    void RemoveAll() noexcept;

    std::size_t RecordedCount() const;

private:
    enum SlotState : int { kFree, kFilling, kRecorded };
    struct Slot {
        std::atomic<int> state{kFree};
        char path[PATH_MAX]{};
    };
    static_assert(std::atomic<int>::is_always_lock_free, "a signal handler reads the slot states");

    Slot slots_[kSlots];
};

// The registry every MapFileSink records its temporary file in.
TemporaryFileRegistry& TemporaryFiles();

}  // namespace ondrel
