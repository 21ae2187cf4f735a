#include "dialup/dialer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
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
                         ::testing::Values(PhoneBook{"BytesAfterNulDropped", {std::string("ISP\0junk", 8)}, {"ISP"}},
                                           PhoneBook{"AnsiCodePageConverted", {"Caf\xE9"}, {"Caf\xC3\xA9"}}),
                         [](const auto& testCase) { return std::string(testCase.param.label); });

// Remote Access down (0) with a connection of our own held does not refuse a redial.
TEST_F(DialerTest, RedialReplacesTheHandleAndAFailedOneDropsIt) {
    registry.keys[sparvane::dialup::kRemoteAccessKey][sparvane::dialup::kRemoteConnectionValue] = 0;
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
