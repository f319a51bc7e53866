#pragma once
// The text of an edit box: a zero-terminated UTF-16 array that grows by
// doubling and never reaches 65,535 characters with its terminator, plus the
// lazily rebuilt complex-script analysis that places carets in it.

#include "gfxutil/ScriptString.h"
#include "platform/win32/WinTypes.h"

namespace ondrel::gui {

class GuiTextBuffer {
public:
    // Characters including the terminator are always below this.
    static constexpr int kCharacterLimit = 65535;

    GuiTextBuffer();
    ~GuiTextBuffer();
    GuiTextBuffer(const GuiTextBuffer&) = delete;
    GuiTextBuffer& operator=(const GuiTextBuffer&) = delete;

    const WCHAR* Text() const { return characters_; }
    int Length() const { return length_; }
    int Capacity() const { return capacity_; }
    WCHAR At(int index) const { return characters_[index]; }

    // Each answers false and changes nothing when refused.
    bool SetText(const WCHAR* text);
    bool InsertCharacter(int index, WCHAR character);
    bool ReplaceCharacter(int index, WCHAR character);
    bool RemoveCharacter(int index);
    // count -1: up to the terminator.
    bool InsertText(int index, const WCHAR* text, int count);
    // Removes count characters from index (clamped to the text).
    void RemoveRange(int index, int count);
    void Clear();

    // The font measurements are made with; not owned. A change of font
    // invalidates the analysis as a change of text does.
    void SetFont(IGfxFont* font);
    IGfxFont* Font() const { return font_; }
    bool AnalysisNeeded() const { return analysisNeeded_; }

    HRESULT AnalyseText();
    HRESULT IndexToX(int index, bool trailing, int* x);
    HRESULT XToIndex(int x, int* index, bool* trailing);
    int PreviousWordStart(int index);
    int NextWordStart(int index);

private:
    bool FitsLimit(int newLength) const { return newLength + 1 < kCharacterLimit; }
    bool Grow(int requested);
    bool EnsureCapacity(int needed);
    HRESULT EnsureAnalysis();
    void FreeAnalysis();
    void Changed() { analysisNeeded_ = true; }

    WCHAR* characters_;
    int capacity_ = 1;
    int length_ = 0;
    IGfxFont* font_ = nullptr;
    bool analysisNeeded_ = true;
    SCRIPT_STRING_ANALYSIS analysis_ = nullptr;
    // The release call of the service that made the analysis, so it is freed
    // by its own maker even if the service table changed since.
    HRESULT (*analysisFree_)(SCRIPT_STRING_ANALYSIS*) = nullptr;
};

}  // namespace ondrel::gui
