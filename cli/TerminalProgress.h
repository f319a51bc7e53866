#pragma once
// A one-line status on a terminal: which file, which phase, for how long.
// A ticker thread redraws it a few times a second, because a large import
// is one long call that reports nothing until it returns.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "conversion/ConversionProgress.h"

namespace ondrel::cli {

class TerminalProgress final : public conversion::ConversionProgress {
public:
    // `tick` false: redraw only on changes (for tests, which call Redraw).
    explicit TerminalProgress(std::FILE* terminal, bool tick = true);
    ~TerminalProgress() override;

    void BeginFile(const std::string& input, std::size_t index, std::size_t total) override;
    void EnterPhase(conversion::ConversionPhase phase) override;
    void EndFile() override;

    void Redraw();

private:
    void DrawLocked();
    void ClearLocked();
    void Tick(std::stop_token stop);

    std::FILE* terminal_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    bool shown_ = false;
    std::string label_;
    conversion::ConversionPhase phase_ = conversion::ConversionPhase::Importing;
    std::chrono::steady_clock::time_point started_;
    std::jthread ticker_;  // last: stopped and joined before the fields go
};

}  // namespace ondrel::cli
