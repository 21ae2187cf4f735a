#pragma once
// The IP Helper interface table. Systems since Vista have GetIfTable2 (64-bit counters,
// link speeds and the hardware and filter flags), handed over as typed rows; the older
// GetIfTable is kept for systems without it and handed over as the raw MIB_IFTABLE bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

constexpr std::uint32_t kNoError = 0;
constexpr std::uint32_t kErrorNotSupported = 50;
constexpr std::uint32_t kErrorInsufficientBuffer = 122;

// Interface types (IANA ifType) the program tells apart.
namespace if_type {
constexpr std::uint32_t kEthernet = 6;
constexpr std::uint32_t kPpp = 23;
constexpr std::uint32_t kSoftwareLoopback = 24;
constexpr std::uint32_t kWireless = 71;
constexpr std::uint32_t kTunnel = 131;
}  // namespace if_type

// One row of either table, in the fields the traffic figures are taken from.
struct InterfaceRow {
    std::uint32_t index = 0;
    std::uint32_t type = if_type::kEthernet;
    std::string alias;                    // "Wi-Fi", "Ethernet 2" (GetIfTable2 only), UTF-8
    std::string description;              // "Intel(R) Wi-Fi 6 AX201 160MHz", "...-QoS Packet Scheduler-0000"
    bool up = true;                       // operational status up
    bool hardware = false;                // GetIfTable2 only: a physical adapter
    bool filter = false;                  // GetIfTable2 only: an NDIS filter module bound to an adapter
    std::uint64_t receiveLinkSpeed = 0;   // bit/s; 0: unknown
    std::uint64_t transmitLinkSpeed = 0;  // bit/s; GetIfTable has one speed for both
    std::uint64_t octetsIn = 0, unicastIn = 0, nonUnicastIn = 0;
    std::uint64_t octetsOut = 0, unicastOut = 0, nonUnicastOut = 0;
    std::uint32_t lastChange = 0;  // GetIfTable only: time of the last status change
};

class InterfaceTable {
public:
    virtual ~InterfaceTable() = default;
    // GetIfTable2: every row, counters 64 bits wide. kErrorNotSupported where the system
    // lacks the call (before Vista); any other failure is one failed reading.
    [[nodiscard]] virtual std::uint32_t getIfTable2(std::vector<InterfaceRow>& rows) = 0;
    // GetIfTable: with buffer == nullptr (or size too small) reports the needed size in
    // `size` and returns kErrorInsufficientBuffer; otherwise fills the buffer.
    [[nodiscard]] virtual std::uint32_t getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) = 0;
};

}  // namespace platform
