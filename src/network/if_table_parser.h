#pragma once
// Turns the raw bytes of the older IP Helper interface table (MIB_IFTABLE, as GetIfTable
// writes it on systems without GetIfTable2) into interface rows. Pure: bytes in, rows out,
// so that it can be tested and fuzzed without the platform.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/interface_table.h"

namespace sparvane::network {

// Layout of the table: a 32-bit row count, then 860-byte rows back to back.
constexpr std::size_t kIfTableHeaderBytes = 4;
constexpr std::size_t kIfRowBytes = 860;

// Offsets of the fields read inside one row (MIB_IFROW), and the description's size.
namespace if_row {
constexpr std::size_t kIndex = 512;
constexpr std::size_t kType = 516;
constexpr std::size_t kSpeed = 524;
constexpr std::size_t kOperStatus = 544;
constexpr std::size_t kLastChange = 548;
constexpr std::size_t kInOctets = 552;
constexpr std::size_t kInUcastPkts = 556;
constexpr std::size_t kInNUcastPkts = 560;
constexpr std::size_t kOutOctets = 576;
constexpr std::size_t kOutUcastPkts = 580;
constexpr std::size_t kOutNUcastPkts = 584;
constexpr std::size_t kDescrLen = 600;
constexpr std::size_t kDescr = 604;
constexpr std::size_t kDescrBytes = 256;
}  // namespace if_row

// The row's operational status when the interface carries traffic: WAN connected (4) or
// operational (5).
constexpr std::uint32_t kOperStatusConnected = 4;
constexpr std::uint32_t kOperStatusOperational = 5;

// Reads every complete row the buffer holds: counters as the table holds them (32 bits,
// wrapping), no hardware or filter flags (the table has none). A row count larger than the
// buffer can hold reads only the complete rows; fewer than 4 bytes give no rows. Never
// reads outside [data, data + size).
[[nodiscard]] std::vector<platform::InterfaceRow> parseInterfaceTable(const std::uint8_t* data, std::size_t size);

// Single-byte description text to UTF-8. The system would convert through its ANSI code
// page; the portable code cannot ask for it, so it takes Windows-1252, the ANSI page of
// Western systems (Latin-1 plus the printable 0x80..0x9F block).
[[nodiscard]] std::string windows1252ToUtf8(const std::uint8_t* bytes, std::size_t count);

}  // namespace sparvane::network
