#include "DdsFile.h"

#include "gfxutil/DdsCodec.h"

#include <fstream>

namespace skingen {

bool WriteDdsFile(const std::string& path, const gfxutil::Image& image) {
    const auto bytes = gfxutil::EncodeDds(image);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace skingen
