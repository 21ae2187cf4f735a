#pragma once
// Takes readings of the interface table: GetIfTable2 where the system has it, the older
// GetIfTable (32-bit counters, no flags) for the rest of the run where it does not.
#include <cstdint>
#include <vector>

#include "forms/application.h"
#include "platform/interface_table.h"

namespace sparvane::network {

struct InterfaceReading {
    std::vector<platform::InterfaceRow> rows;
    // From GetIfTable2: counters 64 bits wide and the hardware and filter flags known.
    // From GetIfTable: counters that wrap at 2^32 and no flags.
    bool extended = false;
    // The table was read (an empty table included). A failed reading has no rows.
    bool ok = false;
};

class InterfaceReader {
public:
    InterfaceReader(platform::InterfaceTable& table, forms::Application& app);

    // A complete new reading; a failed one is returned with ok == false and no rows.
    const InterfaceReading& read();
    [[nodiscard]] const InterfaceReading& last() const { return reading_; }

private:
    void readExtended();
    void readLegacy();

    platform::InterfaceTable& table_;
    forms::Application& app_;
    InterfaceReading reading_;
    // Once GetIfTable2 is known to be missing, it is not asked again.
    bool extendedMissing_ = false;
    // The legacy table buffer is kept between readings: the table is read twice a tick for
    // the whole run and its size rarely changes.
    std::vector<std::uint8_t> buffer_;
    // A system without IP Helper stays without it; telling the user twice a tick would
    // bury the desktop in message boxes, so the message comes once per run.
    bool notSupportedShown_ = false;
};

}  // namespace sparvane::network
