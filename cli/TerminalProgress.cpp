#include "cli/TerminalProgress.h"

#include "cli/DisplayName.h"

namespace ondrel::cli {

using conversion::ConversionPhase;
using conversion::PhaseName;

namespace {

constexpr auto kTickInterval = std::chrono::milliseconds(250);
constexpr const char* kClearLine = "\r\033[K";

}  // namespace

TerminalProgress::TerminalProgress(std::FILE* terminal, bool tick) : terminal_(terminal) {
    if (tick) ticker_ = std::jthread([this](std::stop_token stop) { Tick(stop); });
}

TerminalProgress::~TerminalProgress() {
    if (ticker_.joinable()) {
        ticker_.request_stop();
        ticker_.join();
    }
    std::lock_guard guard(mutex_);
    ClearLocked();
}

void TerminalProgress::BeginFile(const std::string& input, std::size_t index, std::size_t total) {
    std::lock_guard guard(mutex_);
    label_.assign(1, '[');
    label_.append(std::to_string(index)).append(1, '/').append(std::to_string(total));
    label_.append("] ").append(DisplayName(input));
    phase_ = ConversionPhase::Importing;
    started_ = std::chrono::steady_clock::now();
    shown_ = true;
    DrawLocked();
}

void TerminalProgress::EnterPhase(ConversionPhase phase) {
    std::lock_guard guard(mutex_);
    phase_ = phase;
    DrawLocked();
}

void TerminalProgress::EndFile() {
    std::lock_guard guard(mutex_);
    ClearLocked();
}

void TerminalProgress::Redraw() {
    std::lock_guard guard(mutex_);
    DrawLocked();
}

void TerminalProgress::DrawLocked() {
    if (!shown_) return;
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    std::fprintf(terminal_, "%s%s: %s... %.1f s", kClearLine, label_.c_str(), PhaseName(phase_), elapsed);
    std::fflush(terminal_);
}

void TerminalProgress::ClearLocked() {
    if (!shown_) return;
    std::fputs(kClearLine, terminal_);
    std::fflush(terminal_);
    shown_ = false;
}

void TerminalProgress::Tick(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    while (!stop.stop_requested()) {
        wake_.wait_for(lock, stop, kTickInterval, [] { return false; });
        if (!stop.stop_requested()) DrawLocked();
    }
}

}  // namespace ondrel::cli
