#include "gfxutil/DdsCodec.h"

#include <array>
#include <bit>

namespace gfxutil {
namespace {

constexpr std::uint32_t kMagic = 0x20534444;  // "DDS "
constexpr std::size_t kHeaderSize = 124;
constexpr std::size_t kPixelFormatSize = 32;
constexpr std::size_t kDataOffset = 4 + kHeaderSize;
constexpr int kMaxDimension = 16384;

constexpr std::uint32_t kFlagCaps = 0x1;
constexpr std::uint32_t kFlagHeight = 0x2;
constexpr std::uint32_t kFlagWidth = 0x4;
constexpr std::uint32_t kFlagPitch = 0x8;
constexpr std::uint32_t kFlagPixelFormat = 0x1000;
constexpr std::uint32_t kFlagMipCount = 0x20000;
constexpr std::uint32_t kCapsTexture = 0x1000;
constexpr std::uint32_t kCaps2CubeOrVolume = 0x200 | 0x200000;

constexpr std::uint32_t kPixelAlpha = 0x1;
constexpr std::uint32_t kPixelAlphaOnly = 0x2;
constexpr std::uint32_t kPixelFourCC = 0x4;
constexpr std::uint32_t kPixelRgb = 0x40;
constexpr std::uint32_t kPixelLuminance = 0x20000;

constexpr std::uint32_t FourCC(char a, char b, char c, char d) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(a)) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(d)) << 24);
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

void WriteU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

struct PixelFormat {
    std::uint32_t flags;
    std::uint32_t fourCC;
    std::uint32_t bitCount;
    std::array<std::uint32_t, 4> masks;  // red, green, blue, alpha
};

// Scales the bits under a mask to 0..255.
std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    const std::uint32_t value = (pixel & mask) >> shift;
    return (value * 255u + max / 2) / max;
}

DdsSourceFormat NameMasked(const PixelFormat& pf) {
    const auto& m = pf.masks;
    const bool alpha = (pf.flags & kPixelAlpha) != 0;
    if (pf.bitCount == 32 && m[0] == 0xFF0000 && m[1] == 0xFF00 && m[2] == 0xFF) {
        return alpha ? DdsSourceFormat::A8R8G8B8 : DdsSourceFormat::X8R8G8B8;
    }
    if (pf.bitCount == 32 && m[0] == 0xFF && m[1] == 0xFF00 && m[2] == 0xFF0000) {
        return alpha ? DdsSourceFormat::A8B8G8R8 : DdsSourceFormat::X8B8G8R8;
    }
    if (pf.bitCount == 24 && m[0] == 0xFF0000 && m[1] == 0xFF00 && m[2] == 0xFF) {
        return DdsSourceFormat::R8G8B8;
    }
    if (pf.bitCount == 16 && m[0] == 0xF800 && m[1] == 0x7E0 && m[2] == 0x1F) {
        return DdsSourceFormat::R5G6B5;
    }
    if (pf.bitCount == 16 && m[0] == 0x7C00 && m[1] == 0x3E0 && m[2] == 0x1F) {
        return alpha ? DdsSourceFormat::A1R5G5B5 : DdsSourceFormat::X1R5G5B5;
    }
    if (pf.bitCount == 16 && m[0] == 0xF00 && m[1] == 0xF0 && m[2] == 0xF && alpha) {
        return DdsSourceFormat::A4R4G4B4;
    }
    if (pf.bitCount == 8 && (pf.flags & kPixelLuminance) != 0 && !alpha) {
        return DdsSourceFormat::L8;
    }
    return DdsSourceFormat::OtherMasked;
}

DdsStatus DecodeMasked(std::span<const std::uint8_t> data, const PixelFormat& pf, Image& image) {
    const std::size_t bytesPerPixel = pf.bitCount / 8;
    const std::size_t rowBytes = bytesPerPixel * static_cast<std::size_t>(image.width);
    if (data.size() / rowBytes < static_cast<std::size_t>(image.height)) {
        return DdsStatus::Truncated;
    }
    const bool luminance = (pf.flags & kPixelLuminance) != 0;
    const bool alphaOnly = (pf.flags & (kPixelRgb | kPixelLuminance)) == 0;
    const bool hasAlpha = (pf.flags & (kPixelAlpha | kPixelAlphaOnly)) != 0 && pf.masks[3] != 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x) * bytesPerPixel;
            std::uint32_t pixel = 0;
            for (std::size_t b = 0; b < bytesPerPixel; ++b) {
                pixel |= static_cast<std::uint32_t>(data[at + b]) << (8 * b);
            }
            const std::uint32_t a = hasAlpha ? Channel(pixel, pf.masks[3]) : 255u;
            std::uint32_t r = 0;
            std::uint32_t g = 0;
            std::uint32_t bl = 0;
            if (luminance) {
                r = g = bl = Channel(pixel, pf.masks[0]);
            } else if (!alphaOnly) {
                r = Channel(pixel, pf.masks[0]);
                g = Channel(pixel, pf.masks[1]);
                bl = Channel(pixel, pf.masks[2]);
            }
            image.At(x, y) = (a << 24) | (r << 16) | (g << 8) | bl;
        }
    }
    return DdsStatus::Ok;
}

std::uint32_t Expand565(std::uint16_t c) {
    const std::uint32_t r = ((c >> 11) & 0x1F) * 255u / 31u;
    const std::uint32_t g = ((c >> 5) & 0x3F) * 255u / 63u;
    const std::uint32_t b = (c & 0x1F) * 255u / 31u;
    return (r << 16) | (g << 8) | b;
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, std::uint32_t wa, std::uint32_t wb) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t ca = (a >> shift) & 0xFF;
        const std::uint32_t cb = (b >> shift) & 0xFF;
        out |= ((ca * wa + cb * wb) / (wa + wb)) << shift;
    }
    return out;
}

// The four colours of a block; DXT1 alone uses the three-colour mode with
// transparent black when the first endpoint is not the larger one.
std::array<std::uint32_t, 4> ColourPalette(const std::uint8_t* block, bool dxt1) {
    const auto c0 = static_cast<std::uint16_t>(block[0] | (block[1] << 8));
    const auto c1 = static_cast<std::uint16_t>(block[2] | (block[3] << 8));
    const std::uint32_t e0 = Expand565(c0);
    const std::uint32_t e1 = Expand565(c1);
    if (c0 > c1 || !dxt1) {
        return {0xFF000000u | e0, 0xFF000000u | e1, 0xFF000000u | Mix(e0, e1, 2, 1),
                0xFF000000u | Mix(e0, e1, 1, 2)};
    }
    return {0xFF000000u | e0, 0xFF000000u | e1, 0xFF000000u | Mix(e0, e1, 1, 1), 0u};
}

std::array<std::uint8_t, 16> InterpolatedAlpha(const std::uint8_t* block) {
    std::array<std::uint32_t, 8> levels{block[0], block[1]};
    if (levels[0] > levels[1]) {
        for (std::uint32_t i = 1; i < 7; ++i) {
            levels[i + 1] = ((7 - i) * levels[0] + i * levels[1]) / 7;
        }
    } else {
        for (std::uint32_t i = 1; i < 5; ++i) {
            levels[i + 1] = ((5 - i) * levels[0] + i * levels[1]) / 5;
        }
        levels[6] = 0;
        levels[7] = 255;
    }
    std::uint64_t bits = 0;
    for (int i = 0; i < 6; ++i) {
        bits |= static_cast<std::uint64_t>(block[2 + i]) << (8 * i);
    }
    std::array<std::uint8_t, 16> alpha{};
    for (int i = 0; i < 16; ++i) {
        alpha[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(levels[(bits >> (3 * i)) & 7]);
    }
    return alpha;
}

DdsStatus DecodeBlocks(std::span<const std::uint8_t> data, DdsSourceFormat format, Image& image) {
    const std::size_t blockBytes = format == DdsSourceFormat::Dxt1 ? 8 : 16;
    const std::size_t blocksAcross = (static_cast<std::size_t>(image.width) + 3) / 4;
    const std::size_t blocksDown = (static_cast<std::size_t>(image.height) + 3) / 4;
    if (data.size() / blockBytes / blocksAcross < blocksDown) {
        return DdsStatus::Truncated;
    }
    for (std::size_t by = 0; by < blocksDown; ++by) {
        for (std::size_t bx = 0; bx < blocksAcross; ++bx) {
            const std::uint8_t* block = data.data() + (by * blocksAcross + bx) * blockBytes;
            const std::uint8_t* colour = format == DdsSourceFormat::Dxt1 ? block : block + 8;
            const auto palette = ColourPalette(colour, format == DdsSourceFormat::Dxt1);
            const auto alpha = format == DdsSourceFormat::Dxt5 ? InterpolatedAlpha(block) : std::array<std::uint8_t, 16>{};
            for (int i = 0; i < 16; ++i) {
                const int x = static_cast<int>(bx) * 4 + (i % 4);
                const int y = static_cast<int>(by) * 4 + (i / 4);
                if (x >= image.width || y >= image.height) {
                    continue;
                }
                const std::uint32_t index = (colour[4 + i / 4] >> (2 * (i % 4))) & 3;
                std::uint32_t pixel = palette[index];
                if (format == DdsSourceFormat::Dxt3) {
                    const std::uint32_t nibble = (block[i / 2] >> (4 * (i % 2))) & 0xF;
                    pixel = (pixel & 0xFFFFFF) | ((nibble * 17) << 24);
                } else if (format == DdsSourceFormat::Dxt5) {
                    pixel = (pixel & 0xFFFFFF) | (static_cast<std::uint32_t>(alpha[static_cast<std::size_t>(i)]) << 24);
                }
                image.At(x, y) = pixel;
            }
        }
    }
    return DdsStatus::Ok;
}

}  // namespace

DdsStatus DecodeDds(std::span<const std::uint8_t> file, DdsDecoded& out) {
    if (file.size() < kDataOffset) {
        return DdsStatus::Truncated;
    }
    if (ReadU32(file, 0) != kMagic || ReadU32(file, 4) != kHeaderSize || ReadU32(file, 76) != kPixelFormatSize) {
        return DdsStatus::BadHeader;
    }
    const std::uint32_t flags = ReadU32(file, 8);
    const std::uint32_t height = ReadU32(file, 12);
    const std::uint32_t width = ReadU32(file, 16);
    if ((flags & (kFlagWidth | kFlagHeight)) != (kFlagWidth | kFlagHeight) || width == 0 || height == 0 ||
        width > kMaxDimension || height > kMaxDimension) {
        return DdsStatus::BadHeader;
    }
    if ((ReadU32(file, 112) & kCaps2CubeOrVolume) != 0) {
        return DdsStatus::Unsupported;
    }
    const PixelFormat pf{ReadU32(file, 80), ReadU32(file, 84), ReadU32(file, 88),
                         {ReadU32(file, 92), ReadU32(file, 96), ReadU32(file, 100), ReadU32(file, 104)}};
    const std::uint32_t mips = ReadU32(file, 28);
    out.mipLevels = (flags & kFlagMipCount) != 0 && mips > 0 ? static_cast<int>(std::min<std::uint32_t>(mips, 15)) : 1;
    out.image = Image(static_cast<int>(width), static_cast<int>(height));
    const auto data = file.subspan(kDataOffset);

    if ((pf.flags & kPixelFourCC) != 0) {
        if (pf.fourCC == FourCC('D', 'X', 'T', '1')) {
            out.format = DdsSourceFormat::Dxt1;
        } else if (pf.fourCC == FourCC('D', 'X', 'T', '3')) {
            out.format = DdsSourceFormat::Dxt3;
        } else if (pf.fourCC == FourCC('D', 'X', 'T', '5')) {
            out.format = DdsSourceFormat::Dxt5;
        } else {
            return DdsStatus::Unsupported;
        }
        return DecodeBlocks(data, out.format, out.image);
    }
    const bool bitCountUsable = pf.bitCount == 8 || pf.bitCount == 16 || pf.bitCount == 24 || pf.bitCount == 32;
    if ((pf.flags & (kPixelRgb | kPixelLuminance | kPixelAlphaOnly)) == 0 || !bitCountUsable) {
        return DdsStatus::Unsupported;
    }
    const std::uint64_t widest = pf.bitCount == 32 ? 0xFFFFFFFFull : (1ull << pf.bitCount) - 1;
    for (std::uint32_t mask : pf.masks) {
        if (mask > widest) {
            return DdsStatus::BadHeader;
        }
    }
    out.format = NameMasked(pf);
    return DecodeMasked(data, pf, out.image);
}

std::vector<std::uint8_t> EncodeDds(const Image& image) {
    const std::size_t pixelBytes = image.pixels.size() * 4;
    std::vector<std::uint8_t> out(kDataOffset + pixelBytes, 0);
    WriteU32(out, 0, kMagic);
    WriteU32(out, 4, kHeaderSize);
    WriteU32(out, 8, kFlagCaps | kFlagHeight | kFlagWidth | kFlagPitch | kFlagPixelFormat);
    WriteU32(out, 12, static_cast<std::uint32_t>(image.height));
    WriteU32(out, 16, static_cast<std::uint32_t>(image.width));
    WriteU32(out, 20, static_cast<std::uint32_t>(image.width) * 4);
    WriteU32(out, 76, kPixelFormatSize);
    WriteU32(out, 80, kPixelRgb | kPixelAlpha);
    WriteU32(out, 88, 32);
    WriteU32(out, 92, 0x00FF0000);
    WriteU32(out, 96, 0x0000FF00);
    WriteU32(out, 100, 0x000000FF);
    WriteU32(out, 104, 0xFF000000);
    WriteU32(out, 108, kCapsTexture);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        WriteU32(out, kDataOffset + 4 * i, image.pixels[i]);
    }
    return out;
}

}  // namespace gfxutil
