#include "cli/BatchRunner.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "cli/BoundsAdvice.h"
#include "cli/DisplayName.h"
#include "cli/OutputPlan.h"
#include "cli/PreviewLauncher.h"
#include "cli/QualityReport.h"
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

std::string Plain(double value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

// The checks of a written map: its coordinates against the practical range,
// and with --check its quality report. Answers whether it has problems.
bool CheckWrittenMap(const ConvertOptions& options, const conversion::ConversionResult& result, std::FILE* out,
                     std::FILE* err) {
    bool problems = false;
    // A clamped map has had its warning; the range is the lesser news.
    if (!result.saturated && LeavesBounds(result, options.bounds)) {
        std::fprintf(err, "ondrel-convert: warning: %s\n",
                     FormatBoundsWarning(result, options.bounds, options.parameters).c_str());
        problems = true;
    }
    if (options.check) {
        mapcheck::MapQuality quality;
        // A merged map's brushes stand for triangles no longer one to one.
        const BrushNaming naming = result.merged ? BrushNaming::MapBrush : BrushNaming::Triangle;
        if (!ReportMapQuality(result.output, DisplayName(result.input), naming, out, err, quality)) {
            return true;
        }
        problems = problems || quality.HasProblem();
    }
    return problems;
}

ExitCode CheckOneMap(const ConvertOptions& options, const std::string& path, std::FILE* out, std::FILE* err) {
    const std::string name = DisplayName(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        std::fprintf(err, "ondrel-convert: %s: %s\n", name.c_str(),
                     std::filesystem::exists(path, error) ? "is not a regular file" : "no such file");
        return ExitCode::InputFailed;
    }
    mapcheck::MapQuality quality;
    if (!ReportMapQuality(path, name, BrushNaming::MapBrush, out, err, quality)) return ExitCode::InputFailed;
    bool problems = quality.HasProblem();
    if (quality.largestCoordinate > options.bounds) {
        std::fprintf(err, "ondrel-convert: warning: %s: coordinates reach %s, beyond the practical range of +-%s\n",
                     name.c_str(), Plain(quality.largestCoordinate).c_str(), Plain(options.bounds).c_str());
        problems = true;
    }
    return problems && options.strict ? ExitCode::QualityProblems : ExitCode::Success;
}

// --check-map: the inputs are maps to check; nothing is converted.
ExitCode CheckMaps(const ConvertOptions& options, std::FILE* out, std::FILE* err) {
    ExitCode exitCode = ExitCode::Success;
    for (const std::string& input : options.inputs) {
        exitCode = MoreSerious(exitCode, CheckOneMap(options, input, out, err));
        std::fflush(out);
    }
    return exitCode;
}

// The picture of a converted input, drawn from the same file with the same
// factors.
ExitCode MakePreviewOf(const ConvertOptions& options, const PlannedFile& file, std::FILE* err) {
    conversion::PreviewRequest request = options.preview;
    request.level = file.input;
    request.binary = file.binary;
    request.parameters = options.parameters;
    const PreviewOutcome outcome = MakePreview(request, PreviewRendererCandidates(RunningProgramPath()), err);
    return outcome == PreviewOutcome::Written ? ExitCode::Success : ExitCode::PreviewFailed;
}

}  // namespace

ExitCode RunBatch(const ConvertOptions& options, std::FILE* out, std::FILE* err,
                  conversion::ConversionProgress& progress) {
    using namespace conversion;
    if (options.checkMaps) return CheckMaps(options, out, err);
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
            file.problem.empty() ? RunConversion({file.input, file.output, file.binary, options.parameters, options.merge}, progress)
                                 : Unresolved(file);
        progress.EndFile();
        if (result.status == ConversionStatus::Converted) {
            if (!options.quiet) std::fprintf(out, "%s\n", FormatSummaryLine(result).c_str());
            std::fflush(out);
            if (result.saturated) std::fprintf(err, "ondrel-convert: warning: %s\n", FormatClampWarning(result).c_str());
            if (CheckWrittenMap(options, result, out, err) && options.strict) {
                exitCode = MoreSerious(exitCode, ExitCode::QualityProblems);
            }
            std::fflush(out);
            if (options.WantsPreview()) exitCode = MoreSerious(exitCode, MakePreviewOf(options, file, err));
        } else {
            std::fprintf(err, "ondrel-convert: %s\n", FormatErrorLine(result).c_str());
        }
        exitCode = MoreSerious(exitCode, ExitCodeFor(result.status));
    }
    return exitCode;
}

}  // namespace ondrel::cli
