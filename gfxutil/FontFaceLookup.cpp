#include "gfxutil/FontFaceLookup.h"

#include "gfxutil/Utf16.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace gfxutil {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

struct ConfigDeleter {
    void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};

// One configuration for the process: loading it scans every font directory,
// far too slow to repeat for each font object.
FcConfig* SharedConfig() {
    static std::unique_ptr<FcConfig, ConfigDeleter> config{FcInitLoadConfigAndFonts()};
    return config.get();
}

int Win32WeightOf(int fontconfigWeight) {
    return static_cast<int>(FcWeightToOpenTypeDouble(static_cast<double>(fontconfigWeight)) + 0.5);
}

}  // namespace

std::optional<FontFileMatch> FindFontFile(std::u16string_view faceName, int weight, bool italic) {
    FcConfig* config = SharedConfig();
    if (config == nullptr) {
        return std::nullopt;
    }
    PatternPtr pattern{FcPatternCreate()};
    const std::string family = ToUtf8(faceName);
    if (!family.empty()) {
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    }
    // Win32 weight 0 means "don't care", which GDI treats as normal.
    const int requested = weight <= 0 ? 400 : weight;
    FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                        static_cast<int>(FcWeightFromOpenTypeDouble(static_cast<double>(requested))));
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    PatternPtr match{FcFontMatch(config, pattern.get(), &result)};
    if (!match || result != FcResultMatch) {
        return std::nullopt;
    }
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr) {
        return std::nullopt;
    }
    FontFileMatch found;
    found.path = reinterpret_cast<const char*>(file);
    int index = 0;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch) {
        found.faceIndex = index;
    }
    int foundWeight = FC_WEIGHT_REGULAR;
    if (FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &foundWeight) == FcResultMatch) {
        found.weight = Win32WeightOf(foundWeight);
    }
    int slant = FC_SLANT_ROMAN;
    if (FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant) == FcResultMatch) {
        found.italic = slant != FC_SLANT_ROMAN;
    }
    return found;
}

}  // namespace gfxutil
