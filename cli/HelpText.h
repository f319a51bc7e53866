#pragma once

namespace ondrel::cli {

// --help: usage, options, formats and exit codes.
const char* HelpText();

// --version: "ondrel-convert 0.1.0".
const char* VersionText();

}  // namespace ondrel::cli
