#include "dialup/dialer.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/fake_dialup.h"
#include "fakes/fake_registry.h"

// Dialling, hang-up, release and the log texts are pinned through the panel
// (dialup_panel_test); these cover what the panel cannot see.
namespace {

using sparvane::dialup::Dialer;

struct DialerTest : ::testing::Test {
    fakes::FakeDialup dialer;
    fakes::FakeRegistry registry;
    Dialer inet{dialer, registry};
    int made = 0;

    DialerTest() {
        inet.onConnectionMade = [this] { ++made; };
    }
    void setRemoteConnection(std::uint32_t value) {
        registry.keys[sparvane::dialup::kRemoteAccessKey][sparvane::dialup::kRemoteConnectionValue] = value;
    }
};

struct PhoneBook {
    const char* label;
    std::vector<std::string> phoneBook;
    std::vector<std::string> expected;
    friend void PrintTo(const PhoneBook& c, std::ostream* os) { *os << c.label; }
};
struct ListEntriesTest : DialerTest, ::testing::WithParamInterface<PhoneBook> {};

TEST_P(ListEntriesTest, GivesTheNamesAsTheSystemWroteThem) {
    const auto& [label, phoneBook, expected] = GetParam();
    dialer.entries = phoneBook;
    EXPECT_EQ(inet.listEntries(), expected);
    EXPECT_EQ(inet.entriesInPhoneBook(), phoneBook.size());
    // The system is always handed 256 records of 264 bytes, only the first one sized.
    EXPECT_EQ(dialer.enumByteCountIn, 264u * 256u);
    EXPECT_EQ(dialer.enumFirstRecordSize, 264u);
}

INSTANTIATE_TEST_SUITE_P(PhoneBooks, ListEntriesTest,
                         ::testing::Values(PhoneBook{"Empty", {}, {}},
                                           PhoneBook{"BytesAfterNulDropped", {std::string("ISP\0junk", 8)}, {"ISP"}},
                                           PhoneBook{"AnsiCodePageConverted", {"Caf\xE9"}, {"Caf\xC3\xA9"}},
                                           PhoneBook{"Exactly256", {256, "Entry"}, {256, "Entry"}}),
                         [](const auto& testCase) { return std::string(testCase.param.label); });

// With a connection of our own held; Remote Access up with nothing held is the panel's
// AlreadyConnected. isConnected() follows Remote Access alone; a second dial needs both to refuse.
using RegistryState = std::tuple<std::string, bool, std::optional<std::uint32_t>, bool, bool>;
struct StateTest : DialerTest, ::testing::WithParamInterface<RegistryState> {};

TEST_P(StateTest, ConnectedFollowsTheRegistryAndStartDunRefusesOnlyWhenBothSaySo) {
    const auto& [name, keyExists, value, connected, blocked] = GetParam();
    if (keyExists) registry.keys[sparvane::dialup::kRemoteAccessKey];
    ASSERT_EQ(inet.dial(1, "First"), 0);
    if (value) setRemoteConnection(*value);
    EXPECT_EQ(inet.isConnected(), connected);
    EXPECT_EQ(inet.dial(1, "Second"), blocked ? -1 : 0);
    const int dials = blocked ? 1 : 2;
    EXPECT_EQ(dialer.dialCalls.size(), static_cast<std::size_t>(dials));
    EXPECT_EQ(made, dials);
}

INSTANTIATE_TEST_SUITE_P(RegistryStates, StateTest,
                         ::testing::Values(RegistryState{"NoKey", false, std::nullopt, false, false},
                                           RegistryState{"NoValue", true, std::nullopt, false, false},
                                           RegistryState{"Zero", true, 0u, false, false},
                                           RegistryState{"HighByteOnly", true, 0x01000000u, true, true}),
                         [](const auto& testCase) { return std::string(std::get<0>(testCase.param)); });

TEST_F(DialerTest, RedialReplacesTheHandleAndAFailedOneDropsIt) {
    ASSERT_EQ(inet.dial(1, "ISP"), 0);  // handle 0xC0
    ASSERT_EQ(inet.dial(1, "ISP"), 0);  // handle 0xC1, 0xC0 is lost without a hang-up
    EXPECT_EQ(inet.hangUp(), 0);
    EXPECT_EQ(dialer.hungUp, std::vector<std::uint32_t>{0xC1});
    ASSERT_EQ(inet.dial(1, "ISP"), 0);  // handle 0xC2
    dialer.dialResult = 678;
    EXPECT_EQ(inet.dial(1, "ISP"), 678);
    EXPECT_EQ(made, 3);
    EXPECT_EQ(inet.hangUp(), -1);  // the failed dial left nothing to hang up
    EXPECT_EQ(dialer.hungUp.size(), 1u);
}

}  // namespace
