#include "win32/registry_win32.h"

#include <windows.h>

#include "win32/handles_win32.h"
#include "win32/text.h"

namespace win32 {

namespace {

// The program is 64-bit, so these are the hives' 64-bit views, as the machine's own reg.exe sees them.
HKEY rootKey(platform::RegistryRoot root) {
    return root == platform::RegistryRoot::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

}  // namespace

platform::RegistryRead RegistryWin32::readLocalMachineDword(const std::string& subKey, const std::string& valueName) {
    platform::RegistryRead result;
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

std::uint32_t RegistryWin32::setString(platform::RegistryRoot root, const std::string& subKey,
                                       const std::string& valueName, const std::string& data) {
    RegKey key;
    const LSTATUS created = ::RegCreateKeyExW(rootKey(root), widen(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                              KEY_SET_VALUE, nullptr, key.put(), nullptr);
    if (created != ERROR_SUCCESS) return static_cast<std::uint32_t>(created);
    // REG_SZ data is counted in bytes and includes the terminating null.
    const std::wstring text = widen(data);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return static_cast<std::uint32_t>(::RegSetValueExW(key.get(), widen(valueName).c_str(), 0, REG_SZ,
                                                       reinterpret_cast<const BYTE*>(text.c_str()), bytes));
}

std::uint32_t RegistryWin32::deleteValue(platform::RegistryRoot root, const std::string& subKey,
                                         const std::string& valueName) {
    RegKey key;
    LSTATUS status = ::RegOpenKeyExW(rootKey(root), widen(subKey).c_str(), 0, KEY_SET_VALUE, key.put());
    if (status == ERROR_SUCCESS) status = ::RegDeleteValueW(key.get(), widen(valueName).c_str());
    // A missing key or value is the state the caller asked for.
    return status == ERROR_FILE_NOT_FOUND ? platform::kRegistryOk : static_cast<std::uint32_t>(status);
}

}  // namespace win32
