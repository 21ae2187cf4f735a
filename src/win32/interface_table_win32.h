#pragma once
// The interface table from IP Helper, loaded from System32 on first use: GetIfTable2 as
// typed rows where the system has it, GetIfTable's raw bytes where it does not.
#include "platform/interface_table.h"

namespace win32 {

class InterfaceTableWin32 final : public platform::InterfaceTable {
public:
    [[nodiscard]] std::uint32_t getIfTable2(std::vector<platform::InterfaceRow>& rows) override;
    [[nodiscard]] std::uint32_t getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) override;
};

}  // namespace win32
