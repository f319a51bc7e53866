#pragma once
// A program that writes maps calls this once at start: on SIGINT, SIGTERM,
// SIGHUP or SIGQUIT the temporary file of any map being written is removed,
// then the process ends as that signal would have ended it (same signal,
// same status for the shell). A signal the program was started with ignored
// (SIGHUP under nohup) stays ignored.

namespace ondrel::conversion {

void RemoveUnfinishedMapsOnSignals();

}  // namespace ondrel::conversion
