#include "network/if_table_parser.h"

#include <algorithm>

namespace sparvane::network {

namespace {

using namespace if_row;

// The table is little-endian whatever the host is.
std::uint32_t u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

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

platform::InterfaceRow readRow(const std::uint8_t* row) {
    platform::InterfaceRow r;
    r.index = u32(row + kIndex);
    r.type = u32(row + kType);
    const std::uint32_t status = u32(row + kOperStatus);
    r.up = status == kOperStatusConnected || status == kOperStatusOperational;
    r.receiveLinkSpeed = r.transmitLinkSpeed = u32(row + kSpeed);
    r.lastChange = u32(row + kLastChange);
    r.octetsIn = u32(row + kInOctets);
    r.unicastIn = u32(row + kInUcastPkts);
    r.nonUnicastIn = u32(row + kInNUcastPkts);
    r.octetsOut = u32(row + kOutOctets);
    r.unicastOut = u32(row + kOutUcastPkts);
    r.nonUnicastOut = u32(row + kOutNUcastPkts);
    // The description is cut to as many characters as the row says it has; the field
    // holds 256, and a length that is not positive (as a signed field) leaves it empty.
    const auto descrLen = static_cast<std::int32_t>(u32(row + kDescrLen));
    if (descrLen > 0)
        r.description =
            windows1252ToUtf8(row + kDescr, std::min<std::size_t>(static_cast<std::size_t>(descrLen), kDescrBytes));
    return r;
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

std::vector<platform::InterfaceRow> parseInterfaceTable(const std::uint8_t* data, std::size_t size) {
    std::vector<platform::InterfaceRow> rows;
    if (data == nullptr || size < kIfTableHeaderBytes) return rows;
    const std::size_t declared = u32(data);
    const std::size_t complete = (size - kIfTableHeaderBytes) / kIfRowBytes;
    const std::size_t count = std::min(declared, complete);
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) rows.push_back(readRow(data + kIfTableHeaderBytes + i * kIfRowBytes));
    return rows;
}

}  // namespace sparvane::network
