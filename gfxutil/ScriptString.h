#pragma once
// The complex-script string service the edit box measures with, in the
// shape of the Win32 one. The font comes from an IGfxFont where the Win32
// service takes a device context; every other argument keeps its meaning.

#include "gfxutil/GfxFont.h"
#include "platform/win32/WinTypes.h"

using SCRIPT_STRING_ANALYSIS = void*;
using LCID = DWORD;

inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;

inline constexpr DWORD SSA_PASSWORD = 0x00000001;
inline constexpr DWORD SSA_TAB = 0x00000002;
inline constexpr DWORD SSA_CLIP = 0x00000004;
inline constexpr DWORD SSA_FIT = 0x00000008;
inline constexpr DWORD SSA_DZWG = 0x00000010;
inline constexpr DWORD SSA_FALLBACK = 0x00000020;
inline constexpr DWORD SSA_BREAK = 0x00000040;
inline constexpr DWORD SSA_GLYPHS = 0x00000080;
inline constexpr DWORD SSA_RTL = 0x00000100;
inline constexpr DWORD SSA_GCP = 0x00000200;
inline constexpr DWORD SSA_HOTKEY = 0x00000400;
inline constexpr DWORD SSA_METAFILE = 0x00000800;
inline constexpr DWORD SSA_LINK = 0x00001000;

inline constexpr DWORD SCRIPT_DIGITSUBSTITUTE_CONTEXT = 0;
inline constexpr DWORD SCRIPT_DIGITSUBSTITUTE_NONE = 1;
inline constexpr DWORD SCRIPT_DIGITSUBSTITUTE_NATIONAL = 2;
inline constexpr DWORD SCRIPT_DIGITSUBSTITUTE_TRADITIONAL = 3;

struct SCRIPT_LOGATTR {
    BYTE fSoftBreak : 1;
    BYTE fWhiteSpace : 1;
    BYTE fCharStop : 1;
    BYTE fWordStop : 1;
    BYTE fInvalid : 1;
    BYTE fReserved : 3;
};

struct SCRIPT_DIGITSUBSTITUTE {
    DWORD NationalDigitLanguage : 16;
    DWORD TraditionalDigitLanguage : 16;
    DWORD DigitSubstitute : 8;
    DWORD dwReserved;
};

struct SCRIPT_CONTROL {
    DWORD uDefaultLanguage : 16;
    DWORD fContextDigits : 1;
    DWORD fInvertPreBoundDir : 1;
    DWORD fInvertPostBoundDir : 1;
    DWORD fLinkStringBefore : 1;
    DWORD fLinkStringAfter : 1;
    DWORD fNeutralOverride : 1;
    DWORD fNumericOverride : 1;
    DWORD fLegacyBidiClass : 1;
    DWORD fMergeNeutralItems : 1;
    DWORD fReserved : 7;
};

struct SCRIPT_STATE {
    WORD uBidiLevel : 5;
    WORD fOverrideDirection : 1;
    WORD fInhibitSymSwap : 1;
    WORD fCharShape : 1;
    WORD fDigitSubstitute : 1;
    WORD fInhibitLigate : 1;
    WORD fDisplayZWG : 1;
    WORD fArabicNumContext : 1;
    WORD fGcpClusters : 1;
    WORD fReserved : 1;
    WORD fEngineReserved : 2;
};

struct SCRIPT_TABDEF {
    int cTabStops;
    int iScale;
    int* pTabStops;
    int iTabOrigin;
};

// Digits are always shown as written here: the record says so.
HRESULT ScriptRecordDigitSubstitution(LCID locale, SCRIPT_DIGITSUBSTITUTE* digitSubstitute);
// digitSubstitute null: the user's default.
HRESULT ScriptApplyDigitSubstitution(const SCRIPT_DIGITSUBSTITUTE* digitSubstitute, SCRIPT_CONTROL* control,
                                     SCRIPT_STATE* state);

// Analyses `length` UTF-16 units (at least one) of `text` measured in `font`.
// The glyph count, character set, flags, width, control, state, widths, tab
// stops and classes are accepted for their shape; text runs left to right.
HRESULT ScriptStringAnalyse(IGfxFont* font, const void* text, int length, int glyphs, int charset, DWORD flags,
                            int requiredWidth, SCRIPT_CONTROL* control, SCRIPT_STATE* state, const int* dx,
                            SCRIPT_TABDEF* tabdef, const BYTE* inClass, SCRIPT_STRING_ANALYSIS* analysis);
HRESULT ScriptStringFree(SCRIPT_STRING_ANALYSIS* analysis);
// The x offset of a character's leading or trailing edge.
HRESULT ScriptStringCPtoX(SCRIPT_STRING_ANALYSIS analysis, int character, BOOL trailing, int* x);
// The character under x and whether x fell in its trailing half. Left of the
// text: character 0, leading; right of it: the last character, trailing.
HRESULT ScriptStringXtoCP(SCRIPT_STRING_ANALYSIS analysis, int x, int* character, int* trailing);
// One record per analysed character, owned by the analysis; null on error.
const SCRIPT_LOGATTR* ScriptString_pLogAttr(SCRIPT_STRING_ANALYSIS analysis);
// The number of characters analysed; null on error.
const int* ScriptString_pcOutChars(SCRIPT_STRING_ANALYSIS analysis);

// The service as the edit box reaches it: one entry per function, looked up
// once at start-up. Where the service is missing, each entry is a
// placeholder that fails with E_NOTIMPL (the accessors answer null).
struct ScriptStringService {
    HRESULT (*applyDigitSubstitution)(const SCRIPT_DIGITSUBSTITUTE*, SCRIPT_CONTROL*, SCRIPT_STATE*);
    HRESULT (*analyse)(IGfxFont*, const void*, int, int, int, DWORD, int, SCRIPT_CONTROL*, SCRIPT_STATE*,
                       const int*, SCRIPT_TABDEF*, const BYTE*, SCRIPT_STRING_ANALYSIS*);
    HRESULT (*cpToX)(SCRIPT_STRING_ANALYSIS, int, BOOL, int*);
    HRESULT (*xToCp)(SCRIPT_STRING_ANALYSIS, int, int*, int*);
    HRESULT (*free)(SCRIPT_STRING_ANALYSIS*);
    const SCRIPT_LOGATTR* (*logAttr)(SCRIPT_STRING_ANALYSIS);
    const int* (*outChars)(SCRIPT_STRING_ANALYSIS);
};

ScriptStringService AvailableScriptStringService();
ScriptStringService PlaceholderScriptStringService();
