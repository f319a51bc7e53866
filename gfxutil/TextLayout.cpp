#include "gfxutil/TextLayout.h"

#include "gfxutil/FontFace.h"
#include "gfxutil/TextFormat.h"
#include "gfxutil/TextShaper.h"

#include <algorithm>
#include <string_view>

namespace gfxutil {
namespace {

// Splits at line feeds (a carriage return before one is dropped); a single
// line keeps the text whole but still loses the control characters.
std::vector<std::u16string> SplitLines(std::u16string_view text, bool singleLine) {
    std::vector<std::u16string> lines(1);
    for (char16_t c : text) {
        if (c == u'\n' && !singleLine) {
            lines.emplace_back();
        } else if (c == u'\n' || c == u'\r') {
            continue;
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

int AlignedX(const RECT& rect, int lineWidth, DWORD format) {
    if ((format & DT_CENTER) != 0) {
        return rect.left + (rect.right - rect.left - lineWidth) / 2;
    }
    if ((format & DT_RIGHT) != 0) {
        return rect.right - lineWidth;
    }
    return rect.left;
}

// Vertical alignment applies to the whole block, with or without
// DT_SINGLELINE: the controls centre their captions with DT_VCENTER alone.
int AlignedTop(const RECT& rect, int blockHeight, DWORD format) {
    if ((format & DT_VCENTER) != 0) {
        return rect.top + (rect.bottom - rect.top - blockHeight) / 2;
    }
    if ((format & DT_BOTTOM) != 0) {
        return rect.bottom - blockHeight;
    }
    return rect.top;
}

}  // namespace

TextLayoutResult LayOutText(const FontFace& font, const char16_t* text, std::size_t length, const RECT& rect,
                            DWORD format) {
    TextLayoutResult layout;
    const auto lines = SplitLines(std::u16string_view{text, text == nullptr ? 0 : length},
                                  (format & DT_SINGLELINE) != 0);
    std::vector<ShapedRun> runs;
    runs.reserve(lines.size());
    int widest = 0;
    for (const auto& line : lines) {
        runs.push_back(ShapeText(font, line.data(), line.size()));
        widest = std::max(widest, runs.back().width);
    }
    const int lineHeight = font.LineHeight();
    const int blockHeight = lineHeight * static_cast<int>(lines.size());
    const int top = AlignedTop(rect, blockHeight, format);

    int left = AlignedX(rect, widest, format);
    if ((format & DT_CALCRECT) != 0) {
        // Measuring keeps the rectangle's top-left corner where it was.
        left = rect.left;
        layout.extent = RECT{rect.left, rect.top, rect.left + widest, rect.top + blockHeight};
    } else {
        layout.extent = RECT{left, top, left + widest, top + blockHeight};
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const int baseline = top + static_cast<int>(i) * lineHeight + font.Ascent();
        int pen = (format & DT_CALCRECT) != 0 ? rect.left : AlignedX(rect, runs[i].width, format);
        for (const ShapedGlyph& glyph : runs[i].glyphs) {
            if (!glyph.visible) {
                continue;
            }
            layout.glyphs.push_back(PlacedGlyph{glyph.glyphIndex, pen + glyph.offsetX, baseline - glyph.offsetY});
            pen += glyph.advance;
        }
    }
    const bool measuredFromTop = (format & (DT_VCENTER | DT_BOTTOM)) != 0 && (format & DT_CALCRECT) == 0;
    layout.result = measuredFromTop ? top + blockHeight - rect.top : blockHeight;
    return layout;
}

}  // namespace gfxutil
