#include "app/Application.h"

#include <string_view>

#include "app/DeviceChoice.h"
#include "app/ImportExport.h"
#include "app/InitApplication.h"
#include "app/SceneDevice.h"
#include "app/SceneFrame.h"
#include "app/SceneMessages.h"
#include "framework/Framework.h"

namespace ondrel::app {
namespace {

constexpr std::u16string_view kFrameworkSwitches[] = {
    u"adapter",   u"windowed",      u"fullscreen", u"forcehal",          u"forceref",
    u"forcepurehwvp", u"forcehwvp", u"forceswvp",  u"width",             u"height",
    u"startx",    u"starty",        u"constantframetime", u"quitafterframe", u"noerrormsgboxes",
};

bool StartsWithSwitchName(std::u16string_view word) {
    for (std::u16string_view name : kFrameworkSwitches) {
        if (word.size() < name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i) {
            char16_t c = word[i];
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
            same = c == name[i];
        }
        if (same) return true;
    }
    return false;
}

bool IsSwitch(std::u16string_view word) {
    if (word.empty()) return true;
    if (word.front() == u'-') return true;
    return word.front() == u'/' && StartsWithSwitchName(word.substr(1));
}

void RegisterHandlers() {
    framework::SetDeviceCreatedCallback(&DeviceCreated);
    framework::SetDeviceResetCallback(&DeviceReset);
    framework::SetDeviceLostCallback(&DeviceLost);
    framework::SetDeviceDestroyedCallback(&DeviceDestroyed);
    framework::SetWindowMessageCallback(&ApplicationMessage);
    framework::SetKeyPressedCallback(&KeyPressed);
    framework::SetFrameRenderCallback(&FrameRender);
    framework::SetFrameMoveCallback(&FrameMove);
}

std::u16string DroppedPath(WPARAM drop) {
    const UINT length = GetDroppedFilePathW(drop, nullptr, 0);
    std::u16string path(length, u'\0');
    if (length != 0) GetDroppedFilePathW(drop, path.data(), length + 1);
    return path;
}

}  // namespace

std::optional<std::u16string> LevelFileArgument(const std::vector<std::u16string>& arguments) {
    for (const std::u16string& word : arguments) {
        if (!IsSwitch(word)) return word;
    }
    return std::nullopt;
}

void KeyPressed(UINT /*key*/, bool /*keyDown*/, bool /*altDown*/) {}

LRESULT ApplicationMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* noFurtherProcessing) {
    if (message == WM_ONDREL_DROPFILE) {
        const std::u16string path = DroppedPath(wParam);
        if (!path.empty()) ImportLevelFile(path);
        if (noFurtherProcessing != nullptr) *noFurtherProcessing = true;
        return 0;
    }
    return WindowMessage(window, message, wParam, lParam, noFurtherProcessing);
}

int RunApplication(const std::optional<std::u16string>& levelFile) {
    RegisterHandlers();
    framework::SetCursorSettings(true, true);
    InitApplication();
    framework::Init(true, true, true);
    framework::CreateAppWindow(u"Ondrel", nullptr, nullptr, nullptr, CW_USEDEFAULT, CW_USEDEFAULT);
    // A failure here has already been reported by the framework, and the
    // loop then ends at once with its exit code.
    const HRESULT created = framework::CreateDevice(0, true, 640, 480, &AcceptDevice, &AdjustDeviceSettings);
    // The level's buffers live on the device, so a level named on the
    // command line is read once there is one.
    if (SUCCEEDED(created) && levelFile) ImportLevelFile(*levelFile);
    framework::MainLoop(nullptr);
    // A window closed by the user ends the loop with the device and the
    // Direct3D object still held; letting go of them here is what keeps a
    // leaked device object visible as exit code 5 rather than silent.
    framework::Shutdown();
    return framework::GetExitCode();
}

}  // namespace ondrel::app
