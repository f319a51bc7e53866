// ondrel: the viewer. Imports a level export, shows it, converts it to
// solids and writes them as a .map file.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/AppPanels.h"
#include "app/ExportSummary.h"
#include "app/Application.h"
#include "app/HelpText.h"
#include "app/InstallPath.h"
#include "app/SceneObjects.h"
#include "app/ViewerCamera.h"
#include "app/ViewerLevel.h"
#include "devicesettings/dialog/SettingsDialog.h"
#include "framework/Framework.h"
#include "gui/GuiResourceManager.h"
#include "platform/opengl/OpenGlDirect3D.h"
#include "platform/sdl/SdlWindowSystem.h"
#include "platform/win32/TextConvert.h"

namespace {

std::vector<std::u16string> Arguments(int argc, char** argv) {
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(ondrel::platform::Utf8ToUtf16(argv[i]));
    return arguments;
}

// The single instances go before the process does, device objects first,
// so nothing outlives what it points at.
void ReleaseSingleInstances() {
    ondrel::app::ResetAppPanels();
    ondrel::devicesettings::ResetSettingsDialog();
    ondrel::gui::ResetGlobalResourceManager();
    ondrel::app::ResetScene();
    ondrel::app::ResetViewerLevel();
    ondrel::app::ResetViewerCamera();
    ondrel::app::ResetExportSummary();
}

}  // namespace

int main(int argc, char** argv) {
    if (ondrel::app::AsksForHelp(argc, argv)) {
        std::fputs(ondrel::app::HelpText(), stdout);
        return 0;
    }
    // No library picks a window system or a graphics backend: the viewer
    // shows real windows through SDL and draws through OpenGL.
    ondrel::platform::UseSdlWindowSystem();
    ondrel::graphics::UseOpenGlBackend();
    ondrel::graphics::KeepGlDriverLoaded();
    ondrel::app::RegisterInstallPath();
    // The GUI's device objects follow the framework's device, and F2 or the
    // "Change device (F2)" button open the device settings dialog.
    ondrel::framework::SetResourceManager(&ondrel::gui::GetGlobalResourceManager());
    ondrel::framework::SetSettingsDialogMaker(&ondrel::devicesettings::MakeSettingsDialog);
    const int exitCode = ondrel::app::RunApplication(ondrel::app::LevelFileArgument(Arguments(argc, argv)));
    ReleaseSingleInstances();
    return exitCode;
}
