#include "network/counting_rule.h"

#include <algorithm>

namespace sparvane::network {

namespace {
bool countableHardware(const platform::InterfaceRow& r) {
    return r.hardware && !r.filter && r.type != platform::if_type::kSoftwareLoopback &&
           r.type != platform::if_type::kTunnel;
}
}  // namespace

std::vector<RowVerdict> judgeRows(const InterfaceReading& reading) {
    const auto& rows = reading.rows;
    const bool hardwareUp = reading.extended && std::any_of(rows.begin(), rows.end(),
                                                            [](const auto& r) { return countableHardware(r) && r.up; });
    std::vector<RowVerdict> verdicts;
    verdicts.reserve(rows.size());
    for (const platform::InterfaceRow& r : rows) {
        if (r.type == platform::if_type::kSoftwareLoopback) {
            verdicts.push_back(RowVerdict::Loopback);
        } else if (!reading.extended) {
            verdicts.push_back(RowVerdict::Counted);
        } else if (r.filter) {
            verdicts.push_back(RowVerdict::Filter);
        } else if (r.type == platform::if_type::kTunnel) {
            verdicts.push_back(RowVerdict::Tunnel);
        } else if (hardwareUp && !r.hardware) {
            verdicts.push_back(RowVerdict::VirtualAdapter);
        } else {
            verdicts.push_back(RowVerdict::Counted);
        }
    }
    return verdicts;
}

std::string_view verdictText(RowVerdict verdict) {
    switch (verdict) {
        case RowVerdict::Counted: return "counted";
        case RowVerdict::Loopback: return "loopback";
        case RowVerdict::Filter: return "filter";
        case RowVerdict::Tunnel: return "tunnel";
        case RowVerdict::VirtualAdapter: return "virtual adapter";
    }
    return "";
}

}  // namespace sparvane::network
