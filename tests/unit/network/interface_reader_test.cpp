#include <gtest/gtest.h>

#include "fakes/test_world.h"
#include "network/interface_reader.h"

struct InterfaceReaderTest : testing::Test {
    InterfaceReaderTest() {
        platform::InterfaceRow eth;
        eth.index = 2;
        eth.hardware = true;
        eth.octetsIn = 5'000'000'000u;  // past 32 bits
        world.interfaceTable.rows = {eth};
    }
    fakes::TestWorld world;
    sparvane::network::InterfaceReader reader{world.interfaceTable, world.app};
};

TEST_F(InterfaceReaderTest, ReadsTheExtendedTableWithItsWideCountersAndFlags) {
    const auto& r = reader.read();
    ASSERT_TRUE(r.ok && r.extended);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0].octetsIn, 5'000'000'000u);
    EXPECT_TRUE(r.rows[0].hardware);
    EXPECT_EQ(world.interfaceTable.calls, 1);  // one call, no size query
}

TEST_F(InterfaceReaderTest, WithoutGetIfTable2TheOldTableIsReadForTheRestOfTheRun) {
    world.interfaceTable.extended = false;
    for (int i = 0; i < 3; ++i) {
        const auto& r = reader.read();
        ASSERT_TRUE(r.ok);
        EXPECT_FALSE(r.extended);
        EXPECT_EQ(r.rows.at(0).octetsIn, 5'000'000'000u % (1ull << 32));  // the old table's 32 bits
        EXPECT_FALSE(r.rows[0].hardware);
    }
    // GetIfTable2 asked once; then size query and read per reading.
    EXPECT_EQ(world.interfaceTable.calls, 1 + 3 * 2);
}

TEST_F(InterfaceReaderTest, FailedReadingsHaveNoRowsAndTheNextOneRecovers) {
    world.interfaceTable.fillResult = 31;
    EXPECT_FALSE(reader.read().ok);
    EXPECT_TRUE(reader.last().rows.empty());
    world.interfaceTable.fillResult = 0;
    EXPECT_TRUE(reader.read().ok);

    world.interfaceTable.extended = false;
    world.interfaceTable.afterSizeQuery = [&] {
        if (world.interfaceTable.rows.size() < 3) world.interfaceTable.rows.push_back({});
    };
    EXPECT_FALSE(reader.read().ok);  // the table grew between the size query and the read
    EXPECT_EQ(reader.read().rows.size(), 3u);
    EXPECT_TRUE(world.backend.messages.empty());
}
