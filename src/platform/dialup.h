#pragma once
// Dial-up networking: the phone book's entries, dialling and hanging up.
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform {

constexpr std::uint32_t kRasEntryNameSize = 264;  // first version of RASENTRYNAME
constexpr std::uint32_t kRasEntryNameLength = 257;
constexpr std::uint32_t kInternetAutodialForceUnattended = 2;

class Dialup {
public:
    virtual ~Dialup() = default;
    // RasEnumEntries on the default phone book: fills up to byteCount / 264 records of
    // 264 bytes (dwSize, then a NUL-ended 257-byte name) and sets entryCount. byteCount is
    // in/out (the size needed when the buffer is too small).
    [[nodiscard]] virtual std::uint32_t enumEntries(std::uint8_t* buffer, std::uint32_t& byteCount,
                                                    std::uint32_t& entryCount) = 0;
    // InternetDial; on success writes the connection identifier.
    [[nodiscard]] virtual std::uint32_t dial(WindowHandle owner, const std::string& entry, std::uint32_t flags,
                                             std::uint32_t& connection) = 0;
    // InternetHangUp.
    [[nodiscard]] virtual std::uint32_t hangUp(std::uint32_t connection) = 0;
    // Entry names in the records are bytes of the ANSI code page; this gives them as UTF-8.
    // (A Win32 implementation converts through the code page; the default passes the bytes
    // on, which is right for ASCII names.)
    [[nodiscard]] virtual std::string entryNameFromAnsi(const std::string& ansiName) { return ansiName; }
};

}  // namespace platform
