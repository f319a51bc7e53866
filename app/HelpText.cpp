#include "app/HelpText.h"

#include <cstring>

namespace ondrel::app {

const char* HelpText() {
    return "Usage: ondrel [switches] [LEVEL]\n"
           "\n"
           "Shows a GoldenEye 007 level export in 3D, converts its triangles to\n"
           "solids and writes them as a Hammer .map file. LEVEL (text, or binary\n"
           "when its name ends in \".bin\") is imported at start; files dropped on\n"
           "the window are imported too.\n"
           "\n"
           "Switches (with - or /, any case):\n"
           "  -adapter:N            use adapter N\n"
           "  -windowed             start in a window\n"
           "  -fullscreen           start in full screen\n"
           "  -forcehal             only the hardware device\n"
           "  -forceref             only the reference (software) device\n"
           "  -forcepurehwvp        pure hardware vertex processing\n"
           "  -forcehwvp            hardware vertex processing\n"
           "  -forceswvp            software vertex processing\n"
           "  -width:N -height:N    back buffer size\n"
           "  -startx:N -starty:N   window position\n"
           "  -constantframetime[:S] every frame advances time by S seconds (0.0333)\n"
           "  -quitafterframe:N     quit after frame N\n"
           "  -noerrormsgboxes      report start-up errors by exit code only\n"
           "\n"
           "Keys:\n"
           "  W A S D, arrow keys   fly forwards, left, back, right\n"
           "  Q E, Page Up/Down     fly down and up\n"
           "  drag with a button    look around\n"
           "  Home                  back to the start view\n"
           "  F2                    device settings\n"
           "  F3                    toggle the reference device\n"
           "  F8                    toggle wireframe\n"
           "  Alt+Enter             toggle full screen\n"
           "  Pause                 pause time and rendering\n"
           "  Escape                quit\n";
}

bool AsksForHelp(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) return true;
    }
    return false;
}

}  // namespace ondrel::app
