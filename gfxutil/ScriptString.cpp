#include "gfxutil/ScriptString.h"

#include "gfxutil/TextAnalysis.h"

#include <vector>

namespace gfxutil {
namespace {

struct ScriptStringAnalysis {
    TextAnalysis analysis;
    std::vector<SCRIPT_LOGATTR> attributes;
    int characters;
};

ScriptStringAnalysis* From(SCRIPT_STRING_ANALYSIS handle) { return static_cast<ScriptStringAnalysis*>(handle); }

SCRIPT_LOGATTR ToLogAttr(const CharacterAttributes& a) {
    SCRIPT_LOGATTR out{};
    out.fSoftBreak = a.softBreak ? 1 : 0;
    out.fWhiteSpace = a.whiteSpace ? 1 : 0;
    out.fCharStop = a.charStop ? 1 : 0;
    out.fWordStop = a.wordStop ? 1 : 0;
    return out;
}

HRESULT MissingApply(const SCRIPT_DIGITSUBSTITUTE*, SCRIPT_CONTROL*, SCRIPT_STATE*) { return E_NOTIMPL; }
HRESULT MissingAnalyse(IGfxFont*, const void*, int, int, int, DWORD, int, SCRIPT_CONTROL*, SCRIPT_STATE*,
                       const int*, SCRIPT_TABDEF*, const BYTE*, SCRIPT_STRING_ANALYSIS*) {
    return E_NOTIMPL;
}
HRESULT MissingCpToX(SCRIPT_STRING_ANALYSIS, int, BOOL, int*) { return E_NOTIMPL; }
HRESULT MissingXToCp(SCRIPT_STRING_ANALYSIS, int, int*, int*) { return E_NOTIMPL; }
HRESULT MissingFree(SCRIPT_STRING_ANALYSIS*) { return E_NOTIMPL; }
const SCRIPT_LOGATTR* MissingLogAttr(SCRIPT_STRING_ANALYSIS) { return nullptr; }
const int* MissingOutChars(SCRIPT_STRING_ANALYSIS) { return nullptr; }

}  // namespace
}  // namespace gfxutil

HRESULT ScriptRecordDigitSubstitution(LCID, SCRIPT_DIGITSUBSTITUTE* digitSubstitute) {
    if (digitSubstitute == nullptr) {
        return E_INVALIDARG;
    }
    *digitSubstitute = SCRIPT_DIGITSUBSTITUTE{};
    digitSubstitute->DigitSubstitute = SCRIPT_DIGITSUBSTITUTE_NONE;
    return S_OK;
}

HRESULT ScriptApplyDigitSubstitution(const SCRIPT_DIGITSUBSTITUTE* digitSubstitute, SCRIPT_CONTROL* control,
                                     SCRIPT_STATE* state) {
    if (control == nullptr || state == nullptr) {
        return E_INVALIDARG;
    }
    SCRIPT_DIGITSUBSTITUTE fallback{};
    if (digitSubstitute == nullptr) {
        ScriptRecordDigitSubstitution(LOCALE_USER_DEFAULT, &fallback);
        digitSubstitute = &fallback;
    }
    *control = SCRIPT_CONTROL{};
    *state = SCRIPT_STATE{};
    control->uDefaultLanguage = digitSubstitute->NationalDigitLanguage;
    control->fContextDigits = digitSubstitute->DigitSubstitute == SCRIPT_DIGITSUBSTITUTE_CONTEXT ? 1 : 0;
    state->fDigitSubstitute = digitSubstitute->DigitSubstitute == SCRIPT_DIGITSUBSTITUTE_NATIONAL ||
                                      digitSubstitute->DigitSubstitute == SCRIPT_DIGITSUBSTITUTE_TRADITIONAL
                                  ? 1
                                  : 0;
    return S_OK;
}

HRESULT ScriptStringAnalyse(IGfxFont* font, const void* text, int length, int, int, DWORD, int, SCRIPT_CONTROL*,
                            SCRIPT_STATE*, const int*, SCRIPT_TABDEF*, const BYTE*, SCRIPT_STRING_ANALYSIS* analysis) {
    if (analysis == nullptr) {
        return E_INVALIDARG;
    }
    *analysis = nullptr;
    const gfxutil::FontFace* face = gfxutil::FontFaceOf(font);
    if (face == nullptr || text == nullptr || length <= 0) {
        return E_INVALIDARG;
    }
    auto* result = new gfxutil::ScriptStringAnalysis{
        gfxutil::TextAnalysis(*face, static_cast<const char16_t*>(text), length), {}, length};
    result->attributes.reserve(static_cast<std::size_t>(length));
    for (const auto& a : result->analysis.Attributes()) {
        result->attributes.push_back(gfxutil::ToLogAttr(a));
    }
    *analysis = result;
    return S_OK;
}

HRESULT ScriptStringFree(SCRIPT_STRING_ANALYSIS* analysis) {
    if (analysis == nullptr || *analysis == nullptr) {
        return E_INVALIDARG;
    }
    delete gfxutil::From(*analysis);
    *analysis = nullptr;
    return S_OK;
}

HRESULT ScriptStringCPtoX(SCRIPT_STRING_ANALYSIS analysis, int character, BOOL trailing, int* x) {
    auto* a = gfxutil::From(analysis);
    if (a == nullptr || x == nullptr || character < 0 || character >= a->characters) {
        return E_INVALIDARG;
    }
    *x = trailing != FALSE ? a->analysis.TrailingX(character) : a->analysis.LeadingX(character);
    return S_OK;
}

HRESULT ScriptStringXtoCP(SCRIPT_STRING_ANALYSIS analysis, int x, int* character, int* trailing) {
    auto* a = gfxutil::From(analysis);
    if (a == nullptr || character == nullptr || trailing == nullptr) {
        return E_INVALIDARG;
    }
    const auto hit = a->analysis.HitTest(x);
    *character = hit.index;
    *trailing = hit.trailing ? 1 : 0;
    return S_OK;
}

const SCRIPT_LOGATTR* ScriptString_pLogAttr(SCRIPT_STRING_ANALYSIS analysis) {
    auto* a = gfxutil::From(analysis);
    return a != nullptr ? a->attributes.data() : nullptr;
}

const int* ScriptString_pcOutChars(SCRIPT_STRING_ANALYSIS analysis) {
    auto* a = gfxutil::From(analysis);
    return a != nullptr ? &a->characters : nullptr;
}

ScriptStringService AvailableScriptStringService() {
    return ScriptStringService{ScriptApplyDigitSubstitution, ScriptStringAnalyse, ScriptStringCPtoX,
                               ScriptStringXtoCP,           ScriptStringFree,    ScriptString_pLogAttr,
                               ScriptString_pcOutChars};
}

ScriptStringService PlaceholderScriptStringService() {
    using namespace gfxutil;
    return ScriptStringService{MissingApply, MissingAnalyse, MissingCpToX,  MissingXToCp,
                               MissingFree,  MissingLogAttr, MissingOutChars};
}
