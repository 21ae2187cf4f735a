#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/desktop.h"

namespace fakes {

class FakeLastInput : public platform::LastInput {
public:
    std::optional<std::uint32_t> tick = 0;  // nullopt makes the query fail
    int queries = 0;
    std::optional<std::uint32_t> lastInputTick() override {
        ++queries;
        return tick;
    }
};

class FakeClock : public platform::Clock {
public:
    std::uint32_t ticks = 0;
    std::string timeText = "12:00:00";
    // Each tickCount read advances the clock by this much (a busy-wait must end).
    std::uint32_t autoAdvance = 0;
    std::uint32_t tickCount() override {
        const std::uint32_t t = ticks;
        ticks += autoAdvance;
        return t;
    }
    std::string timeOfDayText() override { return timeText; }
    // The monotonic clock follows the headless backend's virtual clock (TestWorld connects
    // it), plus stalledMs: time that passed while no timer could run (a busy thread, a
    // machine that slept).
    std::function<std::int64_t()> virtualTime;
    std::int64_t stalledMs = 0;
    std::uint64_t monotonicMs() override {
        return static_cast<std::uint64_t>((virtualTime ? virtualTime() : 0) + stalledMs);
    }
};

class FakeLocale : public platform::Locale {
public:
    std::string decimal = ".";
    std::string thousands = ",";
    std::string decimalSeparator() override { return decimal; }
    std::string thousandsSeparator() override { return thousands; }
};

}  // namespace fakes
