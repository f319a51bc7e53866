// Generates the GUI skin texture "UI\Controls.dds".
// Usage: ondrel-skingen <out.dds> [<preview.png>]

#include "DdsFile.h"
#include "PngFile.h"
#include "SkinPainter.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <out.dds> [<preview.png>]\n", argv[0]);
        return 2;
    }
    const gfxutil::Image skin = skingen::PaintSkin();
    if (!skingen::WriteDdsFile(argv[1], skin)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    if (argc == 3 && !skingen::WritePng(argv[2], skin, true)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
