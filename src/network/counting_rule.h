#pragma once
// Which rows of the interface table the traffic figures count, so that each byte of the
// machine's traffic is counted once.
//
// Windows lists, besides each adapter, a row for every filter module bound to it (the
// same bytes again), tunnel pseudo-interfaces and virtual adapters (VPN, Hyper-V, WSL)
// whose traffic also crosses a physical adapter. The rule:
//   1. loopback never counts: its traffic never leaves the machine;
//   2. with the flags of GetIfTable2: filter rows and tunnels (type 131) never count;
//      while a hardware interface is up, only hardware interfaces count (a virtual
//      adapter's bytes cross one of them); with none up (a dial-up modem alone), every
//      remaining row counts;
//   3. without the flags (GetIfTable on systems before Vista): every other row counts.
#include <string_view>
#include <vector>

#include "network/interface_reader.h"

namespace sparvane::network {

enum class RowVerdict {
    Counted,
    Loopback,        // never leaves the machine
    Filter,          // a filter module repeating its adapter's bytes
    Tunnel,          // tunnelled bytes also cross a physical adapter
    VirtualAdapter,  // its bytes also cross the hardware adapter that is up
};

// One verdict per row of the reading, in its order.
[[nodiscard]] std::vector<RowVerdict> judgeRows(const InterfaceReading& reading);

// Why a row counts or not, in a few words for a list of interfaces.
[[nodiscard]] std::string_view verdictText(RowVerdict verdict);

}  // namespace sparvane::network
