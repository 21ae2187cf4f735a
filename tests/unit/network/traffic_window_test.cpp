// The traffic window, opened as the tray menu opens it, on a machine table shaped like real Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/process_control.h"
#include "fakes/test_world.h"
#include "forms/control_layout.h"
#include "network/traffic_window.h"
#include "shell/network_window.h"
#include "shell/registration.h"

using sparvane::network::TrafficWindow;

namespace {

platform::InterfaceRow ifRow(std::uint32_t index, std::uint32_t type, const char* alias, const char* description,
                             bool hardware, bool filter = false) {
    platform::InterfaceRow r;
    r.index = index;
    r.type = type;
    r.alias = alias;
    r.description = description;
    r.hardware = hardware;
    r.filter = filter;
    return r;
}

}  // namespace

struct TrafficWindowTest : testing::Test {
    TrafficWindowTest() {
        sparvane::shell::registerForms(world.ctx);
        // A laptop on Wi-Fi with WSL: the adapter and two of its filter rows with its counts,
        // loopback, a tunnel and a virtual adapter.
        world.interfaceTable.rows = {
            ifRow(7, 71, "Wi-Fi", "Intel(R) Wi-Fi 6 AX201", true),
            ifRow(8, 71, "", "Intel(R) Wi-Fi 6 AX201-WFP Native MAC Layer LightWeight Filter-0000", true, true),
            ifRow(9, 71, "", "Intel(R) Wi-Fi 6 AX201-QoS Packet Scheduler-0000", false, true),
            ifRow(1, 24, "Loopback Pseudo-Interface 1", "Software Loopback Interface 1", false),
            ifRow(12, 131, "Teredo Tunneling Pseudo-Interface", "Microsoft Teredo Tunneling Adapter", false),
            ifRow(30, 6, "vEthernet (WSL)", "Hyper-V Virtual Ethernet Adapter", false),
        };
        for (std::size_t i = 0; i < 3; ++i) {
            world.interfaceTable.rows[i].octetsIn = 5'000'000;
            world.interfaceTable.rows[i].octetsOut = 400'000;
        }
        (void)world.app.form<sparvane::shell::NetworkWindow>();  // loaded at start-up; its timer ticks
    }
    // Bytes that cross the Wi-Fi adapter before the next tick: its filter rows count them
    // again, the tunnel and the virtual adapter carry some of them once more.
    void transfer(std::uint64_t in, std::uint64_t out) {
        for (std::size_t i = 0; i < 3; ++i) {
            world.interfaceTable.rows[i].octetsIn += in;
            world.interfaceTable.rows[i].octetsOut += out;
        }
        world.interfaceTable.rows[3].octetsIn += 3 * in;
        world.interfaceTable.rows[4].octetsIn += in / 10;
        world.interfaceTable.rows[5].octetsIn += in / 2;
    }
    TrafficWindow& open() {
        auto& w = world.app.form<TrafficWindow>();
        w.show();
        return w;
    }
    bool logged(const std::string& entry) const {
        const auto& log = world.backend.windowLog;
        return std::find(log.begin(), log.end(), entry) != log.end();
    }

    fakes::TestWorld world;
};

TEST_F(TrafficWindowTest, ShowsTheMetersFiguresTotalsRecordsAndVerdictsAtOnceAndLive) {
    world.locale.decimal = ",";
    world.locale.thousands = ".";
    world.backend.advance(3000);  // six quiet ticks, the first the baseline; the record tracker starts
    transfer(617'200, 25'000);
    world.backend.advance(500);  // 3500: 617,200 bytes in 500 ms
    auto& w = open();            // between two ticks: the last one is shown at once
    EXPECT_EQ(w.download.now.caption(), "1234,4");
    EXPECT_EQ(w.download.kilobits.caption(), "9875,2");
    EXPECT_EQ(w.download.highest.caption(), "0");  // the tracker's first sample comes at 3700
    EXPECT_EQ(w.receivedSinceStart.caption(), "617.200");

    transfer(308'600, 0);
    world.backend.advance(500);  // 4000; the tracker took 1234.4 and 50 at 3700
    EXPECT_EQ(w.download.now.caption(), "617,2");
    EXPECT_EQ(w.download.kilobits.caption(), "4937,6");
    EXPECT_EQ(w.download.highest.caption(), "1234,4");
    EXPECT_EQ(w.upload.now.caption(), "0");
    EXPECT_EQ(w.upload.highest.caption(), "50");
    const auto& downloads = w.download.chart.data();
    const auto& uploads = w.upload.chart.data();
    EXPECT_DOUBLE_EQ(downloads[199], 617.2);  // the newest bar, with the one before among the others
    EXPECT_DOUBLE_EQ(*std::max_element(downloads.begin(), downloads.end()), 1234.4);
    EXPECT_DOUBLE_EQ(*std::max_element(uploads.begin(), uploads.end()), 50);
    EXPECT_EQ(w.receivedSinceStart.caption(), "925.800");
    EXPECT_EQ(w.sentSinceStart.caption(), "25.000");
    EXPECT_EQ(w.receivedInAll.caption(), "5.925.800");  // the adapter's count at the baseline and since
    EXPECT_EQ(w.sentInAll.caption(), "425.000");
    EXPECT_EQ(w.interfaceList.text(),
              "Wi-Fi (Intel(R) Wi-Fi 6 AX201): counted\n"
              "Intel(R) Wi-Fi 6 AX201-WFP Native MAC Layer LightWeight Filter-0000: not counted (filter)\n"
              "Intel(R) Wi-Fi 6 AX201-QoS Packet Scheduler-0000: not counted (filter)\n"
              "Loopback Pseudo-Interface 1 (Software Loopback Interface 1): not counted (loopback)\n"
              "Teredo Tunneling Pseudo-Interface (Microsoft Teredo Tunneling Adapter): not counted (tunnel)\n"
              "vEthernet (WSL) (Hyper-V Virtual Ethernet Adapter): not counted (virtual adapter)");
}

TEST_F(TrafficWindowTest, ClosingHidesAndKeepsItLiveWhileCodeAndSessionEndUnloadIt) {
    world.backend.advance(500);
    auto& w = open();
    EXPECT_EQ(w.caption(), "Traffic");
    w.userClose();  // close box, Alt+F4
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(world.app.loadedForm<TrafficWindow>(), &w);
    EXPECT_FALSE(logged("destroy:frmTraffic"));
    transfer(1'000, 0);
    world.backend.advance(500);
    EXPECT_EQ(w.download.now.caption(), "2");  // 1000 bytes in 500 ms, while hidden

    sparvane::common::unloadAllForms(world.app);  // the program's exit
    EXPECT_EQ(world.app.loadedForm<TrafficWindow>(), nullptr);
    EXPECT_TRUE(logged("destroy:frmTraffic"));
    open();
    world.app.endSession();
    EXPECT_EQ(world.app.loadedForm<TrafficWindow>(), nullptr);
}

TEST_F(TrafficWindowTest, ATickWhileItIsNotLoadedLoadsNothing) {
    sparvane::shell::startProgram(world.ctx);
    world.backend.advance(5000);
    EXPECT_EQ(world.app.loadedForm<TrafficWindow>(), nullptr);
    EXPECT_FALSE(logged("create:frmTraffic"));
}

namespace {

// Every control lies inside its frame, or the client area, and no two side by side overlap.
void expectLaidOutInside(const TrafficWindow& w, double tpp, const std::string& when) {
    const forms::PixelRect client{0, 0, forms::twipsToPixels(w.scaleWidth(), tpp),
                                  forms::twipsToPixels(w.scaleHeight(), tpp)};
    EXPECT_GE(w.scaleWidth(), TrafficWindow::kMinClientWidth - tpp) << when;
    EXPECT_GE(w.scaleHeight(), TrafficWindow::kMinClientHeight - tpp) << when;
    for (const auto& c : w.controls()) {
        const forms::PixelRect r = forms::clientRectOf(*c, tpp, tpp);
        const forms::PixelRect outer = c->container() ? forms::clientRectOf(*c->container(), tpp, tpp) : client;
        EXPECT_TRUE(r.left >= outer.left && r.top >= outer.top && r.right <= outer.right && r.bottom <= outer.bottom &&
                    r.right > r.left && r.bottom > r.top)
            << c->qualifiedName() << " " << when;
        for (const auto& other : w.controls()) {
            if (other.get() == c.get() || other->container() != c->container()) continue;
            const forms::PixelRect o = forms::clientRectOf(*other, tpp, tpp);
            EXPECT_FALSE(r.left < o.right && o.left < r.right && r.top < o.bottom && o.top < r.bottom)
                << c->qualifiedName() << " overlaps " << other->qualifiedName() << " " << when;
        }
    }
}

}  // namespace

class TrafficWindowLayout : public TrafficWindowTest, public testing::WithParamInterface<int> {};

TEST_P(TrafficWindowLayout, ControlsFollowResizingInsideTheClientArea) {
    const double tpp = 1440.0 / GetParam();
    world.backend.twipsPerPixel = tpp;
    auto& w = open();
    expectLaidOutInside(w, tpp, "as opened");
    const int sizes[][2] = {{1500, 850}, {700, 600}, {200, 150}, {560, 2000}};
    for (const auto& px : sizes) {
        // The user drags the frame: the system reports the new size.
        const double frameWidth = w.width() - w.scaleWidth(), frameHeight = w.height() - w.scaleHeight();
        w.backendGeometry(w.left(), w.top(), px[0] * tpp, px[1] * tpp, px[0] * tpp - frameWidth,
                          px[1] * tpp - frameHeight, forms::WindowState::Normal, true);
        expectLaidOutInside(w, tpp, std::to_string(px[0]) + "x" + std::to_string(px[1]) + " px");
    }
    w.setWindowState(forms::WindowState::Maximized);
    expectLaidOutInside(w, tpp, "maximized");
    w.setWindowState(forms::WindowState::Normal);
    world.backend.twipsPerPixel = tpp * 96 / 144;  // moved to a monitor at 1.5 times the DPI
    world.backend.changeDisplay();
    expectLaidOutInside(w, tpp * 96 / 144, "after the DPI change");
}
INSTANTIATE_TEST_SUITE_P(Dpi, TrafficWindowLayout, testing::Values(96, 144),
                         [](const auto& testCase) { return std::to_string(testCase.param) + "dpi"; });
