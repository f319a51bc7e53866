#include "cli/BatchRunner.h"

#include "cli/FileConversion.h"
#include "cli/OutputPlan.h"
#include "cli/SummaryLine.h"
#include "mapexport/ExportScale.h"

namespace ondrel::cli {

ExitCode RunBatch(const ConvertOptions& options, std::FILE* out, std::FILE* err,
                  ConversionProgress& progress) {
    const OutputPlan plan = PlanOutputs(options);
    if (!plan.error.empty()) {
        std::fprintf(err, "ondrel-convert: %s\n", plan.error.c_str());
        return ExitCode::Usage;
    }
    ExportScale() = options.exportScale;
    const ConversionFactors factors{options.extrudeFactorTris, options.extrudeFactorBlocks};

    ExitCode exitCode = ExitCode::Success;
    for (std::size_t i = 0; i < plan.files.size(); ++i) {
        progress.BeginFile(plan.files[i].input, i + 1, plan.files.size());
        const ConversionResult result = ConvertFile(plan.files[i], factors, progress);
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
