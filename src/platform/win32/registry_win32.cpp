#include "platform/win32/registry_win32.h"

#include <windows.h>

#include "platform/win32/handles_win32.h"
#include "platform/win32/text.h"

namespace platform::win32 {

RegistryRead RegistryWin32::readLocalMachineDword(const std::string& subKey, const std::string& valueName) {
    RegistryRead result;
    RegKey key;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, widen(subKey).c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return result;
    result.keyOpened = true;

    // Four bytes at most: a longer value (a REG_BINARY of more bytes) fails with
    // ERROR_MORE_DATA and counts as not read, as a four-byte buffer would on any system.
    DWORD data = 0;
    DWORD type = 0;
    DWORD bytes = sizeof(data);
    if (::RegQueryValueExW(key.get(), widen(valueName).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data),
                           &bytes) == ERROR_SUCCESS) {
        result.valueRead = true;
        result.data = data;
    }
    return result;
}

}  // namespace platform::win32
