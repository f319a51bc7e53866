#pragma once
// What a conversion reports while it runs, so long runs are visibly alive.

#include <cstddef>
#include <string>

namespace ondrel::conversion {

enum class ConversionPhase { Importing, Converting, Writing };

const char* PhaseName(ConversionPhase phase);

class ConversionProgress {
public:
    virtual ~ConversionProgress() = default;
    // File `index` (counted from 1) of `total` starts.
    virtual void BeginFile(const std::string& input, std::size_t index, std::size_t total) = 0;
    virtual void EnterPhase(ConversionPhase phase) = 0;
    // Removes every trace of the display, before results are printed.
    virtual void EndFile() = 0;
};

class SilentProgress final : public ConversionProgress {
public:
    void BeginFile(const std::string&, std::size_t, std::size_t) override {}
    void EnterPhase(ConversionPhase) override {}
    void EndFile() override {}
};

}  // namespace ondrel::conversion
