#include "framework/CommandLine.h"

#include <array>
#include <string_view>

#include "framework/FrameworkState.h"
#include "framework/MainLoop.h"
#include "platform/win32/Windows.h"

namespace ondrel::framework {

namespace {

constexpr float kDefaultConstantFrameTime = 0.0333f;
constexpr std::size_t kMaxArgumentLength = 255;

enum class Flag {
    Adapter, Windowed, FullScreen, ForceHAL, ForceREF, ForcePureHWVP, ForceHWVP, ForceSWVP,
    Width, Height, StartX, StartY, ConstantFrameTime, QuitAfterFrame, NoErrorMessageBoxes,
};

struct FlagName {
    std::u16string_view name;
    Flag flag;
};

// In the order they are tried: a flag matches when its name starts the text.
constexpr std::array<FlagName, 15> kFlags = {{
    {u"adapter", Flag::Adapter},
    {u"windowed", Flag::Windowed},
    {u"fullscreen", Flag::FullScreen},
    {u"forcehal", Flag::ForceHAL},
    {u"forceref", Flag::ForceREF},
    {u"forcepurehwvp", Flag::ForcePureHWVP},
    {u"forcehwvp", Flag::ForceHWVP},
    {u"forceswvp", Flag::ForceSWVP},
    {u"width", Flag::Width},
    {u"height", Flag::Height},
    {u"startx", Flag::StartX},
    {u"starty", Flag::StartY},
    {u"constantframetime", Flag::ConstantFrameTime},
    {u"quitafterframe", Flag::QuitAfterFrame},
    {u"noerrormsgboxes", Flag::NoErrorMessageBoxes},
}};

LPCWSTR SkipProgramName(LPCWSTR cursor) {
    if (*cursor == u'"') {
        ++cursor;
        while (*cursor != u'\0' && *cursor != u'"') ++cursor;
        if (*cursor == u'"') ++cursor;
        return cursor;
    }
    while (*cursor > u' ') ++cursor;
    return cursor;
}

// The text up to the first unit below 33 (at most 255 units), and the
// cursor moved past it.
std::u16string TakeWord(LPCWSTR& cursor) {
    std::u16string word;
    while (*cursor >= 33) {
        if (word.size() < kMaxArgumentLength) word += *cursor;
        ++cursor;
    }
    return word;
}

// The ":value" after a flag, if there is one.
bool TakeValue(LPCWSTR& cursor, std::u16string& value) {
    if (*cursor != u':') return false;
    ++cursor;
    value = TakeWord(cursor);
    return true;
}

const FlagName* MatchFlag(LPCWSTR text) {
    for (const FlagName& candidate : kFlags) {
        std::u16string_view name = candidate.name;
        if (_wcsnicmp(text, name.data(), name.size()) == 0) return &candidate;
    }
    return nullptr;
}

void SetInteger(int StateFields::*field, LPCWSTR& cursor) {
    std::u16string value;
    if (TakeValue(cursor, value)) State().Set(field, _wtoi(value.c_str()));
}

void ApplyFlag(Flag flag, LPCWSTR& cursor) {
    FrameworkState& state = State();
    switch (flag) {
        case Flag::Adapter: SetInteger(&StateFields::overrideAdapterOrdinal, cursor); break;
        case Flag::Windowed: state.Set(&StateFields::overrideWindowed, true); break;
        case Flag::FullScreen: state.Set(&StateFields::overrideFullScreen, true); break;
        case Flag::ForceHAL: state.Set(&StateFields::overrideForceHAL, true); break;
        case Flag::ForceREF: state.Set(&StateFields::overrideForceREF, true); break;
        case Flag::ForcePureHWVP: state.Set(&StateFields::overrideForcePureHWVP, true); break;
        case Flag::ForceHWVP: state.Set(&StateFields::overrideForceHWVP, true); break;
        case Flag::ForceSWVP: state.Set(&StateFields::overrideForceSWVP, true); break;
        case Flag::Width: SetInteger(&StateFields::overrideWidth, cursor); break;
        case Flag::Height: SetInteger(&StateFields::overrideHeight, cursor); break;
        case Flag::StartX: SetInteger(&StateFields::overrideStartX, cursor); break;
        case Flag::StartY: SetInteger(&StateFields::overrideStartY, cursor); break;
        case Flag::ConstantFrameTime: {
            std::u16string value;
            float seconds = TakeValue(cursor, value) ? static_cast<float>(_wtof(value.c_str()))
                                                     : kDefaultConstantFrameTime;
            state.Set(&StateFields::overrideConstantFrameTime, true);
            state.Set(&StateFields::overrideConstantTimePerFrame, seconds);
            SetConstantFrameTime(true, seconds);
            break;
        }
        case Flag::QuitAfterFrame: SetInteger(&StateFields::overrideQuitAfterFrame, cursor); break;
        case Flag::NoErrorMessageBoxes: state.Set(&StateFields::showMessageBoxesOnError, false); break;
    }
}

}  // namespace

void ParseCommandLine() {
    LPCWSTR cursor = GetCommandLineW();
    if (cursor == nullptr) return;
    cursor = SkipProgramName(cursor);
    for (;;) {
        while (*cursor != u'\0' && *cursor < 33) ++cursor;
        if (*cursor == u'\0') return;
        if (*cursor == u'/' || *cursor == u'-') ++cursor;
        if (const FlagName* match = MatchFlag(cursor)) {
            cursor += match->name.size();
            ApplyFlag(match->flag, cursor);
        } else {
            // Unknown flags are skipped without a word to the user.
            TakeWord(cursor);
        }
    }
}

void ApplyOverrides(DeviceSettings* settings) {
    FrameworkState& state = State();
    if (int adapter = state.Get(&StateFields::overrideAdapterOrdinal); adapter != -1) {
        settings->adapterOrdinal = static_cast<UINT>(adapter);
    }
    if (state.Get(&StateFields::overrideFullScreen)) settings->presentParameters.Windowed = FALSE;
    if (state.Get(&StateFields::overrideWindowed)) settings->presentParameters.Windowed = TRUE;
    if (state.Get(&StateFields::overrideForceREF)) settings->deviceType = D3DDEVTYPE_REF;
    else if (state.Get(&StateFields::overrideForceHAL)) settings->deviceType = D3DDEVTYPE_HAL;
    if (int width = state.Get(&StateFields::overrideWidth); width != 0) {
        settings->presentParameters.BackBufferWidth = static_cast<UINT>(width);
    }
    if (int height = state.Get(&StateFields::overrideHeight); height != 0) {
        settings->presentParameters.BackBufferHeight = static_cast<UINT>(height);
    }
    DWORD& flags = settings->behaviorFlags;
    if (state.Get(&StateFields::overrideForcePureHWVP)) {
        flags = (flags & ~D3DCREATE_SOFTWARE_VERTEXPROCESSING) | D3DCREATE_PUREDEVICE | D3DCREATE_HARDWARE_VERTEXPROCESSING;
    } else if (state.Get(&StateFields::overrideForceHWVP)) {
        flags = (flags & ~(D3DCREATE_PUREDEVICE | D3DCREATE_SOFTWARE_VERTEXPROCESSING)) | D3DCREATE_HARDWARE_VERTEXPROCESSING;
    } else if (state.Get(&StateFields::overrideForceSWVP)) {
        flags = (flags & ~(D3DCREATE_PUREDEVICE | D3DCREATE_HARDWARE_VERTEXPROCESSING)) | D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    }
}

}  // namespace ondrel::framework
