#include <gtest/gtest.h>

#include "fakes/test_world.h"
#include "network/interfaces.h"
#include "network/ip_helper.h"

struct IpHelperTest : testing::Test {
    IpHelperTest() {
        fakes::FakeInterfaceRow lo, eth;
        lo.type = 24;
        lo.octetsIn = lo.octetsOut = 1000;
        eth.octetsIn = 5000;
        eth.octetsOut = 700;
        eth.operStatus = 2;  // down, still counted
        world.interfaceTable.rows = {lo, eth};
    }
    fakes::TestWorld world;
    sparvane::network::CIpHelper helper{world.interfaceTable, world.app};
};

TEST_F(IpHelperTest, EveryReadingAsksForTheSizeThenReadsAFreshTable) {
    EXPECT_EQ(helper.Interfaces().Count(), 2u);
    EXPECT_EQ(world.interfaceTable.sizeQueries, 1);
    EXPECT_EQ(world.interfaceTable.calls, 2);
    EXPECT_EQ(helper.BytesReceived(), 6000u);
    EXPECT_EQ(helper.BytesSent(), 1700u);
    world.interfaceTable.rows.pop_back();
    world.interfaceTable.rows[0].octetsIn = 10;
    EXPECT_EQ(helper.Interfaces().Count(), 1u);
    EXPECT_EQ(helper.BytesReceived(), 10u);
    EXPECT_EQ(helper.BytesSent(), 1000u);
}

TEST_F(IpHelperTest, FailedOrOutgrownReadingEndsSilentlyWithNothingCounted) {
    (void)helper.Interfaces();
    world.interfaceTable.fillResult = 31;
    EXPECT_EQ(helper.Interfaces().Count(), 0u);
    EXPECT_EQ(helper.BytesReceived(), 0u);
    world.interfaceTable.fillResult = 0;
    world.interfaceTable.afterSizeQuery = [&] {
        if (world.interfaceTable.rows.size() < 3) world.interfaceTable.rows.push_back({});
    };
    EXPECT_EQ(helper.Interfaces().Count(), 0u);  // the table grew between the two calls
    EXPECT_EQ(helper.BytesSent(), 0u);
    EXPECT_EQ(helper.Interfaces().Count(), 3u);  // the next reading sees the grown table
    EXPECT_TRUE(world.backend.messages.empty());
}
