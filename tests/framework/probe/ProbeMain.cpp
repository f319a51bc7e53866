// ondrel-framework-probe: the smallest program on the framework. It starts
// as the viewer does (callbacks, cursor switches, Init, window, a windowed
// 640 x 480 device, the loop) and returns the framework's exit code, so the
// framework can be run for real: on the OpenGL backend, with its command
// line ("-quitafterframe:2", "-noerrormsgboxes", ...), its keys and its
// failures. The framework reads the whole command line, so the probe's own
// choices come from the environment:
//   ONDREL_PROBE_FAIL  created | media | reset | leak  (a failing callback)
//   ONDREL_PROBE_LOG   a file for one line per change the keys make
//   ONDREL_PROBE_FIND  a media name: print where the media search finds it
//                      and exit 0, or 4 when it finds nothing

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/Framework.h"
#include "platform/opengl/OpenGlDirect3D.h"
#include "platform/sdl/SdlWindowSystem.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/Windows.h"
#include "tests/framework/probe/ProbeScene.h"

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// As an installed program does: the install path is the data folder beside
// the program's bin folder, when there is one.
void RegisterInstallPath() {
    WCHAR program[MAX_PATH];
    if (GetModuleFileNameW(nullptr, program, MAX_PATH) == 0) return;
    std::u16string folder(program);
    std::size_t separator = folder.find_last_of(u"\\/");
    if (separator == std::u16string::npos) return;
    folder.resize(separator);
    std::u16string data = folder + u"/../share/ondrel";
    WCHAR full[MAX_PATH];
    if (GetFullPathNameW(data.c_str(), MAX_PATH, full, nullptr) == 0) return;
    DWORD attributes = GetFileAttributesW(full);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return;
    ondrel::platform::SetRegistryValue(HKEY_LOCAL_MACHINE, u"Software\\Ondrel", u"Install Path", full);
}

int FindMedia(const std::string& name) {
    WCHAR found[MAX_PATH];
    std::u16string wide = ondrel::platform::Utf8ToUtf16(name);
    HRESULT hr = ondrel::framework::FindMediaFile(found, MAX_PATH, wide.c_str());
    if (FAILED(hr)) return 4;
    std::printf("%s\n", ondrel::platform::Utf16ToDisplayUtf8(found).c_str());
    return 0;
}

}  // namespace

int main() {
    using namespace ondrel::framework;
    // Video and the GL driver stay loaded to the end of the process: the
    // framework's shutdown would otherwise unload the driver, whose lasting
    // caches the sanitizer build's leak check could then no longer name.
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) SDL_GL_LoadLibrary(nullptr);
    ondrel::platform::UseSdlWindowSystem();
    ondrel::graphics::UseOpenGlBackend();
    RegisterInstallPath();
    if (std::string media = Environment("ONDREL_PROBE_FIND"); !media.empty()) return FindMedia(media);

    ondrel::probe::RegisterProbeCallbacks(ondrel::probe::FailureNamed(Environment("ONDREL_PROBE_FAIL")),
                                          Environment("ONDREL_PROBE_LOG"));
    SetCursorSettings(true, true);
    Init(true, true, true);
    CreateAppWindow(u"Ondrel framework probe", nullptr, nullptr, nullptr, CW_USEDEFAULT, CW_USEDEFAULT);
    CreateDevice(0, true, 640, 480, nullptr, nullptr);
    MainLoop(nullptr);
    // The loop ends with the window gone but the device and the Direct3D
    // object still held (and a failed start ends it with the Direct3D object
    // held); the probe lets go of both before the process ends.
    Shutdown();
    ondrel::probe::PrintFrameCounts();
    return GetExitCode();
}
