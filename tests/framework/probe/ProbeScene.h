#pragma once
// The probe's application side: the callbacks a program built on the
// framework registers, drawing one yellow triangle over a blue background,
// and a log of what the framework's keys changed (one line per change).

#include <string>

namespace ondrel::probe {

// What the probe is asked to get wrong, so that the framework's failure
// paths and their exit codes can be reached from outside.
enum class Failure { None, DeviceCreated, DeviceCreatedMedia, DeviceReset, LeakedObject };

Failure FailureNamed(const std::string& name);
// Registers the callbacks with the framework; the log goes to logPath (no
// log when it is empty).
void RegisterProbeCallbacks(Failure failure, const std::string& logPath);
// "frames moved M rendered R" on standard output.
void PrintFrameCounts();

}  // namespace ondrel::probe
