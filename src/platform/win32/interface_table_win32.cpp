#include "platform/win32/interface_table_win32.h"

#include <windows.h>
#include <iphlpapi.h>

namespace platform::win32 {

std::uint32_t InterfaceTableWin32::getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) {
    // The caller parses MIB_IFTABLE itself, so the bytes go through untouched; a null
    // buffer is the size query.
    ULONG bytes = size;
    const DWORD rc = ::GetIfTable(reinterpret_cast<PMIB_IFTABLE>(buffer), &bytes, sorted ? TRUE : FALSE);
    size = bytes;
    return rc;
}

}  // namespace platform::win32
