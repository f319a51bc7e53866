#include "framework/FrameTimer.h"

#include <memory>

#include "platform/win32/Windows.h"

namespace ondrel::framework {

FrameTimer::FrameTimer() {
    LARGE_INTEGER frequency{};
    usesCounter_ = QueryPerformanceFrequency(&frequency) != FALSE && frequency.QuadPart > 0;
    ticksPerSecond_ = usesCounter_ ? frequency.QuadPart : 0;
}

std::int64_t FrameTimer::FreshReading() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// Stopped is told by the flag, not by a non-zero stop time: a counter may
// well read 0 (the scripted clock starts there), and time must not run on
// while stopped at that moment.
std::int64_t FrameTimer::CurrentCounter() const { return stopped_ ? stopTime_ : FreshReading(); }

void FrameTimer::Reset() {
    if (!usesCounter_) return;
    std::int64_t now = CurrentCounter();
    baseTime_ = now;
    lastElapsedTime_ = now;
    stopTime_ = 0;
    stopped_ = false;
}

void FrameTimer::Start() {
    if (!usesCounter_) return;
    std::int64_t now = FreshReading();
    if (stopped_) baseTime_ += now - stopTime_;
    stopTime_ = 0;
    lastElapsedTime_ = now;
    stopped_ = false;
}

void FrameTimer::Stop() {
    if (!usesCounter_ || stopped_) return;
    std::int64_t now = CurrentCounter();
    stopTime_ = now;
    lastElapsedTime_ = now;
    stopped_ = true;
}

double FrameTimer::AbsoluteTime() {
    if (!usesCounter_) return -1.0;
    return static_cast<double>(CurrentCounter() - baseTime_) / static_cast<double>(ticksPerSecond_);
}

double FrameTimer::CounterTime() {
    if (!usesCounter_) return -1.0;
    return static_cast<double>(CurrentCounter()) / static_cast<double>(ticksPerSecond_);
}

double FrameTimer::ElapsedTime() {
    if (!usesCounter_) return -1.0;
    std::int64_t now = CurrentCounter();
    double elapsed = static_cast<double>(now - lastElapsedTime_) / static_cast<double>(ticksPerSecond_);
    lastElapsedTime_ = now;
    return elapsed;
}

namespace {

std::unique_ptr<FrameTimer>& TimerInstance() {
    static std::unique_ptr<FrameTimer> timer;
    return timer;
}

}  // namespace

FrameTimer& GetGlobalTimer() {
    if (!TimerInstance()) TimerInstance() = std::make_unique<FrameTimer>();
    return *TimerInstance();
}

void ResetGlobalTimer() { TimerInstance().reset(); }

}  // namespace ondrel::framework
