#include "cli/BatchRunner.h"

#include "cli/OutputPlan.h"
#include "cli/SummaryLine.h"
#include "conversion/ConversionJob.h"

namespace ondrel::cli {
namespace {

conversion::ConversionResult Unresolved(const PlannedFile& file) {
    conversion::ConversionResult result;
    result.status = conversion::ConversionStatus::InputUnreadable;
    result.input = file.input;
    result.output = file.output;
    result.problem = file.problem;
    return result;
}

}  // namespace

ExitCode RunBatch(const ConvertOptions& options, std::FILE* out, std::FILE* err,
                  conversion::ConversionProgress& progress) {
    using namespace conversion;
    const OutputPlan plan = PlanOutputs(options);
    if (!plan.error.empty()) {
        std::fprintf(err, "ondrel-convert: %s\n", plan.error.c_str());
        return ExitCode::Usage;
    }

    ExitCode exitCode = ExitCode::Success;
    for (std::size_t i = 0; i < plan.files.size(); ++i) {
        progress.BeginFile(plan.files[i].input, i + 1, plan.files.size());
        const PlannedFile& file = plan.files[i];
        const ConversionResult result =
            file.problem.empty() ? RunConversion({file.input, file.output, file.binary, options.parameters}, progress)
                                 : Unresolved(file);
        progress.EndFile();
        if (result.status == ConversionStatus::Converted) {
            if (!options.quiet) std::fprintf(out, "%s\n", FormatSummaryLine(result).c_str());
            std::fflush(out);
            if (result.saturated) std::fprintf(err, "ondrel-convert: warning: %s\n", FormatClampWarning(result).c_str());
        } else {
            std::fprintf(err, "ondrel-convert: %s\n", FormatErrorLine(result).c_str());
        }
        exitCode = MoreSerious(exitCode, ExitCodeFor(result.status));
    }
    return exitCode;
}

}  // namespace ondrel::cli
