#pragma once
// Where each GUI element's picture lies in the skin texture: the rectangles
// the dialogs' default elements name.

#include "platform/win32/WinTypes.h"

#include <array>
#include <string_view>

namespace skingen {

// The rectangles reach x = 325 and y = 289, so the texture is the next
// power of two that holds them.
inline constexpr int kSkinSize = 512;

struct SkinElement {
    std::string_view name;
    RECT rect;
};

inline constexpr std::array<SkinElement, 24> kSkinElements{{
    {"caption", {17, 269, 241, 287}},
    {"button face", {0, 0, 136, 54}},
    {"button fill", {136, 0, 272, 54}},
    {"check box", {0, 54, 27, 81}},
    {"check mark", {27, 54, 54, 81}},
    {"radio box", {54, 54, 81, 81}},
    {"radio mark", {81, 54, 108, 81}},
    {"combo box main", {7, 81, 247, 123}},
    {"combo box button", {272, 0, 325, 49}},
    {"combo box dropdown", {7, 123, 241, 265}},
    {"combo box selection", {7, 266, 241, 289}},
    {"scroll bar track", {243, 144, 265, 155}},
    {"scroll bar up arrow", {243, 124, 265, 144}},
    {"scroll bar down arrow", {243, 155, 265, 176}},
    {"scroll bar thumb", {266, 123, 286, 167}},
    {"edit box text", {14, 90, 241, 113}},
    {"edit box top left", {8, 82, 14, 90}},
    {"edit box top", {14, 82, 241, 90}},
    {"edit box top right", {241, 82, 246, 90}},
    {"edit box left", {8, 90, 14, 113}},
    {"edit box right", {241, 90, 246, 113}},
    {"edit box bottom left", {8, 113, 14, 121}},
    {"edit box bottom", {14, 113, 241, 121}},
    {"edit box bottom right", {241, 113, 246, 121}},
}};

}  // namespace skingen
