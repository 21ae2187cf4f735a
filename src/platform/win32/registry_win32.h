#pragma once
// Registry reads under HKEY_LOCAL_MACHINE.
#include "platform/registry.h"

namespace platform::win32 {

class RegistryWin32 final : public Registry {
public:
    [[nodiscard]] RegistryRead readLocalMachineDword(const std::string& subKey, const std::string& valueName) override;
};

}  // namespace platform::win32
