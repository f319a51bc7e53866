#pragma once
// Caret geometry and logical attributes of one line of UTF-16 text in one
// font: the measuring behind the complex-script stand-in. Characters that
// form one cluster (a base with its combining marks, a surrogate pair)
// share their edges, so a caret never lands inside them.

#include <cstdint>
#include <memory>
#include <vector>

namespace gfxutil {

class FontFace;

struct CharacterAttributes {
    bool softBreak = false;   // a line may break before this character
    bool whiteSpace = false;
    bool charStop = false;    // a caret may stand before this character
    bool wordStop = false;    // word-wise caret movement stops here
};

class TextAnalysis {
public:
    TextAnalysis(const FontFace& font, const char16_t* text, int length);

    int Length() const { return static_cast<int>(leading_.size()); }
    int Width() const { return width_; }
    int LeadingX(int index) const { return leading_[static_cast<std::size_t>(index)]; }
    int TrailingX(int index) const { return trailing_[static_cast<std::size_t>(index)]; }

    struct Hit {
        int index = 0;
        bool trailing = false;
    };
    // Left of the text: the first character, leading half. Right of it: the
    // last character, trailing half.
    Hit HitTest(int x) const;

    const std::vector<CharacterAttributes>& Attributes() const { return attributes_; }

private:
    void MeasureClusters(const FontFace& font, const char16_t* text, int length);
    void FindAttributes(const char16_t* text, int length);

    std::vector<int> leading_;
    std::vector<int> trailing_;
    std::vector<CharacterAttributes> attributes_;
    int width_ = 0;
};

}  // namespace gfxutil
