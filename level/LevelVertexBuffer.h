#pragma once
// The level's view of a drawable vertex buffer. The level never talks to a
// graphics device itself: whoever owns the device hands the level a factory,
// and the level creates, fills and releases buffers through it. The viewer's
// factory makes managed-pool device buffers; the headless converter's keeps
// nothing, because nobody draws there.

#include <cstdint>
#include <memory>

#include "level/LevelVertex.h"

namespace ondrel {

class LevelVertexBuffer {
public:
    virtual ~LevelVertexBuffer() = default;  // releases the buffer

    // Locks the whole buffer, copies `count` records (the count it was created
    // for) and unlocks it. False when the lock is refused; the buffer's
    // contents are then undefined.
    virtual bool Fill(const LevelVertex* records, std::uint32_t count) = 0;

    virtual std::uint32_t RecordCount() const = 0;
};

class LevelVertexBufferFactory {
public:
    virtual ~LevelVertexBufferFactory() = default;

    // A buffer of `count` records (count x 28 bytes, format 0x52, managed
    // pool), or null when the device refuses it. A count of zero is refused.
    virtual std::unique_ptr<LevelVertexBuffer> CreateBuffer(std::uint32_t count) = 0;

    // False when the buffers never look at their records because nothing is
    // drawn. The level then counts the preview triangles without storing
    // them, which saves most of a conversion's memory.
    virtual bool NeedsRecords() const { return true; }
};

}  // namespace ondrel
