#include "dialup/win_inet.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_dialup.h"
#include "fakes/fake_registry.h"

// Dialling, hang-up, release and the log texts are pinned through the panel
// (dialup_panel_test); these cover what the panel cannot see.
namespace {

using sparvane::dialup::WinInet;

struct WinInetTest : ::testing::Test {
    fakes::FakeDialup dialer;
    fakes::FakeRegistry registry;
    WinInet inet{dialer, registry};
    int made = 0;

    WinInetTest() { inet.ConnectionMade = [this] { ++made; }; }
    void setRemoteConnection(std::uint32_t value) {
        registry.keys[sparvane::dialup::kRemoteAccessKey][sparvane::dialup::kRemoteConnectionValue] = value;
    }
};

// ---- ListDUNs ----

struct ListCase {
    const char* label;
    std::vector<std::string> phoneBook;
    std::vector<std::string> expected;
    friend void PrintTo(const ListCase& c, std::ostream* os) { *os << c.label; }
};

struct ListDUNsTest : WinInetTest, ::testing::WithParamInterface<ListCase> {};

TEST_P(ListDUNsTest, ReplacesTheListWithTheNamesAsTheSystemWroteThem) {
    dialer.entries = GetParam().phoneBook;
    std::vector<std::string> list{"left over"};
    inet.ListDUNs(list);
    EXPECT_EQ(list, GetParam().expected);
    if (list.empty()) {
        EXPECT_EQ(list.capacity(), 0u);  // no entries: no storage either
    }
    EXPECT_EQ(inet.EntriesInPhoneBook(), GetParam().phoneBook.size());
    // The system is always handed 256 records of 264 bytes, only the first one sized.
    EXPECT_EQ(dialer.enumByteCountIn, 264u * 256u);
    EXPECT_EQ(dialer.enumFirstRecordSize, 264u);
}

INSTANTIATE_TEST_SUITE_P(
    PhoneBooks, ListDUNsTest,
    ::testing::Values(ListCase{"Empty", {}, {}}, ListCase{"BytesAfterNulDropped", {std::string("ISP\0junk", 8)}, {"ISP"}},
                      ListCase{"AnsiCodePageConverted", {"Caf\xE9"}, {"Caf\xC3\xA9"}},
                      ListCase{"Exactly256", {256, "Entry"}, {256, "Entry"}}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

// ---- Connected and the already-connected refusal ----

struct StateCase {
    const char* label;
    bool keyExists;
    std::optional<std::uint32_t> value;
    bool heldConnection;
    bool connected;  // Remote Access alone decides
    bool blocked;    // needs Remote Access and a connection of our own
    friend void PrintTo(const StateCase& c, std::ostream* os) { *os << c.label; }
};

struct StateTest : WinInetTest, ::testing::WithParamInterface<StateCase> {};

TEST_P(StateTest, ConnectedFollowsTheRegistryAndStartDunRefusesOnlyWhenBothSaySo) {
    const StateCase& c = GetParam();
    if (c.keyExists) registry.keys[sparvane::dialup::kRemoteAccessKey];
    if (c.heldConnection) {
        ASSERT_EQ(inet.StartDUN(1, "First"), 0);
    }
    if (c.value) setRemoteConnection(*c.value);
    EXPECT_EQ(inet.Connected(), c.connected);
    EXPECT_EQ(inet.StartDUN(1, "Second"), c.blocked ? -1 : 0);
    const int dials = (c.heldConnection ? 1 : 0) + (c.blocked ? 0 : 1);
    EXPECT_EQ(dialer.dialCalls.size(), static_cast<std::size_t>(dials));
    EXPECT_EQ(made, dials);
}

INSTANTIATE_TEST_SUITE_P(RegistryStates, StateTest,
                         ::testing::Values(StateCase{"NoKey", false, std::nullopt, true, false, false},
                                           StateCase{"NoValue", true, std::nullopt, true, false, false},
                                           StateCase{"Zero", true, 0u, true, false, false},
                                           StateCase{"OneAndHeld", true, 1u, true, true, true},
                                           StateCase{"OneNotHeld", true, 1u, false, true, false},
                                           StateCase{"HighByteOnlyAndHeld", true, 0x01000000u, true, true, true}),
                         [](const auto& testCase) { return std::string(testCase.param.label); });

// ---- StartDUN ----

TEST_F(WinInetTest, RedialReplacesTheHandleAndAFailedOneDropsIt) {
    ASSERT_EQ(inet.StartDUN(1, "ISP"), 0);  // handle 0xC0
    ASSERT_EQ(inet.StartDUN(1, "ISP"), 0);  // handle 0xC1, 0xC0 is lost without a hang-up
    EXPECT_EQ(inet.HangUp(), 0);
    EXPECT_EQ(dialer.hungUp, std::vector<std::uint32_t>{0xC1});
    ASSERT_EQ(inet.StartDUN(1, "ISP"), 0);  // handle 0xC2
    dialer.dialResult = 678;
    EXPECT_EQ(inet.StartDUN(1, "ISP"), 678);
    EXPECT_EQ(made, 3);
    EXPECT_EQ(inet.HangUp(), -1);  // the failed dial left nothing to hang up
    EXPECT_EQ(dialer.hungUp.size(), 1u);
}

}  // namespace
