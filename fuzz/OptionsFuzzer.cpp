// Feeds arbitrary argument lists to ondrel-convert's option parser and its
// output planning. The input is the argument list with each argument ended
// by a zero byte, as the kernel hands them to a program. Planning only looks
// names up (it never creates or changes a file); under libFuzzer it asks a
// file system kept in memory, in the corpus replay the real one from
// whatever folder the replay runs in.

#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "cli/ConvertOptions.h"
#include "cli/OutputPlan.h"
#include "fuzz/PlanningPaths.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

std::vector<std::string> SplitArguments(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    if (!current.empty()) arguments.push_back(current);
    return arguments;
}

// A factor the conversion divides by or pushes along: never below the
// floor, never not-a-number.
void CheckFactor(float value) { Require(value >= ondrel::kMinimumFactor); }

void CheckPlan(const ondrel::cli::ConvertOptions& options, const ondrel::cli::OutputPlan& plan) {
    if (!plan.error.empty()) {
        Require(plan.files.empty());
        return;
    }
    Require(plan.files.size() == options.inputs.size());
    std::set<std::string> outputs;
    for (std::size_t i = 0; i < plan.files.size(); ++i) {
        const auto& file = plan.files[i];
        Require(file.input == options.inputs[i]);
        if (!file.problem.empty()) continue;  // fails alone and is never written
        Require(!file.output.empty());
        Require(file.output != file.input);
        Require(outputs.insert(file.output).second);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ondrel::cli;
    const ParsedArguments parsed = ParseArguments(SplitArguments(data, size));
    if (!parsed.error.empty() || parsed.request != Request::Convert) return 0;

    const ConvertOptions& options = parsed.options;
    Require(!options.inputs.empty());
    CheckFactor(options.parameters.extrudeFactorTris);
    CheckFactor(options.parameters.extrudeFactorBlocks);
    CheckFactor(options.parameters.exportScale);
    CheckPlan(options, PlanOutputs(options, ondrel::fuzz::PlanningPaths()));
    return 0;
}
