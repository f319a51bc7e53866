#pragma once
// Reads and writes DDS files. Reading takes the first surface of a 2D
// texture in any uncompressed RGB(A) or luminance layout, or DXT1/DXT3/DXT5,
// and expands it to 32-bit. Every size and offset is checked against the
// file before it is used: a damaged file is an error, never a crash.

#include "gfxutil/Image.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gfxutil {

enum class DdsSourceFormat {
    A8R8G8B8,
    X8R8G8B8,
    A8B8G8R8,
    X8B8G8R8,
    R8G8B8,
    R5G6B5,
    A1R5G5B5,
    X1R5G5B5,
    A4R4G4B4,
    L8,
    OtherMasked,  // an uncompressed layout without a Direct3D name
    Dxt1,
    Dxt3,
    Dxt5,
};

struct DdsDecoded {
    Image image;
    DdsSourceFormat format = DdsSourceFormat::A8R8G8B8;
    int mipLevels = 1;
};

enum class DdsStatus { Ok, Truncated, BadHeader, Unsupported };

DdsStatus DecodeDds(std::span<const std::uint8_t> file, DdsDecoded& out);

// Writes one A8R8G8B8 surface without mipmaps.
std::vector<std::uint8_t> EncodeDds(const Image& image);

}  // namespace gfxutil
