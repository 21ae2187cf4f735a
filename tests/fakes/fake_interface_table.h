#pragma once
// An interface table whose rows and counters tests set; serialized the way GetIfTable
// writes it (row count, then 860-byte rows).
#include <cstdint>
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
    std::vector<std::uint8_t> physicalAddress;
    std::uint32_t adminStatus = 1;
    std::uint32_t operStatus = 5;
    std::uint32_t octetsIn = 0;
    std::uint32_t octetsOut = 0;
    std::string description;
};

class FakeInterfaceTable : public platform::InterfaceTable {
public:
    std::vector<FakeInterfaceRow> rows;
    bool notSupported = false;
    int calls = 0;

    static std::vector<std::uint8_t> serialize(const std::vector<FakeInterfaceRow>& rows);
    std::uint32_t getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) override;
};

}  // namespace fakes
