#pragma once
// Registry reads. (Writes go through the system's reg.exe, see Processes.)
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct RegistryRead {
    bool keyOpened = false;  // RegOpenKey succeeded
    bool valueRead = false;  // RegQueryValueEx succeeded
    std::uint32_t data = 0;  // the first four bytes of the value's data
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens HKEY_LOCAL_MACHINE\subKey, reads up to four bytes of `valueName`, closes the key.
    [[nodiscard]] virtual RegistryRead readLocalMachineDword(const std::string& subKey,
                                                             const std::string& valueName) = 0;
};

}  // namespace platform
