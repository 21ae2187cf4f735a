#pragma once
// A network window carrying only the traffic monitor, and the widget it feeds, on the
// headless runtime: the monitor is tested without the dial-up panel that shares its window.
#include <gtest/gtest.h>

#include "fakes/test_world.h"
#include "network/traffic_monitor.h"
#include "shell/form1.h"

namespace traffic_test {

class NetworkWindow : public forms::Form {
public:
    explicit NetworkWindow(sparvane::Context& ctx) : forms::Form(ctx.app, "Form3"), monitor(*this, ctx) {}
    void Form_Load() override { monitor.setUp(); }
    void Form_QueryUnload(int&, int) override { monitor.removeTrayIcon(); }
    sparvane::network::TrafficMonitor monitor;
};

class TrafficTest : public testing::Test {
protected:
    TrafficTest() {
        world.app.registerForm<NetworkWindow>([this] { return std::make_unique<NetworkWindow>(world.ctx); });
        world.app.registerForm<sparvane::shell::Form1>(
            [this] { return std::make_unique<sparvane::shell::Form1>(world.ctx); });
        fakes::FakeInterfaceRow lo, eth;
        lo.type = 24;
        lo.description = "Loopback";
        eth.index = 2;
        eth.description = "Ethernet";
        eth.octetsIn = 10'000;  // a machine that has been on line a while
        eth.octetsOut = 1'000;
        world.interfaceTable.rows = {lo, eth};
    }

    NetworkWindow& window() { return world.app.form<NetworkWindow>(); }
    sparvane::network::TrafficMonitor& monitor() { return window().monitor; }
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
