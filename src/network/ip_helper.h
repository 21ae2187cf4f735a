#pragma once
// CIpHelper: takes readings of the interface table through the IP Helper service.
#include <cstdint>
#include <memory>
#include <vector>

#include "forms/application.h"
#include "network/if_table_parser.h"
#include "network/interfaces.h"
#include "platform/interface_table.h"

namespace sparvane::network {

class CIpHelper {
public:
    CIpHelper(platform::InterfaceTable& table, forms::Application& app);

    // A complete new reading: drops the current collection, reads the table and returns
    // the fresh collection (empty when the reading failed).
    const CInterfaces& Interfaces();
    // The collection of the last reading, without reading again; null before the first.
    [[nodiscard]] const CInterfaces* currentInterfaces() const { return interfaces_.get(); }
    // Totals of the last reading (0 before the first and after a failed one).
    [[nodiscard]] std::uint64_t BytesReceived() const { return bytesReceived_; }
    [[nodiscard]] std::uint64_t BytesSent() const { return bytesSent_; }
    // The traffic counters of every row of the last reading, in table order; empty before
    // the first reading and after a failed one.
    [[nodiscard]] const std::vector<RowCounters>& counters() const { return counters_; }
    // Whether the last reading got the table (an empty table included). A failed one
    // also leaves both totals 0, but so does a machine without traffic.
    [[nodiscard]] bool lastReadingOk() const { return lastReadingOk_; }

private:
    void RefreshInterfaces(CInterfaces& into);

    platform::InterfaceTable& table_;
    forms::Application& app_;
    std::unique_ptr<CInterfaces> interfaces_;
    std::vector<RowCounters> counters_;
    std::uint64_t bytesReceived_ = 0;
    std::uint64_t bytesSent_ = 0;
    bool lastReadingOk_ = false;
    // The table buffer is kept between readings: the table is read twice a tick for the
    // whole run and its size rarely changes.
    std::vector<std::uint8_t> buffer_;
    // A system without IP Helper stays without it; telling the user twice a tick would
    // bury the desktop in message boxes, so the message comes once per run.
    bool notSupportedShown_ = false;
};

}  // namespace sparvane::network
