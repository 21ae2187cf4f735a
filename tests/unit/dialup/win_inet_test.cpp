#include "dialup/win_inet.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_dialup.h"
#include "fakes/fake_registry.h"

namespace {

using sparvane::dialup::kRemoteAccessKey;
using sparvane::dialup::kRemoteConnectionValue;
using sparvane::dialup::WinInet;

struct WinInetTest : ::testing::Test {
    fakes::FakeDialup dialer;
    fakes::FakeRegistry registry;
    WinInet inet{dialer, registry};
    int made = 0, closed = 0;

    WinInetTest() {
        inet.ConnectionMade = [this] { ++made; };
        inet.ConnectionClosed = [this] { ++closed; };
    }
    void setRemoteConnection(std::uint32_t value) { registry.keys[kRemoteAccessKey][kRemoteConnectionValue] = value; }
};

// ---- ListDUNs ----

struct ListCase {
    const char* label;
    std::vector<std::string> phoneBook;
    bool fillWhenTooSmall;
    std::vector<std::string> expectedNames;  // empty: compare only the count below
    std::size_t expectedCount;
    std::uint32_t expectedReported;
};

std::vector<std::string> numbered(int n) {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) v.push_back("Entry " + std::to_string(i));
    return v;
}

struct ListDUNsTest : WinInetTest, ::testing::WithParamInterface<ListCase> {};

TEST_P(ListDUNsTest, ListsNamesInSystemOrderAndReportsTheTotal) {
    const ListCase& c = GetParam();
    dialer.entries = c.phoneBook;
    dialer.fillWhenTooSmall = c.fillWhenTooSmall;
    std::vector<std::string> list{"left over"};
    inet.ListDUNs(list);

    ASSERT_EQ(list.size(), c.expectedCount);
    if (!c.expectedNames.empty()) EXPECT_EQ(list, c.expectedNames);
    if (c.expectedCount == 0) EXPECT_EQ(list.capacity(), 0u);
    if (c.expectedCount > 0 && c.expectedNames.empty()) {
        EXPECT_EQ(list.front(), "Entry 0");
        EXPECT_EQ(list.back(), "Entry " + std::to_string(c.expectedCount - 1));
    }
    EXPECT_EQ(inet.EntriesInPhoneBook(), c.expectedReported);
    // The system is always handed 256 records of 264 bytes, only the first one sized.
    EXPECT_EQ(dialer.enumByteCountIn, 264u * 256u);
    EXPECT_EQ(dialer.enumFirstRecordSize, 264u);
}

const std::string kLongName(256, 'N');

INSTANTIATE_TEST_SUITE_P(
    PhoneBooks, ListDUNsTest,
    ::testing::Values(
        ListCase{"Empty", {}, true, {}, 0, 0},
        ListCase{"Ordered", {"Work", "Home", "Backup"}, true, {"Work", "Home", "Backup"}, 3, 3},
        ListCase{"NameOf256CharactersWhole", {kLongName}, true, {kLongName}, 1, 1},
        ListCase{"BytesAfterNulDropped", {std::string("ISP\0junk", 8)}, true, {"ISP"}, 1, 1},
        ListCase{"AnsiCodePageConverted", {"Caf\xE9"}, true, {"Caf\xC3\xA9"}, 1, 1},
        ListCase{"Exactly256", numbered(256), true, {}, 256, 256},
        ListCase{"MoreThan256FilledAsFar", numbered(300), true, {}, 256, 300},
        ListCase{"MoreThan256NothingWritten", numbered(300), false, {}, 0, 300}),
    [](const auto& info) { return std::string(info.param.label); });

// ---- Connected ----

struct ConnectedCase {
    const char* label;
    bool keyExists;
    std::optional<std::uint32_t> value;
    bool expected;
};

struct ConnectedTest : WinInetTest, ::testing::WithParamInterface<ConnectedCase> {};

TEST_P(ConnectedTest, FollowsTheRemoteConnectionValue) {
    const ConnectedCase& c = GetParam();
    if (c.keyExists) registry.keys[kRemoteAccessKey];
    if (c.value) setRemoteConnection(*c.value);
    EXPECT_EQ(inet.Connected(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(RegistryStates, ConnectedTest,
                         ::testing::Values(ConnectedCase{"NoKey", false, std::nullopt, false},
                                           ConnectedCase{"NoValue", true, std::nullopt, false},
                                           ConnectedCase{"Zero", true, 0u, false},
                                           ConnectedCase{"One", true, 1u, true},
                                           ConnectedCase{"HighByteOnly", true, 0x01000000u, true}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(WinInetTest, ConnectedIgnoresTheObjectsOwnConnection) {
    ASSERT_EQ(inet.StartDUN(1, "ISP"), 0);
    EXPECT_FALSE(inet.Connected());
}

// ---- StartDUN ----

TEST_F(WinInetTest, SuccessfulDialRaisesConnectionMadeBeforeReturning) {
    int madeSeenInsideCall = -1;
    inet.ConnectionMade = [&] { madeSeenInsideCall = static_cast<int>(dialer.dialCalls.size()); ++made; };
    EXPECT_EQ(inet.StartDUN(0x1234, "My ISP"), 0);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(madeSeenInsideCall, 1);
    ASSERT_EQ(dialer.dialCalls.size(), 1u);
    EXPECT_EQ(dialer.dialCalls[0].owner, 0x1234u);
    EXPECT_EQ(dialer.dialCalls[0].entry, "My ISP");
    EXPECT_EQ(dialer.dialCalls[0].flags, 2u);
}

TEST_F(WinInetTest, FailedDialReturnsTheCodeRaisesNothingAndHoldsNoConnection) {
    dialer.dialResult = 623;
    EXPECT_EQ(inet.StartDUN(1, "ISP"), 623);
    EXPECT_EQ(made, 0);
    EXPECT_EQ(inet.HangUp(), -1);
    EXPECT_TRUE(dialer.hungUp.empty());
}

TEST_F(WinInetTest, FailedRedialDropsTheHandleOfTheEarlierConnection) {
    ASSERT_EQ(inet.StartDUN(1, "ISP"), 0);
    dialer.dialResult = 678;
    EXPECT_EQ(inet.StartDUN(1, "ISP"), 678);
    EXPECT_EQ(inet.HangUp(), -1);
    EXPECT_TRUE(dialer.hungUp.empty());
}

struct BlockCase {
    const char* label;
    std::optional<std::uint32_t> remoteConnection;
    bool heldConnection;
    bool blocked;
};

struct StartDunBlockTest : WinInetTest, ::testing::WithParamInterface<BlockCase> {};

TEST_P(StartDunBlockTest, RefusesOnlyWhenRegistryAndHandleBothSayConnected) {
    const BlockCase& c = GetParam();
    if (c.heldConnection) ASSERT_EQ(inet.StartDUN(1, "First"), 0);
    if (c.remoteConnection) setRemoteConnection(*c.remoteConnection);
    const std::size_t dialsBefore = dialer.dialCalls.size();
    const int madeBefore = made;

    const std::int32_t r = inet.StartDUN(1, "Second");
    if (c.blocked) {
        EXPECT_EQ(r, -1);
        EXPECT_EQ(dialer.dialCalls.size(), dialsBefore);
        EXPECT_EQ(made, madeBefore);
    } else {
        EXPECT_EQ(r, 0);
        EXPECT_EQ(dialer.dialCalls.size(), dialsBefore + 1);
        EXPECT_EQ(made, madeBefore + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(States, StartDunBlockTest,
                         ::testing::Values(BlockCase{"RegistryAndHandle", 1u, true, true},
                                           BlockCase{"RegistryOnly", 1u, false, false},
                                           BlockCase{"HandleOnlyValueZero", 0u, true, false},
                                           BlockCase{"HandleOnlyNoValue", std::nullopt, true, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(WinInetTest, RedialReplacesTheHandleWithoutHangingUp) {
    ASSERT_EQ(inet.StartDUN(1, "ISP"), 0);  // handle 0xC0
    ASSERT_EQ(inet.StartDUN(1, "ISP"), 0);  // handle 0xC1, 0xC0 is lost
    EXPECT_TRUE(dialer.hungUp.empty());
    EXPECT_EQ(inet.HangUp(), 0);
    EXPECT_EQ(dialer.hungUp, std::vector<std::uint32_t>{0xC1});
}

// ---- HangUp ----

TEST_F(WinInetTest, HangUpWithoutConnectionDoesNothing) {
    EXPECT_EQ(inet.HangUp(), -1);
    EXPECT_EQ(closed, 0);
    EXPECT_TRUE(dialer.hungUp.empty());
}

TEST_F(WinInetTest, HangUpClosesTheDialledConnectionOnce) {
    ASSERT_EQ(inet.StartDUN(1, "ISP"), 0);
    EXPECT_EQ(inet.HangUp(), 0);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(dialer.hungUp, std::vector<std::uint32_t>{0xC0});
    EXPECT_EQ(inet.HangUp(), -1);
    EXPECT_EQ(closed, 1);
}

TEST_F(WinInetTest, FailedHangUpStillClearsTheHandleAndRaisesClosed) {
    ASSERT_EQ(inet.StartDUN(1, "ISP"), 0);
    dialer.hangUpResult = 668;
    EXPECT_EQ(inet.HangUp(), 668);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(inet.HangUp(), -1);
    EXPECT_EQ(dialer.hungUp.size(), 1u);
}

// ---- Release ----

struct ReleaseCase {
    const char* label;
    bool disconnectOnTerminate;
    bool dialled;
    bool hangsUp;
};

struct ReleaseTest : ::testing::TestWithParam<ReleaseCase> {};

TEST_P(ReleaseTest, HangsUpOnlyWhenAskedAndHoldingAConnection) {
    const ReleaseCase& c = GetParam();
    fakes::FakeDialup dialer;
    fakes::FakeRegistry registry;
    int closed = 0;
    {
        WinInet inet(dialer, registry);
        EXPECT_FALSE(inet.DisconnectOnTerminate());
        inet.DisconnectOnTerminate(c.disconnectOnTerminate);
        EXPECT_EQ(inet.DisconnectOnTerminate(), c.disconnectOnTerminate);
        inet.ConnectionClosed = [&] { ++closed; };
        if (c.dialled) ASSERT_EQ(inet.StartDUN(1, "ISP"), 0);
        dialer.hangUpResult = 5;  // ignored on release
    }
    EXPECT_EQ(dialer.hungUp, c.hangsUp ? std::vector<std::uint32_t>{0xC0} : std::vector<std::uint32_t>{});
    EXPECT_EQ(closed, 0);
}

INSTANTIATE_TEST_SUITE_P(Flags, ReleaseTest,
                         ::testing::Values(ReleaseCase{"FlagAndConnection", true, true, true},
                                           ReleaseCase{"FlagWithoutConnection", true, false, false},
                                           ReleaseCase{"ConnectionWithoutFlag", false, true, false}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
