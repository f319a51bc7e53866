// DDS decoding: the skin's round trip, the uncompressed and block layouts,
// and damaged files that must be refused without reading out of bounds.

#include "tools/skingen/DdsFile.h"
#include "tools/skingen/SkinPainter.h"
#include "gfxutil/DdsCodec.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using gfxutil::DdsDecoded;
using gfxutil::DdsSourceFormat;
using gfxutil::DdsStatus;
using gfxutil::DecodeDds;
using gfxutil::EncodeDds;
using gfxutil::Image;

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// A header for a width x height surface with the given pixel format words,
// followed by `dataBytes` zero bytes.
std::vector<std::uint8_t> Header(std::uint32_t width, std::uint32_t height, std::uint32_t pfFlags,
                                 std::uint32_t fourCC, std::uint32_t bits, std::array<std::uint32_t, 4> masks,
                                 std::size_t dataBytes) {
    std::vector<std::uint8_t> bytes(128 + dataBytes, 0);
    Put32(bytes, 0, 0x20534444);
    Put32(bytes, 4, 124);
    Put32(bytes, 8, 0x1 | 0x2 | 0x4 | 0x1000);
    Put32(bytes, 12, height);
    Put32(bytes, 16, width);
    Put32(bytes, 76, 32);
    Put32(bytes, 80, pfFlags);
    Put32(bytes, 84, fourCC);
    Put32(bytes, 88, bits);
    for (std::size_t i = 0; i < 4; ++i) {
        Put32(bytes, 92 + 4 * i, masks[i]);
    }
    return bytes;
}

constexpr std::uint32_t kRgb = 0x40;
constexpr std::uint32_t kAlpha = 0x1;
constexpr std::uint32_t kFourCC = 0x4;
constexpr std::uint32_t kDxt1 = 0x31545844;
constexpr std::uint32_t kDxt5 = 0x35545844;

TEST(DdsCodecTest, SkinSurvivesARoundTripAndTheCommittedFileMatchesTheGenerator) {
    const Image skin = skingen::PaintSkin();
    DdsDecoded decoded;
    ASSERT_EQ(DecodeDds(EncodeDds(skin), decoded), DdsStatus::Ok);
    EXPECT_EQ(decoded.format, DdsSourceFormat::A8R8G8B8);
    EXPECT_EQ(decoded.image.width, 512);
    EXPECT_EQ(decoded.image.height, 512);
    EXPECT_EQ(decoded.image.pixels, skin.pixels);

    std::ifstream in(ONDREL_SOURCE_DIR "/media/UI/Controls.dds", std::ios::binary);
    const std::vector<std::uint8_t> committed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_EQ(DecodeDds(committed, decoded), DdsStatus::Ok);
    EXPECT_EQ(decoded.image.pixels, skin.pixels) << "regenerate with: cmake --build <dir> --target skin";
}

TEST(DdsCodecTest, UncompressedLayoutsExpandToArgb) {
    auto x8 = Header(1, 1, kRgb, 0, 32, {0xFF0000, 0xFF00, 0xFF, 0}, 4);
    Put32(x8, 128, 0x00123456);
    DdsDecoded decoded;
    ASSERT_EQ(DecodeDds(x8, decoded), DdsStatus::Ok);
    EXPECT_EQ(decoded.format, DdsSourceFormat::X8R8G8B8);
    EXPECT_EQ(decoded.image.At(0, 0), 0xFF123456u);  // no alpha channel: opaque

    auto abgr = Header(1, 1, kRgb | kAlpha, 0, 32, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, 4);
    Put32(abgr, 128, 0x80563412);
    ASSERT_EQ(DecodeDds(abgr, decoded), DdsStatus::Ok);
    EXPECT_EQ(decoded.format, DdsSourceFormat::A8B8G8R8);
    EXPECT_EQ(decoded.image.At(0, 0), 0x80123456u);

    auto r565 = Header(2, 1, kRgb, 0, 16, {0xF800, 0x7E0, 0x1F, 0}, 4);
    r565[128] = 0x00;
    r565[129] = 0xF8;  // pure red
    r565[130] = 0xE0;
    r565[131] = 0x07;  // pure green
    ASSERT_EQ(DecodeDds(r565, decoded), DdsStatus::Ok);
    EXPECT_EQ(decoded.format, DdsSourceFormat::R5G6B5);
    EXPECT_EQ(decoded.image.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(decoded.image.At(1, 0), 0xFF00FF00u);
}

TEST(DdsCodecTest, BlockCompressedLayoutsDecode) {
    // DXT1, four-colour mode: red and blue endpoints, row 0 picks 0,1,2,3.
    auto dxt1 = Header(4, 4, kFourCC, kDxt1, 0, {}, 8);
    const std::uint8_t block[8] = {0x00, 0xF8, 0x1F, 0x00, 0b11100100, 0, 0, 0};
    std::copy(std::begin(block), std::end(block), dxt1.begin() + 128);
    DdsDecoded decoded;
    ASSERT_EQ(DecodeDds(dxt1, decoded), DdsStatus::Ok);
    EXPECT_EQ(decoded.format, DdsSourceFormat::Dxt1);
    EXPECT_EQ(decoded.image.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(decoded.image.At(1, 0), 0xFF0000FFu);
    EXPECT_EQ(decoded.image.At(2, 0), 0xFFAA0055u);
    EXPECT_EQ(decoded.image.At(3, 0), 0xFF5500AAu);
    EXPECT_EQ(decoded.image.At(0, 1), 0xFFFF0000u);

    // Three-colour mode (first endpoint not larger): index 3 is transparent.
    auto transparent = Header(4, 4, kFourCC, kDxt1, 0, {}, 8);
    const std::uint8_t three[8] = {0x1F, 0x00, 0x00, 0xF8, 0b11, 0, 0, 0};
    std::copy(std::begin(three), std::end(three), transparent.begin() + 128);
    ASSERT_EQ(DecodeDds(transparent, decoded), DdsStatus::Ok);
    EXPECT_EQ(decoded.image.At(0, 0), 0u);

    // DXT5: alpha endpoints 255 and 0, first texel index 1 (= 0), second 2.
    auto dxt5 = Header(4, 4, kFourCC, kDxt5, 0, {}, 16);
    const std::uint8_t alphaBlock[8] = {255, 0, 0b010001, 0, 0, 0, 0, 0};
    std::copy(std::begin(alphaBlock), std::end(alphaBlock), dxt5.begin() + 128);
    ASSERT_EQ(DecodeDds(dxt5, decoded), DdsStatus::Ok);
    EXPECT_EQ(decoded.image.At(0, 0) >> 24, 0u);
    EXPECT_EQ(decoded.image.At(1, 0) >> 24, (6u * 255u) / 7u);
}

TEST(DdsCodecTest, DamagedFilesAreRefusedNeverOverread) {
    Image small(4, 4, 0xFF336699);
    const auto whole = EncodeDds(small);
    DdsDecoded decoded;
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        // The span ends where the file does, so a read past it is caught by
        // the sanitizer build.
        std::vector<std::uint8_t> truncated(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_NE(DecodeDds(truncated, decoded), DdsStatus::Ok) << "cut at " << cut;
    }

    // A header that claims far more pixels than the file holds.
    EXPECT_EQ(DecodeDds(Header(16384, 16384, kRgb | kAlpha, 0, 32, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 64), decoded),
              DdsStatus::Truncated);
    EXPECT_EQ(DecodeDds(Header(4096, 4096, kFourCC, kDxt1, 0, {}, 8), decoded), DdsStatus::Truncated);
    EXPECT_EQ(DecodeDds(Header(0, 4, kRgb, 0, 32, {0xFF0000, 0xFF00, 0xFF, 0}, 64), decoded), DdsStatus::BadHeader);
    EXPECT_EQ(DecodeDds(Header(0x7FFFFFFF, 1, kRgb, 0, 32, {0xFF0000, 0xFF00, 0xFF, 0}, 64), decoded),
              DdsStatus::BadHeader);
    EXPECT_EQ(DecodeDds(Header(1, 1, kRgb, 0, 16, {0xFF0000, 0xFF00, 0xFF, 0}, 4), decoded), DdsStatus::BadHeader);
    EXPECT_EQ(DecodeDds(Header(1, 1, kRgb, 0, 12, {0xF00, 0xF0, 0xF, 0}, 4), decoded), DdsStatus::Unsupported);
    EXPECT_EQ(DecodeDds(Header(4, 4, kFourCC, 0x30315844 /* DX10 */, 0, {}, 256), decoded), DdsStatus::Unsupported);

    auto badMagic = whole;
    badMagic[0] = 'X';
    EXPECT_EQ(DecodeDds(badMagic, decoded), DdsStatus::BadHeader);
    auto cube = whole;
    Put32(cube, 112, 0x200);
    EXPECT_EQ(DecodeDds(cube, decoded), DdsStatus::Unsupported);
}

}  // namespace
