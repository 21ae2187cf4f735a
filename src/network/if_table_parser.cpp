#include "network/if_table_parser.h"

#include <algorithm>
#include <memory>

namespace sparvane::network {

namespace {

using namespace if_row;

// The table is little-endian whatever the host is.
std::uint32_t u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
// Bit for bit into the signed field (two's complement, defined since C++20).
std::int32_t s32(const std::uint8_t* p) { return static_cast<std::int32_t>(u32(p)); }

// Code points of 0x80..0x9F in Windows-1252. The five bytes the page leaves undefined
// map to the C1 control of the same value, as the system's conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::unique_ptr<CInterface> readRow(const std::uint8_t* row) {
    auto rec = std::make_unique<CInterface>();

    // The description is cut to as many characters as the row says it has; the field
    // holds 256, and a length that is not positive leaves the text empty.
    const std::int32_t descrLen = s32(row + kDescrLen);
    if (descrLen > 0)
        rec->InterfaceDescription =
            windows1252ToUtf8(row + kDescr, std::min<std::size_t>(static_cast<std::size_t>(descrLen), kDescrBytes));

    std::uint8_t address[8];
    std::copy_n(row + kPhysAddr, 8, address);
    rec->AdapterAddress = adapterAddressText(address, s32(row + kPhysAddrLen));

    rec->AdminStatus = s32(row + kAdminStatus);
    rec->InterfaceIndex = s32(row + kIndex);
    rec->DiscardedIncomingPackets = s32(row + kInDiscards);
    rec->IncomingErrors = s32(row + kInErrors);
    rec->NonunicastPacketsReceived = s32(row + kInNUcastPkts);
    rec->OctetsReceived = s32(row + kInOctets);
    rec->UnicastPacketsReceived = s32(row + kInUcastPkts);
    rec->UnknownProtocolPackets = s32(row + kInUnknownProtos);
    rec->MaximumTransmissionUnit = s32(row + kMtu);
    rec->OperationalStatus = s32(row + kOperStatus);
    rec->DiscardedOutgoingPackets = s32(row + kOutDiscards);
    rec->OutgoingErrors = s32(row + kOutErrors);
    rec->NonunicastPacketsSent = s32(row + kOutNUcastPkts);
    rec->OctetsSent = s32(row + kOutOctets);
    rec->OutputQueueLength = s32(row + kOutQLen);
    rec->UnicastPacketsSent = s32(row + kOutUcastPkts);
    rec->Speed = s32(row + kSpeed);
    rec->InterfaceType = s32(row + kType);

    // The whole field, trailing zero units included: the name is kept as the table has it.
    rec->InterfaceName.resize(kNameUnits);
    for (std::size_t k = 0; k < kNameUnits; ++k)
        rec->InterfaceName[k] =
            static_cast<char16_t>(row[kName + 2 * k] | (static_cast<unsigned>(row[kName + 2 * k + 1]) << 8));
    return rec;
}

}  // namespace

std::string windows1252ToUtf8(const std::uint8_t* bytes, std::size_t count) {
    std::string out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t b = bytes[i];
        appendUtf8(out, (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : static_cast<char32_t>(b));
    }
    return out;
}

std::string adapterAddressText(const std::uint8_t (&address)[8], std::int32_t length) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    const int used = std::min<std::int32_t>(length, 8);
    for (int j = 0; j < used; ++j) {
        const std::uint8_t b = address[j];
        if (b == 0) {
            text += "00";
        } else {
            if (b >= 0x10) text += kHex[b >> 4];
            text += kHex[b & 0x0F];
        }
        text += '-';
    }
    if (!text.empty()) text.pop_back();
    return text;
}

InterfaceReading parseInterfaceTable(const std::uint8_t* data, std::size_t size) {
    InterfaceReading reading;
    if (data == nullptr || size < kIfTableHeaderBytes) return reading;
    const std::size_t declared = u32(data);
    const std::size_t complete = (size - kIfTableHeaderBytes) / kIfRowBytes;
    const std::size_t rows = std::min(declared, complete);
    reading.interfaces.reserve(rows);
    reading.counters.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        const std::uint8_t* row = data + kIfTableHeaderBytes + i * kIfRowBytes;
        // Every row counts, loopback and interfaces that are down included.
        reading.bytesReceived += u32(row + kInOctets);
        reading.bytesSent += u32(row + kOutOctets);
        reading.counters.push_back(RowCounters{
            u32(row + kIndex), u32(row + kType), u32(row + kLastChange), u32(row + kInOctets), u32(row + kInUcastPkts),
            u32(row + kInNUcastPkts), u32(row + kOutOctets), u32(row + kOutUcastPkts), u32(row + kOutNUcastPkts)});
        reading.interfaces.Add(readRow(row));
    }
    return reading;
}

}  // namespace sparvane::network
