#pragma once
// Registry reads under HKEY_LOCAL_MACHINE; string values written and deleted under either hive.
#include "platform/registry.h"

namespace platform::win32 {

class RegistryWin32 final : public Registry {
public:
    [[nodiscard]] RegistryRead readLocalMachineDword(const std::string& subKey, const std::string& valueName) override;
    [[nodiscard]] std::uint32_t setString(RegistryRoot root, const std::string& subKey, const std::string& valueName,
                                          const std::string& data) override;
    [[nodiscard]] std::uint32_t deleteValue(RegistryRoot root, const std::string& subKey,
                                            const std::string& valueName) override;
};

}  // namespace platform::win32
