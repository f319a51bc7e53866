// ondrel-preview: the converter's renderer. It draws one level (or its
// solids) as the viewer shows it into a PNG, offscreen. ondrel-convert
// runs it for --preview; its arguments are conversion/PreviewRequest's.

#include <cstdio>
#include <string>
#include <vector>

#include "conversion/PreviewRequest.h"
#include "preview/PreviewRenderer.h"

int main(int argc, char** argv) {
    using namespace ondrel;
    const conversion::ParsedPreviewRequest parsed =
        conversion::ParsePreviewArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr,
                     "ondrel-preview: %s\nusage: ondrel-preview [--binary] [--solids] [--tris X] [--blocks X] "
                     "[--scale X] [--size WxH] [--eye X,Y,Z] [--look-at X,Y,Z] LEVEL PNG\n",
                     parsed.error.c_str());
        return static_cast<int>(preview::PreviewStatus::Usage);
    }
    std::string error;
    const preview::PreviewStatus status = preview::RenderPreview(parsed.request, &error);
    if (status != preview::PreviewStatus::Written) std::fprintf(stderr, "ondrel-preview: %s\n", error.c_str());
    // No SDL_Quit: the GL driver stays loaded to the end (see OffscreenDevice.h).
    return static_cast<int>(status);
}
