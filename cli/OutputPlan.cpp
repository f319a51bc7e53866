#include "cli/OutputPlan.h"

#include <filesystem>
#include <map>

#include "cli/DisplayName.h"
#include "conversion/BinaryName.h"

namespace ondrel::cli {
namespace {

namespace fs = std::filesystem;

std::string MapNameBeside(const std::string& input) {
    return fs::path(input).replace_extension(".map").string();
}

std::string MapNameIn(const std::string& directory, const std::string& input) {
    return (fs::path(directory) / fs::path(input).filename().replace_extension(".map")).string();
}

// For an output whose folder cannot be resolved: its name as written, so
// that two inputs meant for the same unresolvable place still clash. Its
// write will fail and say why.
std::string ComparableOutput(const std::string& path, const PathQueries& paths) {
    std::error_code error;
    std::string resolved = paths.Canonical(path, error);
    if (!error) return resolved;
    return paths.Absolute(path, error);
}

bool ChooseFormat(FormatChoice choice, const std::string& input) {
    switch (choice) {
        case FormatChoice::Binary: return true;
        case FormatChoice::Text: return false;
        case FormatChoice::ByName: break;
    }
    return conversion::IsBinaryName(input);
}

// An input that cannot be resolved is marked as failed and takes no part
// in the comparisons: it will not be read, so nothing is written for it.
void ResolveInputs(std::vector<PlannedFile>& files, std::map<std::string, const PlannedFile*>& byInput,
                   const PathQueries& paths) {
    for (PlannedFile& file : files) {
        std::error_code error;
        const std::string input = paths.Canonical(file.input, error);
        if (error) {
            file.problem = "cannot resolve the path: " + error.message();
        } else {
            byInput.emplace(input, &file);
        }
    }
}

std::string CheckDistinct(std::vector<PlannedFile>& files, const PathQueries& paths) {
    std::map<std::string, const PlannedFile*> byOutput;
    std::map<std::string, const PlannedFile*> byInput;
    ResolveInputs(files, byInput, paths);
    for (const PlannedFile& file : files) {
        if (!file.problem.empty()) continue;
        const std::string output = ComparableOutput(file.output, paths);
        if (const auto input = byInput.find(output); input != byInput.end()) {
            return DisplayName(file.output) + " would overwrite the input " + DisplayName(input->second->input);
        }
        const auto [earlier, added] = byOutput.emplace(output, &file);
        if (!added) {
            return DisplayName(earlier->second->input) + " and " + DisplayName(file.input) +
                   " would both be written to " + DisplayName(file.output);
        }
    }
    return {};
}

}  // namespace

OutputPlan PlanOutputs(const ConvertOptions& options) { return PlanOutputs(options, SystemPathQueries{}); }

OutputPlan PlanOutputs(const ConvertOptions& options, const PathQueries& paths) {
    OutputPlan plan;
    // One rule for folders: -o names one when it ends in '/' or when there
    // are several inputs, and that folder must exist; a missing one is a
    // usage error before anything is converted.
    const bool intoDirectory = !options.output.empty() && paths.IsDirectory(options.output);
    if (!options.output.empty() && !intoDirectory &&
        (options.inputs.size() > 1 || options.output.back() == '/')) {
        plan.error = "-o must name an existing directory" +
                     std::string(options.inputs.size() > 1 ? " with several inputs" : "") + " (" +
                     DisplayName(options.output) + " is not one)";
        return plan;
    }
    for (const std::string& input : options.inputs) {
        PlannedFile file;
        file.input = input;
        file.binary = ChooseFormat(options.format, input);
        if (options.output.empty()) {
            file.output = MapNameBeside(input);
        } else if (intoDirectory) {
            file.output = MapNameIn(options.output, input);
        } else {
            file.output = options.output;
        }
        plan.files.push_back(file);
    }
    plan.error = CheckDistinct(plan.files, paths);
    if (!plan.error.empty()) plan.files.clear();
    return plan;
}

}  // namespace ondrel::cli
