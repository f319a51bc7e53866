#pragma once
// Counts the graphics objects alive, per kind, so leak checks can ask what is
// left after a device was torn down. One census belongs to one system object
// and everything created through it; it outlives them all.

#include <array>
#include <cstddef>

namespace ondrel::graphics {

enum class ObjectKind : std::size_t {
    System,
    Device,
    Texture,
    Surface,
    VertexBuffer,
    VertexDeclaration,
    StateBlock,
    Count
};

class ObjectCensus {
public:
    void Born(ObjectKind kind) { ++alive_[Index(kind)]; }
    void Died(ObjectKind kind) { --alive_[Index(kind)]; }
    long Alive(ObjectKind kind) const { return alive_[Index(kind)]; }
    long AliveTotal() const {
        long total = 0;
        for (long n : alive_) total += n;
        return total;
    }

private:
    static std::size_t Index(ObjectKind kind) { return static_cast<std::size_t>(kind); }
    std::array<long, static_cast<std::size_t>(ObjectKind::Count)> alive_{};
};

}  // namespace ondrel::graphics
