// The notification-area icon kept shown: at start-up before the taskbar exists, across an
// Explorer restart announced by "TaskbarCreated", and across one nobody announced.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/test_world.h"
#include "network/tray_entry.h"
#include "shell/network_window.h"
#include "shell/registration.h"
#include "started_network_window.h"

namespace {

struct TrayEntryTest : testing::Test {
    TrayEntryTest() {
        sparvane::shell::registerForms(world.ctx);
        platform::InterfaceRow eth;
        eth.index = 2;
        eth.hardware = true;
        eth.description = "Ethernet";
        world.interfaceTable.rows = {eth};
    }
    sparvane::shell::NetworkWindow& window() { return startedNetworkWindow(world.app); }
    void received(std::uint64_t bytes) { world.interfaceTable.rows[0].octetsIn += bytes; }
    long adds() const { return std::count(world.trayIcon.calls.begin(), world.trayIcon.calls.end(), "add"); }
    // The icon is shown with the version 4 events and the latest totals in its tip.
    void expectShownWithTip(const std::string& tip) {
        ASSERT_TRUE(world.trayIcon.entry);
        EXPECT_TRUE(world.trayIcon.version4);
        EXPECT_EQ(world.trayIcon.entry->tip, tip);
        EXPECT_TRUE(window().traffic().trayEntry().shown());
    }

    fakes::TestWorld world;
};

TEST_F(TrayEntryTest, BeforeTheTaskbarExistsTheIconIsTriedEveryFewSecondsUntilItTakes) {
    world.trayIcon.taskbarMissing = true;  // started from the Run key at logon
    window();
    EXPECT_FALSE(world.trayIcon.entry);
    received(1'000);
    world.backend.advance(sparvane::network::TrayEntry::kRetryMs);  // six ticks and a retry
    EXPECT_FALSE(world.trayIcon.entry);
    const long triesWhileMissing = adds();
    EXPECT_EQ(triesWhileMissing, 2);  // the load's and one retry, not one per tick

    world.trayIcon.taskbarMissing = false;  // the taskbar appears
    world.backend.advance(sparvane::network::TrayEntry::kRetryMs);
    expectShownWithTip("Bytes received: 1,000\r\n Bytes sent: ");
    world.backend.advance(10 * sparvane::network::TrayEntry::kRetryMs);
    EXPECT_EQ(adds(), triesWhileMissing + 1);  // taken: no more tries
}

TEST_F(TrayEntryTest, TaskbarCreatedAfterAnExplorerRestartAddsTheIconAgain) {
    window();
    received(2'000);
    world.backend.advance(500);
    world.trayIcon.loseTaskbar();
    world.trayIcon.taskbarMissing = false;  // the new Explorer is up and says so
    window().taskbarCreated();
    expectShownWithTip("Bytes received: 2,000\r\n Bytes sent: ");
}

TEST_F(TrayEntryTest, TaskbarCreatedWhileTheIconIsStillShownKeepsOneIcon) {
    window();
    window().taskbarCreated();  // also sent when nothing was lost (a DPI change, a test)
    expectShownWithTip("Bytes received: \r\n Bytes sent: ");
    EXPECT_FALSE(window().traffic().trayEntry().retryTimer.timerEnabled());
}

TEST_F(TrayEntryTest, AnIconLostWithoutAnnouncementComesBackWithinTheRetryTime) {
    window();
    world.trayIcon.loseTaskbar();
    world.backend.advance(500);  // the tick's tip refresh finds the icon gone
    EXPECT_FALSE(window().traffic().trayEntry().shown());
    world.trayIcon.taskbarMissing = false;  // Explorer back, its broadcast missed
    world.backend.advance(sparvane::network::TrayEntry::kRetryMs);
    ASSERT_TRUE(world.trayIcon.entry);
    EXPECT_TRUE(world.trayIcon.version4);
}

TEST_F(TrayEntryTest, OnceRemovedTheIconIsNotAddedAgain) {
    world.trayIcon.taskbarMissing = true;
    window();
    window().traffic().removeTrayIcon();  // the program is ending
    world.trayIcon.taskbarMissing = false;
    window().taskbarCreated();
    world.backend.advance(2 * sparvane::network::TrayEntry::kRetryMs);
    EXPECT_FALSE(world.trayIcon.entry);
}

}  // namespace
