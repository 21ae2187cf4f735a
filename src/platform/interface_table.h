#pragma once
// The IP Helper interface table, handed over as the raw bytes GetIfTable writes.
#include <cstdint>

namespace platform {

constexpr std::uint32_t kNoError = 0;
constexpr std::uint32_t kErrorNotSupported = 50;
constexpr std::uint32_t kErrorInsufficientBuffer = 122;

class InterfaceTable {
public:
    virtual ~InterfaceTable() = default;
    // GetIfTable: with buffer == nullptr (or size too small) reports the needed size in
    // `size` and returns kErrorInsufficientBuffer; otherwise fills the buffer.
    [[nodiscard]] virtual std::uint32_t getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) = 0;
};

}  // namespace platform
