#include "mapexport/TemporaryFileRegistry.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace ondrel {
namespace {

// Constant-initialised, so a signal handler never meets it half-built.
constinit TemporaryFileRegistry processRegistry;

}  // namespace

int TemporaryFileRegistry::Create(std::string& pattern) {
    if (pattern.size() < sizeof(Slot::path)) {
        for (Slot& slot : slots_) {
            int expected = kFree;
            if (!slot.state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) continue;
            std::memcpy(slot.path, pattern.c_str(), pattern.size() + 1);
            // Visible from here on. mkostemp completes the name in place; a
            // handler that runs meanwhile unlinks a name that does not exist.
            slot.state.store(kRecorded, std::memory_order_release);
            const int descriptor = ::mkostemp(slot.path, O_CLOEXEC);
            if (descriptor < 0) {
                const int error = errno;
                slot.state.store(kFree, std::memory_order_release);
                errno = error;
                return -1;
            }
            pattern = slot.path;
            return descriptor;
        }
    }
    return ::mkostemp(pattern.data(), O_CLOEXEC);
}

void TemporaryFileRegistry::Forget(const std::string& path) {
    for (Slot& slot : slots_) {
        if (slot.state.load(std::memory_order_acquire) == kRecorded && path == slot.path) {
            slot.state.store(kFree, std::memory_order_release);
            return;
        }
    }
}

void TemporaryFileRegistry::RemoveAll() noexcept {
    for (Slot& slot : slots_) {
        if (slot.state.load(std::memory_order_acquire) == kRecorded) ::unlink(slot.path);
    }
}

std::size_t TemporaryFileRegistry::RecordedCount() const {
    std::size_t count = 0;
    for (const Slot& slot : slots_) count += slot.state.load(std::memory_order_acquire) == kRecorded ? 1 : 0;
    return count;
}

TemporaryFileRegistry& TemporaryFiles() { return processRegistry; }

}  // namespace ondrel
