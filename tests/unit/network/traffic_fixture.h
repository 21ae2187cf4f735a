#pragma once
// The traffic monitor in the program's own network window (Form3, loaded but not shown, so
// its first activation does not bring up the other windows), and the widget it feeds, on
// the headless runtime.
#include <gtest/gtest.h>

#include "fakes/test_world.h"
#include "network/traffic_monitor.h"
#include "shell/form1.h"
#include "shell/form3.h"
#include "shell/registration.h"

namespace traffic_test {

class TrafficTest : public testing::Test {
protected:
    TrafficTest() {
        sparvane::shell::registerForms(world.ctx);
        fakes::FakeInterfaceRow lo, eth;
        lo.type = 24;
        lo.description = "Loopback";
        eth.index = 2;
        eth.description = "Ethernet";
        eth.octetsIn = 10'000;  // a machine that has been on line a while
        eth.octetsOut = 1'000;
        world.interfaceTable.rows = {lo, eth};
    }

    sparvane::shell::Form3& window() { return world.app.form<sparvane::shell::Form3>(); }
    sparvane::network::TrafficMonitor& monitor() { return window().traffic(); }
    sparvane::shell::Form1& widget() { return world.app.form<sparvane::shell::Form1>(); }
    // One 500 ms tick of the virtual clock (the window must be loaded), coming lateMs late.
    void tick(std::int64_t lateMs = 0) {
        world.clock.stalledMs += lateMs;
        world.backend.advance(500);
    }
    // Bytes that arrive on the Ethernet row before the next tick.
    void traffic(std::uint32_t in, std::uint32_t out = 0) { world.interfaceTable.addTraffic(1, in, out); }

    fakes::TestWorld world;
};

}  // namespace traffic_test
