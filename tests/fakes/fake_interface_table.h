#pragma once
// An interface table whose rows and counters tests set; serialized the way GetIfTable
// writes it (row count, then 860-byte rows).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/interface_table.h"

namespace fakes {

struct FakeInterfaceRow {
    std::u16string name;
    std::uint32_t index = 1;
    std::uint32_t type = 6;
    std::uint32_t mtu = 1500;
    std::uint32_t speed = 0;
    std::vector<std::uint8_t> physicalAddress;           // at most 8 bytes reach the table
    std::optional<std::uint32_t> physicalAddressLength;  // default: physicalAddress.size()
    std::uint32_t adminStatus = 1;
    std::uint32_t operStatus = 5;
    std::uint32_t lastChange = 0;
    std::uint32_t octetsIn = 0;
    std::uint32_t unicastIn = 0;
    std::uint32_t nonUnicastIn = 0;
    std::uint32_t discardsIn = 0;
    std::uint32_t errorsIn = 0;
    std::uint32_t unknownProtos = 0;
    std::uint32_t octetsOut = 0;
    std::uint32_t unicastOut = 0;
    std::uint32_t nonUnicastOut = 0;
    std::uint32_t discardsOut = 0;
    std::uint32_t errorsOut = 0;
    std::uint32_t outQueueLength = 0;
    std::string description;                         // single-byte characters; at most 256 reach the table
    std::optional<std::uint32_t> descriptionLength;  // default: description.size() (max 256)
};

class FakeInterfaceTable : public platform::InterfaceTable {
public:
    std::vector<FakeInterfaceRow> rows;
    bool notSupported = false;
    // Bytes returned instead of the serialized rows (a malformed table).
    std::optional<std::vector<std::uint8_t>> rawTable;
    // Result of the call that fills a big enough buffer (kNoError: it succeeds).
    std::uint32_t fillResult = platform::kNoError;
    // Runs after each size query, before the table is read (e.g. an interface arrives).
    std::function<void()> afterSizeQuery;
    int calls = 0;
    int sizeQueries = 0;

    // Moves a row's counters on, wrapping at 2^32 as the system's counters do.
    void addTraffic(std::size_t row, std::uint32_t in, std::uint32_t out) {
        rows.at(row).octetsIn += in;
        rows.at(row).octetsOut += out;
    }

    static std::vector<std::uint8_t> serialize(const std::vector<FakeInterfaceRow>& rows);
    std::uint32_t getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) override;
};

}  // namespace fakes
