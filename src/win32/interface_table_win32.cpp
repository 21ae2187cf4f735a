#include "win32/interface_table_win32.h"

#include <windows.h>
// MIB_IF_ROW2 and GetIfTable2 are declared only after the IPv6 socket definitions.
// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
// clang-format on

#include <cwchar>

#include "win32/system_library.h"
#include "win32/text.h"

namespace win32 {

namespace {

// A fixed-size, zero-terminated name field as UTF-8.
template <std::size_t N>
std::string fieldText(const WCHAR (&field)[N]) {
    return narrow(std::wstring_view(field, wcsnlen(field, N)));
}

platform::InterfaceRow rowFrom(const MIB_IF_ROW2& r) {
    platform::InterfaceRow row;
    row.index = r.InterfaceIndex;
    row.type = r.Type;
    row.alias = fieldText(r.Alias);
    row.description = fieldText(r.Description);
    row.up = r.OperStatus == IfOperStatusUp;
    row.hardware = r.InterfaceAndOperStatusFlags.HardwareInterface != 0;
    row.filter = r.InterfaceAndOperStatusFlags.FilterInterface != 0;
    row.receiveLinkSpeed = r.ReceiveLinkSpeed;
    row.transmitLinkSpeed = r.TransmitLinkSpeed;
    row.octetsIn = r.InOctets;
    row.unicastIn = r.InUcastPkts;
    row.nonUnicastIn = r.InNUcastPkts;
    row.octetsOut = r.OutOctets;
    row.unicastOut = r.OutUcastPkts;
    row.nonUnicastOut = r.OutNUcastPkts;
    return row;
}

}  // namespace

std::uint32_t InterfaceTableWin32::getIfTable2(std::vector<platform::InterfaceRow>& rows) {
    static const auto getTable = ipHelperLibrary().find<decltype(&::GetIfTable2)>("GetIfTable2");
    static const auto freeTable = ipHelperLibrary().find<decltype(&::FreeMibTable)>("FreeMibTable");
    rows.clear();
    if (!getTable || !freeTable) return platform::kErrorNotSupported;
    PMIB_IF_TABLE2 table = nullptr;
    const DWORD rc = getTable(&table);
    if (rc != NO_ERROR || table == nullptr) return rc != NO_ERROR ? rc : ERROR_INVALID_DATA;
    rows.reserve(table->NumEntries);
    for (ULONG i = 0; i < table->NumEntries; ++i) rows.push_back(rowFrom(table->Table[i]));
    freeTable(table);
    return platform::kNoError;
}

std::uint32_t InterfaceTableWin32::getIfTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) {
    static const auto getTable = ipHelperLibrary().find<decltype(&::GetIfTable)>("GetIfTable");
    if (!getTable) return platform::kErrorNotSupported;
    // The caller parses MIB_IFTABLE itself, so the bytes go through untouched; a null
    // buffer is the size query.
    ULONG bytes = size;
    const DWORD rc = getTable(reinterpret_cast<PMIB_IFTABLE>(buffer), &bytes, sorted ? TRUE : FALSE);
    size = bytes;
    return rc;
}

}  // namespace win32
