#include "network/interface_reader.h"

#include <algorithm>
#include <new>

#include "network/if_table_parser.h"

namespace sparvane::network {

InterfaceReader::InterfaceReader(platform::InterfaceTable& table, forms::Application& app) : table_(table), app_(app) {}

const InterfaceReading& InterfaceReader::read() {
    reading_.rows.clear();
    reading_.ok = false;
    if (!extendedMissing_) readExtended();
    if (extendedMissing_) readLegacy();
    return reading_;
}

void InterfaceReader::readExtended() {
    const std::uint32_t rc = table_.getIfTable2(reading_.rows);
    if (rc == platform::kErrorNotSupported) {
        extendedMissing_ = true;
        reading_.rows.clear();
        return;
    }
    reading_.extended = true;
    reading_.ok = rc == platform::kNoError;
    if (!reading_.ok) reading_.rows.clear();
}

void InterfaceReader::readLegacy() {
    reading_.extended = false;
    // First call: no buffer, only the size the table needs.
    std::uint32_t size = 0;
    if (table_.getIfTable(nullptr, size, false) == platform::kErrorNotSupported) {
        if (!notSupportedShown_) {
            notSupportedShown_ = true;
            app_.msgBox("IP Helper is not supported by this system.", forms::msgbox::kOkOnly);
        }
        return;
    }
    // Second call: the table itself. Any failure (the table grew between the calls, for
    // one) ends this reading silently with nothing counted.
    try {
        buffer_.resize(size);
    } catch (const std::bad_alloc&) {
        return;  // an absurd size from the service: skip the reading, try again next tick
    }
    if (table_.getIfTable(buffer_.data(), size, false) != platform::kNoError) return;
    // The service reports how much it wrote; never parse beyond what the buffer holds.
    reading_.rows = parseInterfaceTable(buffer_.data(), std::min<std::size_t>(size, buffer_.size()));
    reading_.ok = true;
}

}  // namespace sparvane::network
