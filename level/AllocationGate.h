#pragma once
// Every growth of the level's lists asks the gate before it allocates. The
// default gate allows everything; tests install one that refuses, to walk
// the out-of-memory paths that real machines reach only rarely.

#include <cstddef>
#include <functional>
#include <limits>
#include <memory>
#include <new>

namespace ondrel {

using AllocationGate = std::function<bool(std::size_t bytes)>;

// Asks the kernel to back a large block with huge pages where it can: a big
// level touches a gigabyte of fresh memory, and faulting it in 4 KiB at a
// time costs more than the conversion itself.
void AdviseLargeBlock(void* block, std::size_t bytes);

// `count` default-initialised elements, or null when the gate refuses, the
// size is absurd or the memory is not there. Uninitialised records cost no
// resident memory until they are written.
template <typename T>
std::unique_ptr<T[]> AllocateArray(const AllocationGate& gate, std::size_t count) {
    constexpr std::size_t kMaxCount = std::numeric_limits<std::ptrdiff_t>::max() / sizeof(T);
    if (count > kMaxCount) return nullptr;
    if (gate && !gate(count * sizeof(T))) return nullptr;
    std::unique_ptr<T[]> array(new (std::nothrow) T[count]);
    if (array) AdviseLargeBlock(array.get(), count * sizeof(T));
    return array;
}

}  // namespace ondrel
