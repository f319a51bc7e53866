#include "conversion/PreviewRequest.h"

#include <charconv>
#include <cmath>

#include "conversion/FactorText.h"

namespace ondrel::conversion {
namespace {

std::optional<unsigned> ReadSide(std::string_view text) {
    unsigned side = 0;
    const char* end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, side);
    if (text.empty() || read.ec != std::errc() || read.ptr != end || side == 0 || side > kLargestPreviewSide) {
        return std::nullopt;
    }
    return side;
}

std::optional<float> ReadCoordinate(std::string_view text) {
    float value = 0.0f;
    const char* end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || read.ec != std::errc() || read.ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// Shortest text that reads back as the same float.
std::string Exact(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

std::string PointText(const PreviewPoint& point) {
    return Exact(point[0]) + "," + Exact(point[1]) + "," + Exact(point[2]);
}

class PreviewArgumentReader {
public:
    explicit PreviewArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    ParsedPreviewRequest Read() {
        std::vector<std::string> files;
        bool optionsEnded = false;
        while (next_ < arguments_.size() && parsed_.error.empty()) {
            const std::string& argument = arguments_[next_++];
            if (optionsEnded || argument.empty() || argument[0] != '-') {
                files.push_back(argument);
            } else if (argument == "--") {
                optionsEnded = true;
            } else {
                ReadOption(argument);
            }
        }
        if (parsed_.error.empty() && files.size() != 2) parsed_.error = "expected a level file and a PNG file";
        if (parsed_.error.empty()) {
            parsed_.request.level = files[0];
            parsed_.request.png = files[1];
        }
        return parsed_;
    }

private:
    void ReadOption(const std::string& name) {
        PreviewRequest& request = parsed_.request;
        if (name == "--binary") {
            request.binary = true;
        } else if (name == "--solids") {
            request.solids = true;
        } else if (name == "--tris" || name == "--blocks" || name == "--scale") {
            float& field = name == "--tris"     ? request.parameters.extrudeFactorTris
                           : name == "--blocks" ? request.parameters.extrudeFactorBlocks
                                                : request.parameters.exportScale;
            ReadValue(name, [&](std::string_view text) {
                const std::optional<float> factor = ReadExactFactor(text);
                if (factor) field = *factor;
                return factor.has_value();
            });
        } else if (name == "--size") {
            ReadValue(name, [&](std::string_view text) {
                const auto size = ReadPreviewSize(text);
                if (size) request.width = (*size)[0], request.height = (*size)[1];
                return size.has_value();
            });
        } else if (name == "--eye" || name == "--look-at") {
            std::optional<PreviewPoint>& field = name == "--eye" ? request.eye : request.lookAt;
            ReadValue(name, [&](std::string_view text) {
                field = ReadPreviewPoint(text);
                return field.has_value();
            });
        } else {
            parsed_.error = "unknown option " + name;
        }
    }

    template <typename Reader>
    void ReadValue(const std::string& name, Reader read) {
        if (next_ >= arguments_.size()) {
            parsed_.error = name + " needs a value";
        } else if (const std::string& value = arguments_[next_++]; !read(value)) {
            parsed_.error = name + " '" + value + "' is not a usable value";
        }
    }

    const std::vector<std::string>& arguments_;
    std::size_t next_ = 0;
    ParsedPreviewRequest parsed_;
};

}  // namespace

std::optional<std::array<unsigned, 2>> ReadPreviewSize(std::string_view text) {
    const std::size_t cross = text.find('x');
    if (cross == std::string_view::npos) return std::nullopt;
    const std::optional<unsigned> width = ReadSide(text.substr(0, cross));
    const std::optional<unsigned> height = ReadSide(text.substr(cross + 1));
    if (!width || !height) return std::nullopt;
    return std::array<unsigned, 2>{*width, *height};
}

std::optional<PreviewPoint> ReadPreviewPoint(std::string_view text) {
    PreviewPoint point{};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const std::size_t comma = axis < 2 ? text.find(',') : text.size();
        if (comma == std::string_view::npos) return std::nullopt;
        const std::optional<float> value = ReadCoordinate(text.substr(0, comma));
        if (!value) return std::nullopt;
        point[axis] = *value;
        text.remove_prefix(axis < 2 ? comma + 1 : comma);
    }
    return point;
}

std::vector<std::string> PreviewArguments(const PreviewRequest& request) {
    std::vector<std::string> arguments;
    if (request.binary) arguments.push_back("--binary");
    if (request.solids) arguments.push_back("--solids");
    const ConversionParameters& parameters = request.parameters;
    arguments.insert(arguments.end(), {"--tris", Exact(parameters.extrudeFactorTris), "--blocks",
                                       Exact(parameters.extrudeFactorBlocks), "--scale", Exact(parameters.exportScale),
                                       "--size", std::to_string(request.width) + "x" + std::to_string(request.height)});
    if (request.eye) arguments.insert(arguments.end(), {"--eye", PointText(*request.eye)});
    if (request.lookAt) arguments.insert(arguments.end(), {"--look-at", PointText(*request.lookAt)});
    arguments.insert(arguments.end(), {"--", request.level, request.png});
    return arguments;
}

ParsedPreviewRequest ParsePreviewArguments(const std::vector<std::string>& arguments) {
    return PreviewArgumentReader(arguments).Read();
}

}  // namespace ondrel::conversion
