#include "network/ip_helper.h"

#include <algorithm>
#include <new>

namespace sparvane::network {

CIpHelper::CIpHelper(platform::InterfaceTable& table, forms::Application& app) : table_(table), app_(app) {}

const CInterfaces& CIpHelper::Interfaces() {
    interfaces_.reset();
    auto fresh = std::make_unique<CInterfaces>();
    RefreshInterfaces(*fresh);
    interfaces_ = std::move(fresh);
    return *interfaces_;
}

void CIpHelper::RefreshInterfaces(CInterfaces& into) {
    bytesReceived_ = 0;
    bytesSent_ = 0;
    counters_.clear();
    lastReadingOk_ = false;

    // First call: no buffer, only the size the table needs.
    std::uint32_t size = 0;
    const std::uint32_t probe = table_.getIfTable(nullptr, size, false);
    if (probe == platform::kErrorNotSupported) {
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
    InterfaceReading reading = parseInterfaceTable(buffer_.data(), std::min<std::size_t>(size, buffer_.size()));
    bytesReceived_ = reading.bytesReceived;
    bytesSent_ = reading.bytesSent;
    counters_ = std::move(reading.counters);
    into = std::move(reading.interfaces);
    lastReadingOk_ = true;
}

}  // namespace sparvane::network
