#include <gtest/gtest.h>

#include <tuple>

#include "fakes/fake_interface_table.h"
#include "network/if_table_parser.h"

using fakes::FakeInterfaceTable;
using platform::InterfaceRow;

namespace {
std::vector<InterfaceRow> parse(const std::vector<std::uint8_t>& bytes) {
    return sparvane::network::parseInterfaceTable(bytes.data(), bytes.size());
}
auto counters(const InterfaceRow& r) {
    return std::tie(r.index, r.type, r.up, r.receiveLinkSpeed, r.transmitLinkSpeed, r.lastChange, r.octetsIn,
                    r.unicastIn, r.nonUnicastIn, r.octetsOut, r.unicastOut, r.nonUnicastOut, r.description);
}
}  // namespace

TEST(IfTableParser, ReadsEveryFieldOfEveryRowFromItsOwnOffset) {
    // A distinct value in every field of every row: a wrong row offset or field shows.
    std::vector<InterfaceRow> rows(300);
    for (std::uint32_t r = 0; r < rows.size(); ++r) {
        const std::uint32_t base = 1000 * (r + 1);
        auto& row = rows[r];
        row.index = base + 1, row.type = base + 2, row.up = r % 2 == 0;
        row.receiveLinkSpeed = row.transmitLinkSpeed = base + 3;
        row.octetsIn = 4000000000u - r, row.unicastIn = base + 5, row.nonUnicastIn = base + 6;
        row.octetsOut = base + 7, row.unicastOut = base + 8, row.nonUnicastOut = base + 9;
        row.lastChange = base + 10;
        row.description = "Adapter #" + std::to_string(r);
    }
    const auto parsed = parse(FakeInterfaceTable::serialize(rows));
    ASSERT_EQ(parsed.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(counters(parsed[r]), counters(rows[r])) << r;
        ASSERT_FALSE(parsed[r].hardware || parsed[r].filter) << "the old table has no flags";
    }
}

TEST(IfTableParser, MalformedTablesAreNeverReadPastTheBuffer) {
    auto bytes = FakeInterfaceTable::serialize(std::vector<InterfaceRow>(3));
    bytes[0] = bytes[1] = bytes[2] = bytes[3] = 0xFF;  // claims 4 billion rows
    bytes.resize(bytes.size() - 1);                    // and the last row is cut
    EXPECT_EQ(parse(bytes).size(), 2u);
    EXPECT_EQ(sparvane::network::parseInterfaceTable(bytes.data(), 3).size(), 0u);
    EXPECT_EQ(sparvane::network::parseInterfaceTable(nullptr, 0).size(), 0u);
}

TEST(IfTableParser, DescriptionIsCutToItsLengthAndBoundedByItsField) {
    using sparvane::network::if_row::kDescrLen;
    InterfaceRow row;
    row.description = std::string(256, 'a');
    auto bytes = FakeInterfaceTable::serialize({row, row, row});
    const auto setLength = [&](std::size_t r, std::uint32_t n) {
        for (int k = 0; k < 4; ++k) bytes[4 + r * 860 + kDescrLen + k] = static_cast<std::uint8_t>(n >> (8 * k));
    };
    setLength(0, 8);
    setLength(1, 0x80000000u);  // negative as the signed field reads it
    setLength(2, 100000);
    const auto parsed = parse(bytes);
    EXPECT_EQ(parsed[0].description, "aaaaaaaa");
    EXPECT_EQ(parsed[1].description, "");
    EXPECT_EQ(parsed[2].description, std::string(256, 'a'));
}

TEST(Windows1252, MapsEverySingleByteToItsCharacter) {
    const std::uint8_t bytes[] = {'A', 0x80, 0x8A, 0x81, 0x9F, 0xA0, 0xE9, 0xFF, 0};
    EXPECT_EQ(sparvane::network::windows1252ToUtf8(bytes, sizeof bytes),
              std::string("A\xE2\x82\xAC\xC5\xA0\xC2\x81\xC5\xB8\xC2\xA0\xC3\xA9\xC3\xBF\0", 17));
}
