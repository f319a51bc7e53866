#pragma once
// Runs the preview renderer, a program of its own so that the converter
// carries nothing of the window stack: it is looked for beside the running
// converter first (a build tree, or a folder both were copied into), then
// in the install tree relative to the converter, then at the installed path.

#include <cstdio>
#include <string>
#include <vector>

#include "conversion/PreviewRequest.h"

namespace ondrel::cli {

inline constexpr const char* kPreviewProgramName = "ondrel-preview";

// Where the renderer may be, in the order it is looked for, for a converter
// running as `converterPath`.
std::vector<std::string> PreviewRendererCandidates(const std::string& converterPath);

enum class PreviewOutcome { Written, RendererMissing, RendererFailed };

// Runs the first candidate that is an executable file and waits for it. The
// renderer tells its own failures on the shared standard error; this adds
// the converter's line for a missing or failed renderer.
PreviewOutcome MakePreview(const conversion::PreviewRequest& request, const std::vector<std::string>& candidates,
                           std::FILE* err);

// The running program's own path (/proc/self/exe), empty if unknown.
std::string RunningProgramPath();

}  // namespace ondrel::cli
