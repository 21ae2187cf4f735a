#pragma once
// Registry reads under HKEY_LOCAL_MACHINE; string values written and deleted under either hive.
#include "platform/registry.h"

namespace win32 {

class RegistryWin32 final : public platform::Registry {
public:
    [[nodiscard]] platform::RegistryRead readLocalMachineDword(const std::string& subKey,
                                                               const std::string& valueName) override;
    [[nodiscard]] std::uint32_t setString(platform::RegistryRoot root, const std::string& subKey,
                                          const std::string& valueName, const std::string& data) override;
    [[nodiscard]] std::uint32_t deleteValue(platform::RegistryRoot root, const std::string& subKey,
                                            const std::string& valueName) override;
};

}  // namespace win32
