#pragma once
// An interface table whose rows and counters tests set. GetIfTable2 hands them over as
// they are; GetIfTable serializes them the way the system writes MIB_IFTABLE (row count,
// then 860-byte rows), counters cut to 32 bits and without the flags.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/interface_table.h"

namespace fakes {

class FakeInterfaceTable : public platform::InterfaceTable {
public:
    std::vector<platform::InterfaceRow> rows;
    // false: a system before Vista, without GetIfTable2.
    bool extended = true;
    // Neither call exists.
    bool notSupported = false;
    // Bytes returned by GetIfTable instead of the serialized rows (a malformed table).
    std::optional<std::vector<std::uint8_t>> rawTable;
    // Result of the call that hands the table over (kNoError: it succeeds).
    std::uint32_t fillResult = platform::kNoError;
    // Runs after each size query of GetIfTable, before the table is read.
    std::function<void()> afterSizeQuery;
    int calls = 0;
    int sizeQueries = 0;

    static std::vector<std::uint8_t> serialize(const std::vector<platform::InterfaceRow>& rows);
    std::uint32_t getIfTable2(std::vector<platform::InterfaceRow>& out) override;
    std::uint32_t getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) override;
};

}  // namespace fakes
