#include "devicesettings/enumeration/AllocationGate.h"

#include <cstdlib>

namespace ondrel::devicesettings {
namespace {

AllocationGate& Gate() {
    static AllocationGate gate;
    return gate;
}

}  // namespace

void SetAllocationGate(AllocationGate gate) { Gate() = std::move(gate); }

void ResetAllocationGate() { Gate() = nullptr; }

bool AllocationAllowed(std::size_t bytes) {
    const AllocationGate& gate = Gate();
    return !gate || gate(bytes);
}

void* AllocateStorage(std::size_t bytes) {
    if (!AllocationAllowed(bytes)) return nullptr;
    return std::malloc(bytes);
}

void FreeStorage(void* storage) { std::free(storage); }

}  // namespace ondrel::devicesettings
