#include "platform/win32/StandardCursors.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace ondrel::platform {

namespace {

constexpr DWORD kBlack = 0xFF000000u;
constexpr DWORD kWhite = 0xFFFFFFFFu;
constexpr DWORD kClear = 0x00000000u;

// 'B' outline, 'W' fill, '.' transparent; the hot spot is at the top left
// of the arrow and in the middle of the I-beam.
constexpr std::string_view kArrow[] = {
    "B...........", "BB..........", "BWB.........", "BWWB........", "BWWWB.......",
    "BWWWWB......", "BWWWWWB.....", "BWWWWWWB....", "BWWWWWWWB...", "BWWWWWWWWB..",
    "BWWWWWWWWWB.", "BWWWWWWBBBBB", "BWWWBWWB....", "BWWBBWWB....", "BWB..BWWB...",
    "BB...BWWB...", "B.....BWWB..", "......BWWB..", ".......BB...",
};

constexpr std::string_view kIBeam[] = {
    "BBB.BBB", "...B...", "...B...", "...B...", "...B...", "...B...", "...B...", "...B...",
    "...B...", "...B...", "...B...", "...B...", "...B...", "...B...", "...B...", "BBB.BBB",
};

constexpr int kArrowId = 32512;
constexpr int kIBeamId = 32513;

constexpr std::array<PlatformCursor, 6> kCursors = {{{32512}, {32513}, {32514}, {32515}, {32646}, {32649}}};

template <std::size_t Rows>
void Paint(const std::string_view (&rows)[Rows], CursorImage& image, int left, int top) {
    for (std::size_t y = 0; y < Rows; ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            char c = rows[y][x];
            DWORD pixel = c == 'B' ? kBlack : c == 'W' ? kWhite : kClear;
            image.pixels[(static_cast<std::size_t>(top) + y) * CursorImage::kSize + static_cast<std::size_t>(left) + x] =
                pixel;
        }
    }
}

}  // namespace

HCURSOR StandardCursor(LPCWSTR id) {
    auto number = static_cast<int>(reinterpret_cast<std::uintptr_t>(id));
    for (const PlatformCursor& cursor : kCursors) {
        if (cursor.resourceId == number) return const_cast<PlatformCursor*>(&cursor);
    }
    return nullptr;
}

void DrawStandardCursor(const PlatformCursor& cursor, CursorImage& image) {
    std::fill(std::begin(image.pixels), std::end(image.pixels), kClear);
    if (cursor.resourceId == kIBeamId) {
        Paint(kIBeam, image, 12, 8);
        image.xHotspot = 15;
        image.yHotspot = 15;
        return;
    }
    static_assert(kArrowId == 32512);
    Paint(kArrow, image, 0, 0);
    image.xHotspot = 0;
    image.yHotspot = 0;
}

}  // namespace ondrel::platform
