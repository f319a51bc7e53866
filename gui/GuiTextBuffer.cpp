#include "gui/GuiTextBuffer.h"

#include "gui/GuiText.h"
#include "gui/GuiTextBufferService.h"

#include <algorithm>
#include <new>

namespace ondrel::gui {
namespace {

constexpr DWORD kAnalysisFlags = SSA_BREAK | SSA_GLYPHS | SSA_FALLBACK | SSA_LINK;

}  // namespace

GuiTextBuffer::GuiTextBuffer() : characters_(new WCHAR[1]{0}) {}

GuiTextBuffer::~GuiTextBuffer() {
    FreeAnalysis();
    delete[] characters_;
}

bool GuiTextBuffer::Grow(int requested) {
    if (capacity_ >= kCharacterLimit) {
        return false;
    }
    int wanted = capacity_ == 0 ? 256 : 2 * capacity_;
    if (requested > 0 && requested >= 2 * capacity_) {
        wanted = 2 * requested;
    }
    wanted = std::min(wanted, kCharacterLimit);
    auto* grown = new (std::nothrow) WCHAR[static_cast<std::size_t>(wanted)];
    if (grown == nullptr) {
        return false;
    }
    std::copy(characters_, characters_ + length_ + 1, grown);
    delete[] characters_;
    characters_ = grown;
    capacity_ = wanted;
    return true;
}

bool GuiTextBuffer::EnsureCapacity(int needed) {
    while (capacity_ < needed) {
        if (!Grow(needed)) {
            return false;
        }
    }
    return true;
}

bool GuiTextBuffer::SetText(const WCHAR* text) {
    const int length = text == nullptr ? 0 : TextLength(text);
    if (!FitsLimit(length)) {
        return false;
    }
    // Whole-text replacement doubles step by step rather than jumping.
    while (capacity_ < length + 1) {
        if (!Grow(0)) {
            return false;
        }
    }
    std::copy(text, text + length, characters_);
    characters_[length] = 0;
    length_ = length;
    Changed();
    return true;
}

bool GuiTextBuffer::InsertCharacter(int index, WCHAR character) {
    if (index < 0 || index > length_ || !FitsLimit(length_ + 1)) {
        return false;
    }
    if (length_ + 1 >= capacity_ && !Grow(0)) {
        return false;
    }
    std::copy_backward(characters_ + index, characters_ + length_ + 1, characters_ + length_ + 2);
    characters_[index] = character;
    ++length_;
    Changed();
    return true;
}

bool GuiTextBuffer::ReplaceCharacter(int index, WCHAR character) {
    if (index < 0 || index >= length_) {
        return false;
    }
    characters_[index] = character;
    Changed();
    return true;
}

bool GuiTextBuffer::RemoveCharacter(int index) {
    if (length_ == 0 || index < 0 || index >= length_) {
        return false;
    }
    RemoveRange(index, 1);
    return true;
}

void GuiTextBuffer::RemoveRange(int index, int count) {
    index = std::clamp(index, 0, length_);
    count = std::clamp(count, 0, length_ - index);
    if (count == 0) {
        return;
    }
    std::copy(characters_ + index + count, characters_ + length_ + 1, characters_ + index);
    length_ -= count;
    Changed();
}

bool GuiTextBuffer::InsertText(int index, const WCHAR* text, int count) {
    if (text == nullptr || index < 0 || index > length_) {
        return false;
    }
    if (count < 0) {
        count = TextLength(text);
    }
    if (!FitsLimit(length_ + count) || !EnsureCapacity(length_ + count + 1)) {
        return false;
    }
    std::copy_backward(characters_ + index, characters_ + length_ + 1, characters_ + length_ + count + 1);
    std::copy(text, text + count, characters_ + index);
    length_ += count;
    Changed();
    return true;
}

void GuiTextBuffer::Clear() {
    characters_[0] = 0;
    length_ = 0;
    Changed();
}

void GuiTextBuffer::SetFont(IGfxFont* font) {
    if (font != font_) {
        font_ = font;
        Changed();
    }
}

void GuiTextBuffer::FreeAnalysis() {
    if (analysis_ != nullptr && analysisFree_ != nullptr) {
        analysisFree_(&analysis_);
    }
    analysis_ = nullptr;
    analysisFree_ = nullptr;
}

HRESULT GuiTextBuffer::AnalyseText() {
    FreeAnalysis();
    const ScriptStringService& service = TextMeasuring();
    SCRIPT_CONTROL control{};
    SCRIPT_STATE state{};
    service.applyDigitSubstitution(nullptr, &control, &state);
    // The terminator is analysed too, so the end of the text has a caret edge.
    const int analysed = length_ + 1;
    const int glyphs = analysed * 3 / 2 + 16;
    const HRESULT hr = service.analyse(font_, characters_, analysed, glyphs, -1, kAnalysisFlags, 0, &control, &state,
                                       nullptr, nullptr, nullptr, &analysis_);
    if (SUCCEEDED(hr)) {
        analysisFree_ = service.free;
        analysisNeeded_ = false;
    } else {
        analysis_ = nullptr;
    }
    return hr;
}

HRESULT GuiTextBuffer::EnsureAnalysis() { return analysisNeeded_ ? AnalyseText() : S_OK; }

HRESULT GuiTextBuffer::IndexToX(int index, bool trailing, int* x) {
    *x = 0;
    const HRESULT hr = EnsureAnalysis();
    if (FAILED(hr)) {
        return hr;
    }
    return TextMeasuring().cpToX(analysis_, index, trailing ? TRUE : FALSE, x);
}

HRESULT GuiTextBuffer::XToIndex(int x, int* index, bool* trailing) {
    *index = 0;
    *trailing = false;
    const HRESULT hr = EnsureAnalysis();
    if (FAILED(hr)) {
        return hr;
    }
    int hitTrailing = 0;
    const HRESULT hit = TextMeasuring().xToCp(analysis_, x, index, &hitTrailing);
    *trailing = hitTrailing != 0;
    return hit;
}

namespace {

// A word begins where the analysis marks a word stop, or where non-blank
// text follows white space.
bool StartsWord(const SCRIPT_LOGATTR* attributes, int position) {
    return attributes[position].fWordStop != 0 ||
           (attributes[position].fWhiteSpace == 0 && attributes[position - 1].fWhiteSpace != 0);
}

}  // namespace

int GuiTextBuffer::PreviousWordStart(int index) {
    EnsureAnalysis();
    const ScriptStringService& service = TextMeasuring();
    const SCRIPT_LOGATTR* attributes = service.logAttr(analysis_);
    const int* count = service.outChars(analysis_);
    if (attributes == nullptr || count == nullptr) {
        return 0;
    }
    for (int position = std::min(index - 1, *count - 1); position > 0; --position) {
        if (StartsWord(attributes, position)) {
            return position;
        }
    }
    return 0;
}

int GuiTextBuffer::NextWordStart(int index) {
    EnsureAnalysis();
    const ScriptStringService& service = TextMeasuring();
    const SCRIPT_LOGATTR* attributes = service.logAttr(analysis_);
    const int* count = service.outChars(analysis_);
    if (attributes == nullptr || count == nullptr) {
        return length_;
    }
    for (int position = std::max(1, std::min(index + 1, *count)); position < *count - 1; ++position) {
        if (StartsWord(attributes, position)) {
            return position;
        }
    }
    return *count - 1;
}

}  // namespace ondrel::gui
