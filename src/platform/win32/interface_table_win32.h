#pragma once
// GetIfTable handed through unchanged: the caller reads the raw MIB_IFTABLE bytes.
#include "platform/interface_table.h"

namespace platform::win32 {

class InterfaceTableWin32 final : public InterfaceTable {
public:
    [[nodiscard]] std::uint32_t getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) override;
};

}  // namespace platform::win32
