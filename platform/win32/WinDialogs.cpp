#include "platform/win32/WinDialogs.h"

#include "platform/win32/FileDialogRecord.h"
#include "platform/win32/PlatformSession.h"
#include "platform/win32/TextConvert.h"

using ondrel::platform::Services;
using ondrel::platform::Session;

namespace {

// A modal box takes the keyboard away; like a Win32 owner window, the window
// that had the focus gets it back when the box closes.
class FocusReturn {
public:
    FocusReturn() : window_(Session().Input().focus) {}
    ~FocusReturn() {
        if (ondrel::platform::LiveWindow(window_)) Services().FocusNativeWindow(window_);
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    HWND window_;
};

BOOL RunFileDialog(OPENFILENAMEW* record, bool save) {
    DWORD& error = Session().DialogError();
    error = 0;
    if (record == nullptr || record->lStructSize != sizeof(OPENFILENAMEW)) {
        error = CDERR_STRUCTSIZE;
        return FALSE;
    }
    bool failed = false;
    FocusReturn focusReturn;
    auto answer = Services().ShowFileDialog(ondrel::platform::RequestFromRecord(*record, save), failed);
    if (failed) error = CDERR_INITIALIZATION;
    if (!answer) return FALSE;
    error = ondrel::platform::WriteAnswer(*answer, *record);
    return error == 0 ? TRUE : FALSE;
}

}  // namespace

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    ondrel::platform::MessageBoxRequest request;
    request.owner = owner;
    request.text = ondrel::platform::FromWide(text);
    request.caption = caption ? std::u16string(caption) : std::u16string(u"Error");
    request.type = type;
    FocusReturn focusReturn;
    return Services().ShowMessageBox(request);
}

BOOL GetOpenFileNameW(OPENFILENAMEW* request) { return RunFileDialog(request, false); }

BOOL GetSaveFileNameW(OPENFILENAMEW* request) { return RunFileDialog(request, true); }

DWORD CommDlgExtendedError() { return Session().DialogError(); }
