#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "fakes/fake_interface_table.h"
#include "network/if_table_parser.h"

using fakes::FakeInterfaceRow;
using fakes::FakeInterfaceTable;
using sparvane::network::CInterface;
using sparvane::network::InterfaceReading;

namespace {

InterfaceReading parse(const std::vector<FakeInterfaceRow>& rows) {
    const auto bytes = FakeInterfaceTable::serialize(rows);
    return sparvane::network::parseInterfaceTable(bytes.data(), bytes.size());
}

// Each 32-bit field of a row and the record member it lands in.
const std::pair<std::uint32_t FakeInterfaceRow::*, std::int32_t CInterface::*> kFields[] = {
    {&FakeInterfaceRow::index, &CInterface::InterfaceIndex},
    {&FakeInterfaceRow::type, &CInterface::InterfaceType},
    {&FakeInterfaceRow::mtu, &CInterface::MaximumTransmissionUnit},
    {&FakeInterfaceRow::speed, &CInterface::Speed},
    {&FakeInterfaceRow::adminStatus, &CInterface::AdminStatus},
    {&FakeInterfaceRow::operStatus, &CInterface::OperationalStatus},
    {&FakeInterfaceRow::octetsIn, &CInterface::OctetsReceived},
    {&FakeInterfaceRow::unicastIn, &CInterface::UnicastPacketsReceived},
    {&FakeInterfaceRow::nonUnicastIn, &CInterface::NonunicastPacketsReceived},
    {&FakeInterfaceRow::discardsIn, &CInterface::DiscardedIncomingPackets},
    {&FakeInterfaceRow::errorsIn, &CInterface::IncomingErrors},
    {&FakeInterfaceRow::unknownProtos, &CInterface::UnknownProtocolPackets},
    {&FakeInterfaceRow::octetsOut, &CInterface::OctetsSent},
    {&FakeInterfaceRow::unicastOut, &CInterface::UnicastPacketsSent},
    {&FakeInterfaceRow::nonUnicastOut, &CInterface::NonunicastPacketsSent},
    {&FakeInterfaceRow::discardsOut, &CInterface::DiscardedOutgoingPackets},
    {&FakeInterfaceRow::errorsOut, &CInterface::OutgoingErrors},
    {&FakeInterfaceRow::outQueueLength, &CInterface::OutputQueueLength},
};

}  // namespace

TEST(IfTableParser, ReadsEveryFieldOfEveryRowFromItsOwnOffsetAndCountsEveryRow) {
    // A distinct value in every field of every row: a wrong row offset or field shows.
    std::vector<FakeInterfaceRow> rows(300);
    std::uint64_t received = 0, sent = 0;
    for (std::uint32_t r = 0; r < rows.size(); ++r) {
        for (std::uint32_t f = 0; f < std::size(kFields); ++f) rows[r].*kFields[f].first = 1000 * (r + 1) + f;
        rows[r].octetsIn = 4000000000u - r;  // the totals go far beyond 32 bits
        rows[r].operStatus = r % 2 ? 5 : 2;  // interfaces that are down count too
        rows[r].lastChange = 77 + r;
        received += rows[r].octetsIn;
        sent += rows[r].octetsOut;
    }
    rows[1].speed = 3000000000u;
    rows[1].name = u"\\DEVICE\\TCPIP_{Ł}";
    rows[1].physicalAddress = {0, 26, 43, 3, 4, 5};
    rows[1].description = "Loopback \xE9\x80";
    const auto reading = parse(rows);
    ASSERT_EQ(reading.interfaces.Count(), rows.size());
    EXPECT_TRUE(reading.interfaces.Item(0) == nullptr && reading.interfaces.Item(rows.size() + 1) == nullptr);
    for (std::uint32_t r = 0; r < rows.size(); ++r)
        for (const auto& [rowField, recordField] : kFields)
            ASSERT_EQ(reading.interfaces.Item(r + 1)->*recordField, static_cast<std::int32_t>(rows[r].*rowField)) << r;
    // The counters the traffic figures come from, unsigned, the time of last change included.
    ASSERT_EQ(reading.counters.size(), rows.size());
    for (std::uint32_t r = 0; r < rows.size(); ++r) {
        const auto& c = reading.counters[r];
        const auto& row = rows[r];
        ASSERT_EQ(std::tie(c.index, c.type, c.lastChange, c.octetsIn, c.unicastIn, c.nonUnicastIn, c.octetsOut,
                           c.unicastOut, c.nonUnicastOut),
                  std::tie(row.index, row.type, row.lastChange, row.octetsIn, row.unicastIn, row.nonUnicastIn,
                           row.octetsOut, row.unicastOut, row.nonUnicastOut))
            << r;
    }
    EXPECT_EQ(reading.bytesReceived, received);  // from the unsigned counters
    EXPECT_EQ(reading.bytesSent, sent);
    const CInterface& i = *reading.interfaces.Item(2);
    EXPECT_EQ(i.Speed, -1294967296);  // the signed 32-bit fields hold the bits as they are
    std::u16string name = u"\\DEVICE\\TCPIP_{Ł}";
    name.resize(256, u'\0');
    EXPECT_EQ(i.InterfaceName, name);
    EXPECT_EQ(i.AdapterAddress, "00-1A-2B-3-4-5");
    EXPECT_EQ(i.InterfaceDescription, "Loopback \xC3\xA9\xE2\x82\xAC");  // é, €
    EXPECT_EQ(i.LastChange, 0.0);                                        // never read from the table
}

TEST(IfTableParser, MalformedTablesAreNeverReadPastTheBuffer) {
    std::vector<FakeInterfaceRow> rows(3);
    for (auto& r : rows) r.octetsIn = 100;
    auto bytes = FakeInterfaceTable::serialize(rows);
    bytes[0] = bytes[1] = bytes[2] = bytes[3] = 0xFF;  // claims 4 billion rows
    bytes.resize(bytes.size() - 1);                    // and the last row is cut
    const auto reading = sparvane::network::parseInterfaceTable(bytes.data(), bytes.size());
    EXPECT_EQ(reading.interfaces.Count(), 2u);
    EXPECT_EQ(reading.bytesReceived, 200u);
    EXPECT_EQ(sparvane::network::parseInterfaceTable(bytes.data(), 3).interfaces.Count(), 0u);
    EXPECT_EQ(sparvane::network::parseInterfaceTable(nullptr, 0).interfaces.Count(), 0u);
    EXPECT_EQ(parse({}).interfaces.Count(), 0u);
}

TEST(IfTableParser, DescriptionIsCutToItsLengthAndBoundedByItsField) {
    FakeInterfaceRow cut, negative, huge;
    cut.description = "Ethernet adapter";
    cut.descriptionLength = 8;
    negative.description = "x";
    negative.descriptionLength = 0x80000000u;  // negative as the signed field reads it
    huge.description = std::string(256, 'a');
    huge.descriptionLength = 100000;
    const auto reading = parse({cut, negative, huge});
    EXPECT_EQ(reading.interfaces.Item(1)->InterfaceDescription, "Ethernet");
    EXPECT_EQ(reading.interfaces.Item(2)->InterfaceDescription, "");
    EXPECT_EQ(reading.interfaces.Item(3)->InterfaceDescription, std::string(256, 'a'));
}

using Address = std::tuple<std::string, std::vector<std::uint8_t>, std::int32_t, std::string>;
class AdapterAddress : public testing::TestWithParam<Address> {};

TEST_P(AdapterAddress, FollowsTheTextRule) {
    const auto& [name, bytes, length, text] = GetParam();
    std::uint8_t field[8] = {};
    std::memcpy(field, bytes.data(), bytes.size());
    EXPECT_EQ(sparvane::network::adapterAddressText(field, length), text);
}

INSTANTIATE_TEST_SUITE_P(Cases, AdapterAddress,
                         testing::Values(Address{"FourBytesInHex", {10, 171, 255, 16}, 4, "A-AB-FF-10"},
                                         Address{"NoLength", {1, 2}, 0, ""}, Address{"NegativeLength", {1, 2}, -1, ""},
                                         // only the 8 bytes of the field exist; a longer length adds nothing
                                         Address{
                                             "LengthBeyondTheField", {1, 2, 3, 4, 5, 6, 7, 8}, 20, "1-2-3-4-5-6-7-8"}),
                         [](const auto& testCase) { return std::string(std::get<0>(testCase.param)); });

TEST(Windows1252, MapsEverySingleByteToItsCharacter) {
    const std::uint8_t bytes[] = {'A', 0x80, 0x8A, 0x81, 0x9F, 0xA0, 0xE9, 0xFF, 0};
    EXPECT_EQ(sparvane::network::windows1252ToUtf8(bytes, sizeof bytes),
              std::string("A\xE2\x82\xAC\xC5\xA0\xC2\x81\xC5\xB8\xC2\xA0\xC3\xA9\xC3\xBF\0", 17));
}
