#include "dialup/dialup_panel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cleaning/form2.h"
#include "cleaning/frm_main.h"
#include "fakes/test_world.h"
#include "shell/registration.h"

namespace {

using sparvane::dialup::DialupPanel;
using sparvane::dialup::kRemoteAccessKey;
using sparvane::dialup::kRemoteConnectionValue;

// A window that carries the panel the way the network window does: prepared in
// Initialize, released in QueryUnload.
class HostWindow : public forms::Form {
public:
    explicit HostWindow(sparvane::Context& ctx) : forms::Form(ctx.app, "Form3"), panel(*this, ctx) {}
    void Form_Initialize() override { panel.prepare(); }
    void Form_QueryUnload(int&, int) override { panel.release(); }
    DialupPanel panel;
};

std::string log(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* l : lines) text += std::string(l) + "\r\n";
    return text;
}

struct PanelTest : ::testing::Test {
    fakes::TestWorld world;

    PanelTest() {
        auto& ctx = world.ctx;
        // The other windows come from the program's own registration: the clean-up
        // windows reach further windows of their own when shown.
        sparvane::shell::registerForms(ctx);
        world.app.registerForm<HostWindow>([&ctx] { return std::make_unique<HostWindow>(ctx); });
    }
    HostWindow& window() { return world.app.form<HostWindow>(); }
    DialupPanel& panel() { return window().panel; }
    void select(const std::string& name) {
        auto& list = panel().lstConnections;
        for (int i = 0; i < list.listCount(); ++i)
            if (list.list(i) == name) list.setListIndex(i);
    }
    void setRemoteConnection(std::uint32_t v) { world.registry.keys[kRemoteAccessKey][kRemoteConnectionValue] = v; }
};

// ---- Layout ----

struct PlacementCase {
    const char* control;
    double left, top, width, height;
    bool inFrame;
    const char* caption;
    forms::Font font;
    std::optional<forms::Color> foreColor;
};

const forms::Font kVerdana{"Verdana", 8.25, true, false};
const forms::Font kDefault{};

struct PanelLayoutTest : PanelTest, ::testing::WithParamInterface<PlacementCase> {};

TEST_P(PanelLayoutTest, ControlSitsAtItsDesignedPlace) {
    const PlacementCase& c = GetParam();
    forms::Control* control = window().findControl(c.control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->leftTwips(), c.left);
    EXPECT_EQ(control->topTwips(), c.top);
    EXPECT_EQ(control->widthTwips(), c.width);
    EXPECT_EQ(control->heightTwips(), c.height);
    EXPECT_EQ(control->container(), c.inFrame ? window().findControl("Frame7") : nullptr);
    EXPECT_EQ(control->font(), c.font);
    if (c.foreColor) EXPECT_EQ(control->foreColor(), *c.foreColor);
    if (auto* text = dynamic_cast<forms::TextControl*>(control); text && c.caption)
        EXPECT_EQ(text->caption(), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PanelLayoutTest,
    ::testing::Values(
        PlacementCase{"Frame7", 11280, 4680, 3975, 3135, false, "Active Connection(s)", kVerdana, {}},
        PlacementCase{"lstConnections", 120, 240, 3675, 615, true, nullptr, kVerdana, {}},
        PlacementCase{"txtStatus", 120, 1320, 3735, 1695, true, nullptr, kVerdana, {}},
        PlacementCase{"Command1", 15360, 4680, 2895, 615, false, "Settings", kVerdana, {}},
        PlacementCase{"cmdConnect", 15360, 5280, 2895, 495, false, "Connect", kVerdana, {}},
        PlacementCase{"cmdDisconnect", 15360, 5760, 2895, 495, false, "Disconnect", kVerdana, {}},
        PlacementCase{"Command9", 15360, 6240, 2895, 495, false, "Orvex Speed Browser", kVerdana, {}},
        PlacementCase{"Command5", 23160, 3600, 5175, 735, false, "Connect To Internet", kDefault, {}},
        PlacementCase{"Label14", 6840, 7920, 11355, 195, false, "Ready to connect", kDefault, forms::rgb(255, 255, 0)},
        PlacementCase{"Label15", 6720, 3720, 5325, 630, false, "Orvex Net Speed 3X",
                      forms::Font{"Verdana", 26.25, true, false}, forms::rgb(255, 255, 255)},
        PlacementCase{"Label18", 9000, 4320, 3015, 195, false, "Increase Dial-Up Internet Speed Up-To 3X", kDefault,
                      forms::rgb(255, 255, 128)},
        PlacementCase{"Label19", 15720, 4320, 2310, 195, false, "https://www.sparvane.example", kDefault,
                      forms::rgb(255, 255, 128)}),
    [](const auto& info) { return std::string(info.param.control); });

TEST_F(PanelTest, StatusLogIsAReadOnlyScrollingMultiLineBox) {
    const auto& status = panel().txtStatus;
    EXPECT_TRUE(status.multiLine());
    EXPECT_TRUE(status.verticalScrollBar());
    EXPECT_TRUE(status.locked());
}

// ---- Preparation ----

TEST_F(PanelTest, NoEntriesGiveAnEmptyListAndTheOneLog) {
    EXPECT_EQ(panel().lstConnections.listCount(), 0);
    EXPECT_EQ(panel().txtStatus.text(), log({"Class initialized."}));
    EXPECT_NE(panel().fInet(), nullptr);
}

TEST_F(PanelTest, EntriesAreListedInPhoneBookOrder) {
    world.dialup.entries = {"Work", "Home", std::string(256, 'x')};
    EXPECT_EQ(panel().lstConnections.items(), (std::vector<std::string>{"Work", "Home", std::string(256, 'x')}));
    EXPECT_EQ(panel().lstConnections.listIndex(), -1);
    EXPECT_EQ(panel().txtStatus.text(), log({"Class initialized."}));
}

TEST_F(PanelTest, EntriesBeyondTheBufferAreCountedInTheLog) {
    for (int i = 0; i < 300; ++i) world.dialup.entries.push_back("Entry " + std::to_string(i));
    EXPECT_EQ(panel().lstConnections.listCount(), 256);
    EXPECT_EQ(panel().lstConnections.list(255), "Entry 255");
    EXPECT_EQ(panel().txtStatus.text(), log({"Class initialized.", "44 more dial-up entries were not listed."}));
}

TEST_F(PanelTest, EntriesTheSystemDidNotWriteAreCountedNotListed) {
    world.dialup.fillWhenTooSmall = false;
    world.dialup.entries.assign(257, "Entry");
    EXPECT_EQ(panel().lstConnections.listCount(), 0);
    EXPECT_EQ(panel().txtStatus.text(), log({"Class initialized.", "257 more dial-up entries were not listed."}));
}

// ---- Connect ----

TEST_F(PanelTest, ConnectWithoutSelectionAsksForOneAndLogsNothing) {
    world.dialup.entries = {"ISP"};
    panel().cmdConnect.setValue(true);
    ASSERT_EQ(world.backend.messages.size(), 1u);
    EXPECT_EQ(world.backend.messages[0].text, "Please select a DUN from the listbox before selecting connect.");
    EXPECT_EQ(world.backend.messages[0].style, forms::msgbox::kExclamation);
    EXPECT_EQ(world.backend.messages[0].title, "Orvex Net Speed 3X");
    EXPECT_EQ(panel().txtStatus.text(), log({"Class initialized."}));
    EXPECT_TRUE(world.dialup.dialCalls.empty());
}

struct ConnectCase {
    const char* label;
    std::uint32_t dialResult;
    std::string expectedLog;
};

struct ConnectTest : PanelTest, ::testing::WithParamInterface<ConnectCase> {};

TEST_P(ConnectTest, LogsTheOutcomeOfTheDial) {
    world.dialup.entries = {"Home", "My ISP"};
    world.dialup.dialResult = GetParam().dialResult;
    select("My ISP");
    panel().cmdConnect.setValue(true);
    EXPECT_EQ(panel().txtStatus.text(), GetParam().expectedLog);
    ASSERT_EQ(world.dialup.dialCalls.size(), 1u);
    EXPECT_EQ(world.dialup.dialCalls[0].entry, "My ISP");
    EXPECT_EQ(world.dialup.dialCalls[0].owner, window().hWnd());
    EXPECT_NE(window().hWnd(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Results, ConnectTest,
    ::testing::Values(
        ConnectCase{"Dialled", 0, log({"Class initialized.", "Connection made event fired.", "Connection to My ISP made."})},
        ConnectCase{"Failed623", 623, log({"Class initialized.", "Error 623 attempting to connect to My ISP"})}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(PanelTest, SecondConnectWhileRemoteAccessReportsTheConnectionIsRefused) {
    world.dialup.entries = {"ISP"};
    select("ISP");
    panel().cmdConnect.setValue(true);
    setRemoteConnection(1);
    panel().cmdConnect.setValue(true);
    EXPECT_EQ(panel().txtStatus.text(), log({"Class initialized.", "Connection made event fired.",
                                             "Connection to ISP made.", "Already connected."}));
    EXPECT_EQ(world.dialup.dialCalls.size(), 1u);
}

TEST_F(PanelTest, LogKeepsTheCaretAtTheEnd) {
    panel().cmdDisconnect.setValue(true);
    EXPECT_EQ(panel().txtStatus.selStart(), panel().txtStatus.text().size());
    EXPECT_EQ(panel().txtStatus.selLength(), 0u);
}

// ---- Disconnect ----

TEST_F(PanelTest, DisconnectBeforeAnyConnectLeavesTheLabelAlone) {
    panel().cmdDisconnect.setValue(true);
    EXPECT_EQ(panel().txtStatus.text(), log({"Class initialized.", "No connection made yet."}));
    EXPECT_EQ(panel().Label14.caption(), "Ready to connect");
    EXPECT_EQ(panel().Label14.foreColor(), forms::rgb(255, 255, 0));
}

TEST_F(PanelTest, ConnectThenDisconnectTwice) {
    world.dialup.entries = {"ISP"};
    select("ISP");
    panel().cmdConnect.setValue(true);
    panel().cmdDisconnect.setValue(true);
    EXPECT_EQ(panel().Label14.caption(), "You are Disconnected From the Internet.");
    EXPECT_EQ(panel().Label14.foreColor(), forms::rgb(255, 0, 0));
    panel().cmdDisconnect.setValue(true);
    EXPECT_EQ(panel().txtStatus.text(),
              log({"Class initialized.", "Connection made event fired.", "Connection to ISP made.",
                   "Connection closed event fired.", "Connection terminated.", "No connection made yet."}));
    EXPECT_EQ(panel().Label14.caption(), "You are Disconnected From the Internet.");
    EXPECT_EQ(world.dialup.hungUp, std::vector<std::uint32_t>{0xC0});
}

TEST_F(PanelTest, FailedHangUpIsLoggedAndTheConnectionForgotten) {
    world.dialup.entries = {"ISP"};
    world.dialup.hangUpResult = 668;
    select("ISP");
    panel().cmdConnect.setValue(true);
    panel().cmdDisconnect.setValue(true);
    panel().cmdDisconnect.setValue(true);
    EXPECT_EQ(panel().txtStatus.text(),
              log({"Class initialized.", "Connection made event fired.", "Connection to ISP made.",
                   "Connection closed event fired.", "Unable to terminate connection, error: 668",
                   "No connection made yet."}));
    EXPECT_EQ(panel().Label14.caption(), "Ready to connect");
}

// ---- Release ----

TEST_F(PanelTest, UnloadReleasesTheDialUpObjectWithoutLogging) {
    world.dialup.entries = {"ISP"};
    select("ISP");
    panel().cmdConnect.setValue(true);
    DialupPanel& p = panel();
    p.fInet()->DisconnectOnTerminate(true);
    const std::string before = p.txtStatus.text();
    ASSERT_TRUE(window().unload());
    EXPECT_EQ(p.fInet(), nullptr);
    EXPECT_EQ(world.dialup.hungUp, std::vector<std::uint32_t>{0xC0});
    EXPECT_EQ(p.txtStatus.text(), before);
}

TEST_F(PanelTest, UnloadLeavesTheConnectionUpByDefault) {
    world.dialup.entries = {"ISP"};
    select("ISP");
    panel().cmdConnect.setValue(true);
    DialupPanel& p = panel();
    ASSERT_TRUE(window().unload());
    EXPECT_EQ(p.fInet(), nullptr);
    EXPECT_TRUE(world.dialup.hungUp.empty());
}

// ---- Commands ----

TEST_F(PanelTest, SettingsShowsTheOneFolderCleanUpWindowInFront) {
    panel().Command1.setValue(true);
    panel().Command1.setValue(true);
    int instances = 0;
    for (auto* f : world.app.forms()) instances += f->name() == "Form2";
    EXPECT_EQ(instances, 1);
    EXPECT_EQ(world.backend.broughtToFront, (std::vector<std::string>{"Form2", "Form2"}));
}

TEST_F(PanelTest, ConnectToInternetShowsTheTempFileCleanUpWindow) {
    panel().Command5.setValue(true);
    auto* cleanUp = world.app.loadedForm<sparvane::cleaning::frmMain>();
    ASSERT_NE(cleanUp, nullptr);
    EXPECT_TRUE(cleanUp->visible());
}

TEST_F(PanelTest, BrowserStartsFromTheProgramsFolder) {
    panel().Command9.setValue(true);
    ASSERT_EQ(world.shell.calls.size(), 1u);
    const auto& call = world.shell.calls[0];
    EXPECT_EQ(call.file, "C:\\Program Files\\Sparvane\\om.exe");
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.show, 1);
    EXPECT_EQ(call.owner, window().hWnd());
    EXPECT_TRUE(world.backend.messages.empty());
}

TEST_F(PanelTest, MissingBrowserIsExplainedAndTheProgramGoesOn) {
    world.shell.result = 2;  // file not found
    panel().Command9.setValue(true);
    ASSERT_EQ(world.backend.messages.size(), 1u);
    EXPECT_EQ(world.backend.messages[0].text,
              "The browser om.exe could not be started.\r\n\r\nC:\\Program Files\\Sparvane\\om.exe\r\n\r\n"
              "The file was not found.");
    EXPECT_EQ(world.backend.messages[0].style, forms::msgbox::kInformation);
    EXPECT_EQ(world.backend.messages[0].title, "Sparvane");
    EXPECT_FALSE(world.backend.processEnded);
    EXPECT_NE(world.app.loadedForm<HostWindow>(), nullptr);
}

}  // namespace
