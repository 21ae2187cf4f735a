#pragma once
// CInterface: the values of one row of the interface table, as one reading found them.
// A plain record: every field is read and written as it is, nothing is derived later.
#include <cstdint>
#include <string>

namespace sparvane::network {

struct CInterface {
    // The table's 32-bit fields are unsigned; they are kept bit for bit in signed fields
    // (a counter of 3000000000 reads as -1294967296). The byte totals do not come from
    // these fields but from the unsigned row counters (see if_table_parser.h).
    std::u16string InterfaceName;  // all 256 UTF-16 units, trailing zeros included
    std::int32_t InterfaceIndex = 0;
    std::int32_t InterfaceType = 0;
    std::int32_t Speed = 0;
    std::string AdapterAddress;  // "00-1A-2B-3-4-5"; empty when the row has no address
    std::int32_t AdminStatus = 0;
    std::int32_t OperationalStatus = 0;
    // Time of the last status change is never read from the table; the field keeps the
    // zero date-time (the day count 0, 30 December 1899 00:00).
    double LastChange = 0.0;
    std::int32_t OctetsReceived = 0;
    std::int32_t UnicastPacketsReceived = 0;
    std::int32_t MaximumTransmissionUnit = 0;
    std::int32_t NonunicastPacketsReceived = 0;
    std::int32_t DiscardedIncomingPackets = 0;
    std::int32_t IncomingErrors = 0;
    std::int32_t UnknownProtocolPackets = 0;
    std::int32_t OctetsSent = 0;
    std::int32_t UnicastPacketsSent = 0;
    std::int32_t NonunicastPacketsSent = 0;
    std::int32_t DiscardedOutgoingPackets = 0;
    std::int32_t OutgoingErrors = 0;
    std::int32_t OutputQueueLength = 0;
    std::string InterfaceDescription;  // UTF-8
};

}  // namespace sparvane::network
