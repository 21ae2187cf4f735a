#pragma once
// A headless program with every form registered.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "cleaning/event_pacer.h"
#include "fakes/test_world.h"
#include "shell/registration.h"

namespace cleaning_test {

struct CleaningWorld : fakes::TestWorld {
    static constexpr const char* kTemp = "C:\\Users\\Tester\\AppData\\Local\\Temp";
    static constexpr const char* kRecent = "C:\\Users\\Tester\\AppData\\Roaming\\Microsoft\\Windows\\Recent";

    sparvane::cleaning::EventPacing pacing{app, clock, ctx.orderlyExit};

    CleaningWorld() {
        sparvane::shell::registerForms(ctx);
        clock.autoAdvance = 1;  // the pause after a run must come to an end
    }
};

struct CleaningTest : ::testing::Test {
    static constexpr std::uint64_t kKilobyte = 1024;
    CleaningWorld w;
    const std::string temp = CleaningWorld::kTemp;
    const std::string recent = CleaningWorld::kRecent;
};

}  // namespace cleaning_test
