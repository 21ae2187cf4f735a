#pragma once
// Last input time, clock, locale separators and system error texts.
#include "platform/desktop.h"

namespace win32 {

class LastInputWin32 final : public platform::LastInput {
public:
    [[nodiscard]] std::optional<std::uint32_t> lastInputTick() override;
};

class ClockWin32 final : public platform::Clock {
public:
    [[nodiscard]] std::uint32_t tickCount() override;
    [[nodiscard]] std::uint64_t monotonicMs() override;
    [[nodiscard]] std::string timeOfDayText() override;
};

class LocaleWin32 final : public platform::Locale {
public:
    [[nodiscard]] std::string decimalSeparator() override;
    [[nodiscard]] std::string thousandsSeparator() override;
};

}  // namespace win32
