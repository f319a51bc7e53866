#include "cli/ConvertOptions.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "conversion/FactorText.h"

namespace ondrel::cli {
namespace {

struct FactorOption {
    std::string_view name;
    float ConversionParameters::*field;
};

constexpr FactorOption kFactorOptions[] = {
    {"--tris", &ConversionParameters::extrudeFactorTris},
    {"--blocks", &ConversionParameters::extrudeFactorBlocks},
    {"--scale", &ConversionParameters::exportScale},
};

class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    ParsedArguments Read() {
        bool optionsEnded = false;
        for (next_ = 0; next_ < arguments_.size() && parsed_.error.empty();) {
            const std::string& argument = arguments_[next_++];
            if (optionsEnded || argument == "-" || argument.empty() || argument[0] != '-') {
                parsed_.options.inputs.push_back(argument);
            } else if (argument == "--") {
                optionsEnded = true;
            } else {
                ReadOption(argument);
            }
        }
        if (parsed_.error.empty() && parsed_.request == Request::Convert &&
            parsed_.options.inputs.empty()) {
            parsed_.error = "no input file given";
        }
        if (parsed_.error.empty() && parsed_.request == Request::Convert) CheckPreviewCombination();
        return parsed_;
    }

private:
    void ReadOption(const std::string& argument) {
        // Long options may carry their value after '=': --scale=32.
        const std::size_t equals = argument.rfind("--", 0) == 0 ? argument.find('=') : std::string::npos;
        const std::string name = argument.substr(0, equals);
        const bool inlineValue = equals != std::string::npos;
        const std::string attached = inlineValue ? argument.substr(equals + 1) : std::string();

        if (name == "-h" || name == "--help") {
            parsed_.request = Request::Help;
        } else if (name == "--version") {
            if (parsed_.request != Request::Help) parsed_.request = Request::Version;
        } else if (name == "-q" || name == "--quiet") {
            parsed_.options.quiet = true;
        } else if (name == "--merge") {
            parsed_.options.merge = true;
        } else if (name == "--check" || name == "--check-map" || name == "--strict") {
            bool& flag = name == "--check" ? parsed_.options.check
                         : name == "--strict" ? parsed_.options.strict : parsed_.options.checkMaps;
            flag = true;
        } else if (name == "--bounds") {
            std::string value;
            if (TakeValue(name, inlineValue, attached, value)) ReadBounds(value);
        } else if (name.rfind("--preview", 0) == 0) {
            ReadPreviewOption(name, inlineValue, attached);
        } else if (name == "--binary" || name == "--text") {
            ChooseFormat(name == "--binary" ? FormatChoice::Binary : FormatChoice::Text);
        } else if (name == "-o" || name == "--output") {
            std::string value;
            if (TakeValue(name, inlineValue, attached, value)) {
                if (value.empty()) parsed_.error = "-o needs a file or directory name";
                parsed_.options.output = value;
            }
        } else if (const FactorOption* factor = FindFactor(name)) {
            std::string value;
            if (TakeValue(name, inlineValue, attached, value)) {
                bool floored = false;
                const std::optional<float> number = conversion::ReadExactFactor(value, &floored);
                if (!number) {
                    parsed_.error = name + " '" + value + "' is not a finite decimal number";
                    return;
                }
                parsed_.options.parameters.*(factor->field) = *number;
                if (floored) {
                    parsed_.warnings.push_back(name + " '" + value + "' is below 0.1; using 0.1");
                }
            }
        } else {
            parsed_.error = "unknown option " + argument;
        }
        if (inlineValue && !TakesValue(name) && parsed_.error.empty()) {
            parsed_.error = name + " takes no value";
        }
    }

    static const FactorOption* FindFactor(const std::string& name) {
        for (const FactorOption& option : kFactorOptions) {
            if (option.name == name) return &option;
        }
        return nullptr;
    }

    static bool TakesValue(const std::string& name) {
        return name == "-o" || name == "--output" || name == "--bounds" || FindFactor(name) != nullptr ||
               (name.rfind("--preview", 0) == 0 && name != "--preview-solids");
    }

    void ReadPreviewOption(const std::string& name, bool inlineValue, const std::string& attached) {
        conversion::PreviewRequest& preview = parsed_.options.preview;
        if (name == "--preview-solids") {
            previewOptionSeen_ = name;
            preview.solids = true;
            return;
        }
        std::string value;
        if (name != "--preview" && name != "--preview-size" && name != "--preview-eye" && name != "--preview-look-at") {
            parsed_.error = "unknown option " + name;
            return;
        }
        if (!TakeValue(name, inlineValue, attached, value)) return;
        bool usable = !value.empty();
        if (name == "--preview") {
            preview.png = value;
        } else if (name == "--preview-size") {
            previewOptionSeen_ = name;
            const auto size = conversion::ReadPreviewSize(value);
            if (size) preview.width = (*size)[0], preview.height = (*size)[1];
            usable = size.has_value();
        } else {
            previewOptionSeen_ = name;
            std::optional<conversion::PreviewPoint>& point = name == "--preview-eye" ? preview.eye : preview.lookAt;
            point = conversion::ReadPreviewPoint(value);
            usable = point.has_value();
        }
        if (!usable) {
            parsed_.error = name + " '" + value + "' is not " + PreviewValueForm(name);
        }
    }

    static std::string PreviewValueForm(const std::string& name) {
        if (name == "--preview") return "a file name";
        if (name == "--preview-size") return "WIDTHxHEIGHT (each 1 to " + std::to_string(conversion::kLargestPreviewSide) + ")";
        return "three finite numbers X,Y,Z";
    }

    // A picture is of one level, and only of a level being converted.
    void CheckPreviewCombination() {
        const ConvertOptions& options = parsed_.options;
        if (!options.WantsPreview()) {
            if (!previewOptionSeen_.empty()) parsed_.error = previewOptionSeen_ + " needs --preview FILE";
        } else if (options.checkMaps) {
            parsed_.error = "--preview and --check-map exclude each other";
        } else if (options.inputs.size() != 1) {
            parsed_.error = "--preview takes exactly one input";
        }
    }

    void ReadBounds(const std::string& value) {
        double bounds = 0.0;
        const auto end = value.data() + value.size();
        const auto read = std::from_chars(value.data(), end, bounds);
        if (value.empty() || read.ec != std::errc() || read.ptr != end || !std::isfinite(bounds) || !(bounds >= 1.0)) {
            parsed_.error = "--bounds '" + value + "' is not a finite number of at least 1";
            return;
        }
        parsed_.options.bounds = bounds;
    }

    bool TakeValue(const std::string& name, bool inlineValue, const std::string& attached,
                   std::string& value) {
        if (inlineValue) {
            value = attached;
            return true;
        }
        if (next_ >= arguments_.size()) {
            parsed_.error = name + " needs a value";
            return false;
        }
        value = arguments_[next_++];
        return true;
    }

    void ChooseFormat(FormatChoice choice) {
        FormatChoice& format = parsed_.options.format;
        if (format != FormatChoice::ByName && format != choice) {
            parsed_.error = "--binary and --text exclude each other";
        }
        format = choice;
    }

    const std::vector<std::string>& arguments_;
    std::size_t next_ = 0;
    ParsedArguments parsed_;
    std::string previewOptionSeen_;  // a --preview-* option, which needs --preview
};

}  // namespace


ParsedArguments ParseArguments(const std::vector<std::string>& arguments) {
    return ArgumentReader(arguments).Read();
}

}  // namespace ondrel::cli
