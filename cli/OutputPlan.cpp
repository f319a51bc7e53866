#include "cli/OutputPlan.h"

#include <filesystem>
#include <map>
#include <system_error>

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

bool IsDirectory(const std::string& path) {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

// A name as the file system will resolve it, also for a file that does not
// exist yet; empty, with `error` set, when it cannot be resolved.
std::string Canonical(const std::string& path, std::error_code& error) {
    const fs::path resolved = fs::weakly_canonical(fs::absolute(path, error), error);
    if (error) return {};
    return resolved.lexically_normal().string();
}

// For an output whose folder cannot be resolved: its name as written, so
// that two inputs meant for the same unresolvable place still clash. Its
// write will fail and say why.
std::string ComparableOutput(const std::string& path) {
    std::error_code error;
    std::string resolved = Canonical(path, error);
    if (!error) return resolved;
    return fs::absolute(path, error).lexically_normal().string();
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
void ResolveInputs(std::vector<PlannedFile>& files, std::map<std::string, const PlannedFile*>& byInput) {
    for (PlannedFile& file : files) {
        std::error_code error;
        const std::string input = Canonical(file.input, error);
        if (error) {
            file.problem = "cannot resolve the path: " + error.message();
        } else {
            byInput.emplace(input, &file);
        }
    }
}

std::string CheckDistinct(std::vector<PlannedFile>& files) {
    std::map<std::string, const PlannedFile*> byOutput;
    std::map<std::string, const PlannedFile*> byInput;
    ResolveInputs(files, byInput);
    for (const PlannedFile& file : files) {
        if (!file.problem.empty()) continue;
        const std::string output = ComparableOutput(file.output);
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

OutputPlan PlanOutputs(const ConvertOptions& options) {
    OutputPlan plan;
    // One rule for folders: -o names one when it ends in '/' or when there
    // are several inputs, and that folder must exist; a missing one is a
    // usage error before anything is converted.
    const bool intoDirectory = !options.output.empty() && IsDirectory(options.output);
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
    plan.error = CheckDistinct(plan.files);
    if (!plan.error.empty()) plan.files.clear();
    return plan;
}

}  // namespace ondrel::cli
