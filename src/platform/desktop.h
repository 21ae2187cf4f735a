#pragma once
// Small per-desktop services: last input, clock, locale and system error texts.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class LastInput {
public:
    virtual ~LastInput() = default;
    // GetLastInputInfo: tick count of the last keyboard or mouse input; nullopt on failure.
    [[nodiscard]] virtual std::optional<std::uint32_t> lastInputTick() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual std::uint32_t tickCount() = 0;  // GetTickCount
    // Milliseconds on a clock that only moves forward and does not wrap (GetTickCount64):
    // for measuring how long something took, which the time of day cannot tell.
    [[nodiscard]] virtual std::uint64_t monotonicMs() = 0;
    // The current time of day in the user's time format ("21:04:05").
    [[nodiscard]] virtual std::string timeOfDayText() = 0;
};

class Locale {
public:
    virtual ~Locale() = default;
    [[nodiscard]] virtual std::string decimalSeparator() = 0;
    [[nodiscard]] virtual std::string thousandsSeparator() = 0;
};

}  // namespace platform
