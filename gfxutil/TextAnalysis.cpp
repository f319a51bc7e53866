#include "gfxutil/TextAnalysis.h"

#include "gfxutil/TextShaper.h"

#include <unicode/ubrk.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>

namespace gfxutil {
namespace {

// Every boundary position an ICU break iterator of the given kind reports.
std::vector<bool> Boundaries(UBreakIteratorType kind, const char16_t* text, int length) {
    std::vector<bool> boundary(static_cast<std::size_t>(length) + 1, false);
    UErrorCode status = U_ZERO_ERROR;
    UBreakIterator* it = ubrk_open(kind, "", reinterpret_cast<const UChar*>(text), length, &status);
    if (U_FAILURE(status)) {
        // Without the iterator every character stands alone.
        std::fill(boundary.begin(), boundary.end(), true);
        return boundary;
    }
    for (int32_t at = ubrk_first(it); at != UBRK_DONE; at = ubrk_next(it)) {
        if (at >= 0 && at <= length) {
            boundary[static_cast<std::size_t>(at)] = true;
        }
    }
    ubrk_close(it);
    return boundary;
}

bool IsWhiteSpaceAt(const char16_t* text, int length, int index) {
    UChar32 c = 0;
    int at = index;
    U16_NEXT(reinterpret_cast<const UChar*>(text), at, length, c);
    return u_isUWhiteSpace(c) != 0;
}

}  // namespace

TextAnalysis::TextAnalysis(const FontFace& font, const char16_t* text, int length) {
    const int n = std::max(0, length);
    leading_.assign(static_cast<std::size_t>(n), 0);
    trailing_.assign(static_cast<std::size_t>(n), 0);
    attributes_.assign(static_cast<std::size_t>(n), CharacterAttributes{});
    if (n == 0 || text == nullptr) {
        return;
    }
    MeasureClusters(font, text, n);
    FindAttributes(text, n);
}

void TextAnalysis::MeasureClusters(const FontFace& font, const char16_t* text, int length) {
    const ShapedRun run = ShapeText(font, text, static_cast<std::size_t>(length));
    // Glyphs come left to right with non-decreasing clusters; a cluster's
    // extent runs from its first glyph's pen position to the next cluster's.
    std::vector<int> clusterStart(static_cast<std::size_t>(length) + 1, -1);
    int pen = 0;
    for (const ShapedGlyph& glyph : run.glyphs) {
        auto& start = clusterStart[std::min<std::size_t>(glyph.cluster, static_cast<std::size_t>(length))];
        if (start < 0) {
            start = pen;
        }
        pen += glyph.advance;
    }
    width_ = pen;
    clusterStart[static_cast<std::size_t>(length)] = pen;
    // Characters inside a cluster take the cluster's edges.
    std::vector<int> owner(static_cast<std::size_t>(length), 0);
    int current = 0;
    for (int i = 0; i < length; ++i) {
        if (clusterStart[static_cast<std::size_t>(i)] >= 0) {
            current = i;
        }
        owner[static_cast<std::size_t>(i)] = current;
    }
    for (int i = 0; i < length; ++i) {
        const int first = owner[static_cast<std::size_t>(i)];
        int next = first + 1;
        while (next < length && owner[static_cast<std::size_t>(next)] == first) {
            ++next;
        }
        leading_[static_cast<std::size_t>(i)] = std::max(0, clusterStart[static_cast<std::size_t>(first)]);
        trailing_[static_cast<std::size_t>(i)] = clusterStart[static_cast<std::size_t>(next)];
    }
}

void TextAnalysis::FindAttributes(const char16_t* text, int length) {
    const auto graphemes = Boundaries(UBRK_CHARACTER, text, length);
    const auto words = Boundaries(UBRK_WORD, text, length);
    const auto lines = Boundaries(UBRK_LINE, text, length);
    for (int i = 0; i < length; ++i) {
        auto& a = attributes_[static_cast<std::size_t>(i)];
        const auto at = static_cast<std::size_t>(i);
        a.whiteSpace = IsWhiteSpaceAt(text, length, i);
        const bool clusterStart = i == 0 || leading_[at] != leading_[at - 1] || trailing_[at] != trailing_[at - 1];
        a.charStop = graphemes[at] && (clusterStart || trailing_[at] == leading_[at]);
        a.wordStop = a.charStop && words[at] && !a.whiteSpace;
        a.softBreak = i > 0 && lines[at];
    }
}

TextAnalysis::Hit TextAnalysis::HitTest(int x) const {
    if (leading_.empty() || x < 0) {
        return Hit{0, false};
    }
    if (x >= width_) {
        return Hit{Length() - 1, true};
    }
    for (int i = 0; i < Length(); ++i) {
        const int left = LeadingX(i);
        const int right = TrailingX(i);
        if (x >= left && x < right) {
            // The cluster's first character stands for all of it.
            int first = i;
            while (first > 0 && LeadingX(first - 1) == left && TrailingX(first - 1) == right) {
                --first;
            }
            return Hit{first, 2 * (x - left) >= right - left};
        }
    }
    return Hit{Length() - 1, true};
}

}  // namespace gfxutil
