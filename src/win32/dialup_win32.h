#pragma once
// Remote Access phone book and WinINet dialling.
#include <cstdint>
#include <map>

#include "platform/dialup.h"

namespace win32 {

class DialupWin32 final : public platform::Dialup {
public:
    [[nodiscard]] std::uint32_t enumEntries(std::uint8_t* buffer, std::uint32_t& byteCount,
                                            std::uint32_t& entryCount) override;
    [[nodiscard]] std::uint32_t dial(platform::WindowHandle owner, const std::string& entry, std::uint32_t flags,
                                     std::uint32_t& connection) override;
    [[nodiscard]] std::uint32_t hangUp(std::uint32_t connection) override;

private:
    // Connections whose identifier does not fit the 32 bits the caller keeps, by low half.
    std::map<std::uint32_t, std::uintptr_t> wide_;
};

}  // namespace win32
