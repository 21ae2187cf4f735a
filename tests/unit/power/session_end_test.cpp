#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/test_world.h"
#include "forms/types.h"
#include "shell/form3.h"
#include "shell/registration.h"

namespace {

// What the program does when Windows ends the session (after a power button, or any other
// log-off): every window unloads in the ordinary way, so the network window takes its
// notification-area entry away instead of leaving a dead icon behind.
class SessionEnd : public ::testing::Test {
protected:
    SessionEnd() {
        sparvane::shell::registerForms(world.ctx);
        sparvane::shell::startProgram(world.ctx);
    }
    fakes::TestWorld world;
};

TEST_F(SessionEnd, RemovesTheTrayEntryThroughTheNetworkWindowsUnloadHandlers) {
    ASSERT_NE(world.app.loadedForm<sparvane::shell::Form3>(), nullptr);
    ASSERT_TRUE(world.trayIcon.entry.has_value()) << "the running program shows its tray entry";
    world.trayIcon.calls.clear();

    world.app.endSession();

    EXPECT_FALSE(world.trayIcon.entry.has_value());
    // QueryUnload removes it; Unload and Terminate try again, harmlessly.
    EXPECT_EQ(world.trayIcon.calls, (std::vector<std::string>{"delete", "delete", "delete"}));
    EXPECT_EQ(world.app.loadedForm<sparvane::shell::Form3>(), nullptr);
    EXPECT_TRUE(world.app.forms().empty()) << "every window is unloaded";
    EXPECT_FALSE(world.backend.processEnded) << "the system ends the process, not the program";
}

TEST_F(SessionEnd, UnloadsEveryWindowNotJustTheNetworkWindow) {
    const std::size_t before = world.app.forms().size();
    ASSERT_GT(before, 0u);

    world.app.endSession();

    EXPECT_TRUE(world.app.forms().empty());
    EXPECT_EQ(world.backend.liveWindowCount(), 0u);
}

}  // namespace
