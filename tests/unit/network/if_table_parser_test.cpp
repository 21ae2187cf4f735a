#include <gtest/gtest.h>

#include <cstring>

#include "fakes/fake_interface_table.h"
#include "network/if_table_parser.h"

using fakes::FakeInterfaceRow;
using fakes::FakeInterfaceTable;
using sparvane::network::adapterAddressText;
using sparvane::network::parseInterfaceTable;
using sparvane::network::windows1252ToUtf8;

namespace {

FakeInterfaceRow fullRow() {
    FakeInterfaceRow r;
    r.name = u"\\DEVICE\\TCPIP_{Ł}";
    r.index = 7;
    r.type = 24;
    r.mtu = 65536;
    r.speed = 3000000000u;
    r.physicalAddress = {0, 26, 43, 3, 4, 5};
    r.adminStatus = 1;
    r.operStatus = 5;
    r.lastChange = 12345;
    r.octetsIn = 3000000000u;
    r.unicastIn = 11;
    r.nonUnicastIn = 12;
    r.discardsIn = 13;
    r.errorsIn = 14;
    r.unknownProtos = 15;
    r.octetsOut = 21;
    r.unicastOut = 22;
    r.nonUnicastOut = 23;
    r.discardsOut = 24;
    r.errorsOut = 25;
    r.outQueueLength = 26;
    r.description = "Loopback \xE9\x80";
    return r;
}

}  // namespace

TEST(IfTableParser, ReadsEveryFieldOfARow) {
    const auto bytes = FakeInterfaceTable::serialize({fullRow()});
    const auto reading = parseInterfaceTable(bytes.data(), bytes.size());
    ASSERT_EQ(reading.interfaces.Count(), 1u);
    const auto& i = *reading.interfaces.Item(1);
    std::u16string name = u"\\DEVICE\\TCPIP_{Ł}";
    name.resize(256, u'\0');
    EXPECT_EQ(i.InterfaceName, name);
    EXPECT_EQ(i.InterfaceName.size(), 256u);
    EXPECT_EQ(i.InterfaceIndex, 7);
    EXPECT_EQ(i.InterfaceType, 24);
    EXPECT_EQ(i.MaximumTransmissionUnit, 65536);
    EXPECT_EQ(i.Speed, -1294967296);
    EXPECT_EQ(i.AdapterAddress, "00-1A-2B-3-4-5");
    EXPECT_EQ(i.AdminStatus, 1);
    EXPECT_EQ(i.OperationalStatus, 5);
    EXPECT_EQ(i.LastChange, 0.0);  // never read from the table
    EXPECT_EQ(i.OctetsReceived, -1294967296);
    EXPECT_EQ(i.UnicastPacketsReceived, 11);
    EXPECT_EQ(i.NonunicastPacketsReceived, 12);
    EXPECT_EQ(i.DiscardedIncomingPackets, 13);
    EXPECT_EQ(i.IncomingErrors, 14);
    EXPECT_EQ(i.UnknownProtocolPackets, 15);
    EXPECT_EQ(i.OctetsSent, 21);
    EXPECT_EQ(i.UnicastPacketsSent, 22);
    EXPECT_EQ(i.NonunicastPacketsSent, 23);
    EXPECT_EQ(i.DiscardedOutgoingPackets, 24);
    EXPECT_EQ(i.OutgoingErrors, 25);
    EXPECT_EQ(i.OutputQueueLength, 26);
    EXPECT_EQ(i.InterfaceDescription, "Loopback \xC3\xA9\xE2\x82\xAC");  // é, €
    // The totals come from the unsigned counters, not from the signed fields.
    EXPECT_EQ(reading.bytesReceived, 3000000000u);
    EXPECT_EQ(reading.bytesSent, 21u);
}

TEST(IfTableParser, EveryRowOfABigTableIsReadFromItsOwnOffsetAndCountedOnce) {
    std::vector<FakeInterfaceRow> rows(300);
    std::uint64_t in = 0, out = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k].index = static_cast<std::uint32_t>(k + 1);
        rows[k].octetsIn = 4000000000u - static_cast<std::uint32_t>(k);  // each near the top
        rows[k].octetsOut = static_cast<std::uint32_t>(k * 1000);
        rows[k].type = k == 0 ? 24 : 6;                   // loopback first
        rows[k].operStatus = k % 2 ? 5 : 2;               // half of them down
        in += rows[k].octetsIn;
        out += rows[k].octetsOut;
    }
    const auto bytes = FakeInterfaceTable::serialize(rows);
    const auto reading = parseInterfaceTable(bytes.data(), bytes.size());
    ASSERT_EQ(reading.interfaces.Count(), 300u);
    int expected = 1;
    for (const auto& i : reading.interfaces) EXPECT_EQ(i.InterfaceIndex, expected++);
    // Far beyond what 32 bits hold: every row counts, none is skipped.
    EXPECT_EQ(reading.bytesReceived, in);
    EXPECT_EQ(reading.bytesSent, out);
}

TEST(IfTableParser, EmptyTableGivesNoRecordsAndZeroTotals) {
    const auto bytes = FakeInterfaceTable::serialize({});
    const auto reading = parseInterfaceTable(bytes.data(), bytes.size());
    EXPECT_EQ(reading.interfaces.Count(), 0u);
    EXPECT_EQ(reading.bytesReceived, 0u);
    EXPECT_EQ(reading.bytesSent, 0u);
}

TEST(IfTableParser, RowCountBeyondTheBufferReadsOnlyCompleteRows) {
    std::vector<FakeInterfaceRow> rows(3);
    for (auto& r : rows) r.octetsIn = 100;
    auto bytes = FakeInterfaceTable::serialize(rows);
    bytes[0] = 0xFF, bytes[1] = 0xFF, bytes[2] = 0xFF, bytes[3] = 0xFF;  // claims 4 billion rows
    bytes.resize(bytes.size() - 1);                                      // and the last row is cut
    const auto reading = parseInterfaceTable(bytes.data(), bytes.size());
    EXPECT_EQ(reading.interfaces.Count(), 2u);
    EXPECT_EQ(reading.bytesReceived, 200u);
}

TEST(IfTableParser, BufferShorterThanTheCountIsAnEmptyReading) {
    const std::uint8_t bytes[3] = {1, 0, 0};
    EXPECT_EQ(parseInterfaceTable(bytes, sizeof bytes).interfaces.Count(), 0u);
    EXPECT_EQ(parseInterfaceTable(nullptr, 0).interfaces.Count(), 0u);
}

TEST(IfTableParser, DescriptionIsCutToItsLengthAndBoundedByItsField) {
    FakeInterfaceRow cut, negative, huge;
    cut.description = "Ethernet adapter";
    cut.descriptionLength = 8;
    negative.description = "x";
    negative.descriptionLength = 0x80000000u;  // negative as the signed field reads it
    huge.description = std::string(256, 'a');
    huge.descriptionLength = 100000;
    const auto bytes = FakeInterfaceTable::serialize({cut, negative, huge});
    const auto reading = parseInterfaceTable(bytes.data(), bytes.size());
    EXPECT_EQ(reading.interfaces.Item(1)->InterfaceDescription, "Ethernet");
    EXPECT_EQ(reading.interfaces.Item(2)->InterfaceDescription, "");
    EXPECT_EQ(reading.interfaces.Item(3)->InterfaceDescription, std::string(256, 'a'));
}

struct AddressCase {
    std::vector<std::uint8_t> bytes;
    std::int32_t length;
    const char* text;
};

class AdapterAddress : public testing::TestWithParam<AddressCase> {};

TEST_P(AdapterAddress, FollowsTheTextRule) {
    std::uint8_t field[8] = {};
    std::memcpy(field, GetParam().bytes.data(), GetParam().bytes.size());
    EXPECT_EQ(adapterAddressText(field, GetParam().length), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdapterAddress,
    testing::Values(AddressCase{{0, 26, 43, 3, 4, 5}, 6, "00-1A-2B-3-4-5"},
                    AddressCase{{0, 0, 0, 0, 0, 1}, 6, "00-00-00-00-00-1"},
                    AddressCase{{10, 171, 255, 16}, 4, "A-AB-FF-10"},
                    AddressCase{{1, 2, 3, 4, 5, 6}, 0, ""},
                    AddressCase{{1, 2}, -1, ""},
                    AddressCase{{1, 2, 3, 4, 5, 6, 7, 8}, 8, "1-2-3-4-5-6-7-8"},
                    // only the 8 bytes of the field exist; a longer length adds nothing
                    AddressCase{{1, 2, 3, 4, 5, 6, 7, 8}, 20, "1-2-3-4-5-6-7-8"}));

TEST(IfTableParser, AddressLengthInTheRowDrivesTheText) {
    FakeInterfaceRow none, long_;
    none.physicalAddress = {1, 2, 3};
    none.physicalAddressLength = 0;
    long_.physicalAddress = {0xAA, 0, 0xB, 1, 2, 3, 4, 5};
    long_.physicalAddressLength = 32;
    const auto bytes = FakeInterfaceTable::serialize({none, long_});
    const auto reading = parseInterfaceTable(bytes.data(), bytes.size());
    EXPECT_EQ(reading.interfaces.Item(1)->AdapterAddress, "");
    EXPECT_EQ(reading.interfaces.Item(2)->AdapterAddress, "AA-00-B-1-2-3-4-5");
}

TEST(Windows1252, MapsEverySingleByteToItsCharacter) {
    const std::uint8_t bytes[] = {'A', 0x80, 0x8A, 0x81, 0x9F, 0xA0, 0xE9, 0xFF, 0};
    EXPECT_EQ(windows1252ToUtf8(bytes, sizeof bytes),
              std::string("A\xE2\x82\xAC\xC5\xA0\xC2\x81\xC5\xB8\xC2\xA0\xC3\xA9\xC3\xBF\0", 17));
}
