#pragma once
// The registry: a machine-wide DWORD read, and string values written and deleted under the
// current user's or the machine's hive.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct RegistryRead {
    bool keyOpened = false;  // RegOpenKey succeeded
    bool valueRead = false;  // RegQueryValueEx succeeded
    std::uint32_t data = 0;  // the first four bytes of the value's data
};

enum class RegistryRoot { kCurrentUser, kLocalMachine };  // HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE

// Win32 error codes the registry calls answer.
constexpr std::uint32_t kRegistryOk = 0;            // ERROR_SUCCESS
constexpr std::uint32_t kRegistryAccessDenied = 5;  // ERROR_ACCESS_DENIED

class Registry {
public:
    virtual ~Registry() = default;
    // Opens HKEY_LOCAL_MACHINE\subKey, reads up to four bytes of `valueName`, closes the key.
    [[nodiscard]] virtual RegistryRead readLocalMachineDword(const std::string& subKey,
                                                             const std::string& valueName) = 0;
    // Stores `data` as the REG_SZ value `valueName` of root\subKey, creating the key when it
    // is missing. Answers kRegistryOk or the Win32 error code.
    [[nodiscard]] virtual std::uint32_t setString(RegistryRoot root, const std::string& subKey,
                                                  const std::string& valueName, const std::string& data) = 0;
    // Deletes the value `valueName` of root\subKey. A value or key that is not there counts as
    // deleted (kRegistryOk); otherwise the Win32 error code.
    [[nodiscard]] virtual std::uint32_t deleteValue(RegistryRoot root, const std::string& subKey,
                                                    const std::string& valueName) = 0;
};

}  // namespace platform
