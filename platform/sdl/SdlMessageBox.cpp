#include "platform/sdl/SdlMessageBox.h"

#include <SDL2/SDL_messagebox.h>

#include <string>
#include <vector>

#include "platform/sdl/SdlWindowHandle.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/WinDialogs.h"

namespace ondrel::platform {

namespace {

struct ButtonChoice {
    int answer;
    const char* label;
};

std::vector<ButtonChoice> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "Abort"}, {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "Yes"}, {IDNO, "No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "Yes"}, {IDNO, "No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "Retry"}, {IDCANCEL, "Cancel"}};
    default: return {{IDOK, "OK"}};
    }
}

Uint32 IconFlags(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return SDL_MESSAGEBOX_ERROR;
    case MB_ICONEXCLAMATION: return SDL_MESSAGEBOX_WARNING;
    case MB_ICONQUESTION:
    case MB_ICONASTERISK: return SDL_MESSAGEBOX_INFORMATION;
    default: return 0;
    }
}

// Escape answers like Win32's close button: Cancel where there is one,
// else the only button (OK) or No.
int EscapeAnswer(const std::vector<ButtonChoice>& buttons) {
    for (const ButtonChoice& button : buttons) {
        if (button.answer == IDCANCEL) return IDCANCEL;
    }
    if (buttons.size() == 1) return buttons.front().answer;
    return buttons.back().answer == IDNO ? IDNO : 0;
}

}  // namespace

int ShowSdlMessageBox(const MessageBoxRequest& request) {
    std::vector<ButtonChoice> choices = ButtonsFor(request.type);
    std::size_t defaultIndex = (request.type & MB_DEFMASK) >> 8;
    if (defaultIndex >= choices.size()) defaultIndex = 0;
    int escape = EscapeAnswer(choices);
    std::vector<SDL_MessageBoxButtonData> buttons;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        Uint32 flags = 0;
        if (i == defaultIndex) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        if (choices[i].answer == escape) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        buttons.push_back(SDL_MessageBoxButtonData{flags, choices[i].answer, choices[i].label});
    }
    std::string text = Utf16ToDisplayUtf8(request.text);
    std::string caption = Utf16ToDisplayUtf8(request.caption);
    SDL_MessageBoxData data{};
    data.flags = IconFlags(request.type);
    data.window = SdlWindowOf(request.owner);
    data.title = caption.c_str();
    data.message = text.c_str();
    data.numbuttons = static_cast<int>(buttons.size());
    data.buttons = buttons.data();
    int pressed = 0;
    if (SDL_ShowMessageBox(&data, &pressed) != 0) return 0;
    return pressed > 0 ? pressed : escape;
}

}  // namespace ondrel::platform
