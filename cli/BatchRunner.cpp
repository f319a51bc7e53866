#include "cli/BatchRunner.h"

#include "cli/OutputPlan.h"
#include "cli/SummaryLine.h"
#include "conversion/ConversionJob.h"

namespace ondrel::cli {

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
            RunConversion({file.input, file.output, file.binary, options.parameters}, progress);
        progress.EndFile();
        if (result.status == ConversionStatus::Converted) {
            if (!options.quiet) std::fprintf(out, "%s\n", FormatSummaryLine(result).c_str());
            std::fflush(out);
        } else {
            std::fprintf(err, "ondrel-convert: %s\n", FormatErrorLine(result).c_str());
        }
        exitCode = MoreSerious(exitCode, ExitCodeFor(result.status));
    }
    return exitCode;
}

}  // namespace ondrel::cli
