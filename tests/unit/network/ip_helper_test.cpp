#include <gtest/gtest.h>

#include "fakes/test_world.h"
#include "network/interfaces.h"
#include "network/ip_helper.h"

using sparvane::network::CInterface;
using sparvane::network::CInterfaces;
using sparvane::network::CIpHelper;

TEST(CInterfaces, AddTakesTheRecordAndEmptiesTheCallersReference) {
    CInterfaces list;
    auto first = std::make_unique<CInterface>();
    first->InterfaceIndex = 1;
    CInterface* added = list.Add(std::move(first));
    EXPECT_EQ(first, nullptr);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->InterfaceIndex, 1);
    auto second = std::make_unique<CInterface>();
    second->InterfaceIndex = 2;
    list.Add(std::move(second));
    auto third = std::make_unique<CInterface>();
    third->InterfaceIndex = 3;
    list.Add(std::move(third));

    EXPECT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.Item(1), added);
    EXPECT_EQ(list.Item(0), nullptr);
    EXPECT_EQ(list.Item(4), nullptr);
    EXPECT_TRUE(list.Remove(2));
    EXPECT_FALSE(list.Remove(3));
    std::vector<int> order;
    for (const CInterface& i : list) order.push_back(i.InterfaceIndex);
    EXPECT_EQ(order, (std::vector<int>{1, 3}));
    EXPECT_EQ(list.Add(nullptr), nullptr);
    EXPECT_EQ(list.Count(), 2u);
}

class IpHelperTest : public testing::Test {
protected:
    IpHelperTest() {
        fakes::FakeInterfaceRow lo, eth;
        lo.type = 24;
        lo.octetsIn = 1000;
        lo.octetsOut = 1000;
        eth.octetsIn = 5000;
        eth.octetsOut = 700;
        eth.operStatus = 2;  // down, still counted
        world.interfaceTable.rows = {lo, eth};
    }
    fakes::TestWorld world;
    CIpHelper helper{world.interfaceTable, world.app};
};

TEST_F(IpHelperTest, AReadingAsksForTheSizeThenReadsTheTable) {
    EXPECT_EQ(helper.BytesReceived(), 0u);
    const auto& list = helper.Interfaces();
    EXPECT_EQ(world.interfaceTable.calls, 2);
    EXPECT_EQ(world.interfaceTable.sizeQueries, 1);
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(helper.BytesReceived(), 6000u);
    EXPECT_EQ(helper.BytesSent(), 1700u);
}

TEST_F(IpHelperTest, EveryReadingIsFreshAndRecomputesTheTotals) {
    (void)helper.Interfaces();
    world.interfaceTable.addTraffic(1, 250, 50);
    world.interfaceTable.rows.pop_back();
    world.interfaceTable.rows[0].octetsIn = 10;
    const auto& list = helper.Interfaces();
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(helper.BytesReceived(), 10u);
    EXPECT_EQ(helper.BytesSent(), 1000u);
}

TEST_F(IpHelperTest, FailedTableCallEndsTheReadingSilentlyWithNothingCounted) {
    (void)helper.Interfaces();
    world.interfaceTable.fillResult = 31;
    EXPECT_EQ(helper.Interfaces().Count(), 0u);
    EXPECT_EQ(helper.BytesReceived(), 0u);
    EXPECT_EQ(helper.BytesSent(), 0u);
    EXPECT_TRUE(world.backend.messages.empty());
}

TEST_F(IpHelperTest, TableGrowingBetweenTheTwoCallsEndsTheReadingSilently) {
    world.interfaceTable.afterSizeQuery = [&] {
        if (world.interfaceTable.rows.size() < 3) world.interfaceTable.rows.push_back({});
    };
    EXPECT_EQ(helper.Interfaces().Count(), 0u);
    EXPECT_EQ(helper.BytesReceived(), 0u);
    EXPECT_TRUE(world.backend.messages.empty());
    EXPECT_EQ(helper.Interfaces().Count(), 3u);  // the next reading sees the grown table
}

TEST_F(IpHelperTest, MissingIpHelperIsReportedOncePerRun) {
    world.interfaceTable.notSupported = true;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(helper.Interfaces().Count(), 0u);
    ASSERT_EQ(world.backend.messages.size(), 1u);
    EXPECT_EQ(world.backend.messages[0].text, "IP Helper is not supported by this system.");
    EXPECT_EQ(world.backend.messages[0].style, forms::msgbox::kOkOnly);
    EXPECT_EQ(world.backend.messages[0].title, "Sparvane");
    EXPECT_EQ(world.interfaceTable.calls, 5);  // only the size query each time
    EXPECT_EQ(helper.BytesReceived(), 0u);
}

TEST_F(IpHelperTest, MalformedTableFromTheServiceIsReadOnlyAsFarAsItGoes) {
    auto bytes = fakes::FakeInterfaceTable::serialize(world.interfaceTable.rows);
    bytes[0] = 9;  // claims 9 rows, holds 2
    world.interfaceTable.rawTable = bytes;
    EXPECT_EQ(helper.Interfaces().Count(), 2u);
    EXPECT_EQ(helper.BytesReceived(), 6000u);
}
