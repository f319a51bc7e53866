#pragma once
// Every allocation made by growable arrays and catalogue records asks this
// gate first, so tests can run out of memory at any chosen point. Without a
// gate every allocation is allowed to try.

#include <cstddef>
#include <functional>
#include <new>
#include <utility>

namespace ondrel::devicesettings {

using AllocationGate = std::function<bool(std::size_t bytes)>;

void SetAllocationGate(AllocationGate gate);
void ResetAllocationGate();
bool AllocationAllowed(std::size_t bytes);

// Raw storage, or null when the gate refuses or the system has none.
void* AllocateStorage(std::size_t bytes);
void FreeStorage(void* storage);

// A record made on the heap, or null when the gate refuses or memory is out.
template <class T, class... Args>
T* NewRecord(Args&&... args) {
    if (!AllocationAllowed(sizeof(T))) return nullptr;
    return new (std::nothrow) T(std::forward<Args>(args)...);
}

}  // namespace ondrel::devicesettings
