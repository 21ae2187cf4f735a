#pragma once
// Turns the raw bytes of the IP Helper interface table (MIB_IFTABLE, as GetIfTable writes
// it) into interface records and two byte totals. Pure: bytes in, records out, so that
// it can be tested and fuzzed without the platform.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "network/interfaces.h"

namespace sparvane::network {

// Layout of the table: a 32-bit row count, then 860-byte rows back to back.
constexpr std::size_t kIfTableHeaderBytes = 4;
constexpr std::size_t kIfRowBytes = 860;

// Field offsets inside one row (MIB_IFROW), and the name and description sizes.
namespace if_row {
constexpr std::size_t kName = 0;
constexpr std::size_t kNameUnits = 256;
constexpr std::size_t kIndex = 512;
constexpr std::size_t kType = 516;
constexpr std::size_t kMtu = 520;
constexpr std::size_t kSpeed = 524;
constexpr std::size_t kPhysAddrLen = 528;
constexpr std::size_t kPhysAddr = 532;
constexpr std::size_t kAdminStatus = 540;
constexpr std::size_t kOperStatus = 544;
constexpr std::size_t kLastChange = 548;
constexpr std::size_t kInOctets = 552;
constexpr std::size_t kInUcastPkts = 556;
constexpr std::size_t kInNUcastPkts = 560;
constexpr std::size_t kInDiscards = 564;
constexpr std::size_t kInErrors = 568;
constexpr std::size_t kInUnknownProtos = 572;
constexpr std::size_t kOutOctets = 576;
constexpr std::size_t kOutUcastPkts = 580;
constexpr std::size_t kOutNUcastPkts = 584;
constexpr std::size_t kOutDiscards = 588;
constexpr std::size_t kOutErrors = 592;
constexpr std::size_t kOutQLen = 596;
constexpr std::size_t kDescrLen = 600;
constexpr std::size_t kDescr = 604;
constexpr std::size_t kDescrBytes = 256;
}  // namespace if_row

// The fields of one row that the traffic figures are taken from, unsigned as the table
// holds them (the records keep them bit for bit in signed fields, and no time of change).
struct RowCounters {
    std::uint32_t index = 0;
    std::uint32_t type = 0;
    std::uint32_t lastChange = 0;
    std::uint32_t octetsIn = 0, unicastIn = 0, nonUnicastIn = 0;
    std::uint32_t octetsOut = 0, unicastOut = 0, nonUnicastOut = 0;
};

struct InterfaceReading {
    CInterfaces interfaces;
    std::vector<RowCounters> counters;  // one per record, in table order
    // Sums of the unsigned 32-bit octet counters of every row, in 64-bit arithmetic: a
    // busy machine passes 2 GB within days, and a signed 32-bit sum would then stop
    // counting rows (or run negative) and the traffic figures would lie.
    std::uint64_t bytesReceived = 0;
    std::uint64_t bytesSent = 0;
};

// Reads every complete row the buffer holds. A row count larger than the buffer can hold
// reads only the complete rows; fewer than 4 bytes give an empty reading. Never reads
// outside [data, data + size).
[[nodiscard]] InterfaceReading parseInterfaceTable(const std::uint8_t* data, std::size_t size);

// The physical address as text: each byte in upper-case hex without a leading zero, a
// byte of 0 as "00", joined by "-" (0,26,43,3,4,5 -> "00-1A-2B-3-4-5"). Only the 8 bytes
// of the field exist, so a longer length adds nothing; a length below 1 gives "".
[[nodiscard]] std::string adapterAddressText(const std::uint8_t (&address)[8], std::int32_t length);

// Single-byte description text to UTF-8. The system would convert through its ANSI code
// page; the portable code cannot ask for it, so it takes Windows-1252, the ANSI page of
// Western systems (Latin-1 plus the printable 0x80..0x9F block).
[[nodiscard]] std::string windows1252ToUtf8(const std::uint8_t* bytes, std::size_t count);

}  // namespace sparvane::network
