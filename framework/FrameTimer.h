#pragma once
// Time and elapsed time on the platform's high-resolution counter. Stopping
// freezes absolute time; the stopped span is left out once it starts again.

#include <cstdint>

namespace ondrel::framework {

class FrameTimer {
public:
    FrameTimer();

    void Reset();
    void Start();
    void Stop();
    // Seconds since the base; -1.0 without a counter.
    double AbsoluteTime();
    // The counter in seconds, not relative to the base; -1.0 without a counter.
    double CounterTime();
    // Seconds since the previous call; -1.0 without a counter.
    double ElapsedTime();
    bool Stopped() const { return stopped_; }

private:
    std::int64_t CurrentCounter() const;
    static std::int64_t FreshReading();

    bool usesCounter_ = false;
    bool stopped_ = true;
    std::int64_t ticksPerSecond_ = 0;
    std::int64_t stopTime_ = 0;
    std::int64_t lastElapsedTime_ = 0;
    std::int64_t baseTime_ = 0;
};

// The single instance, made on first use.
FrameTimer& GetGlobalTimer();
// The next GetGlobalTimer() makes a fresh one (reads the platform's counter
// frequency again). For tests.
void ResetGlobalTimer();

}  // namespace ondrel::framework
