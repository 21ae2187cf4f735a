#include "win32/dialup_win32.h"

#include <windows.h>
#include <ras.h>
#include <wininet.h>

#include <algorithm>
#include <cstring>

#include "win32/system_library.h"
#include "win32/text.h"

namespace win32 {

namespace {

// The records are handed out in their first, smallest layout (dwSize 264), which every
// version of Remote Access accepts; the name starts right after the 4-byte size.
constexpr std::size_t kNameOffset = sizeof(DWORD);

// Rewrites one record's name from the ANSI code page to UTF-8 in place, cut at a whole
// character so that it still fits the 257-byte field with its NUL.
void nameToUtf8(std::uint8_t* record) {
    char* name = reinterpret_cast<char*>(record + kNameOffset);
    const std::size_t length = strnlen(name, platform::kRasEntryNameLength);
    if (length == 0) return;
    std::wstring wide(length, L'\0');
    const int n =
        ::MultiByteToWideChar(CP_ACP, 0, name, static_cast<int>(length), wide.data(), static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    std::string utf8 = narrow(wide);
    if (utf8.size() > platform::kRasEntryNameLength - 1) {
        std::size_t cut = platform::kRasEntryNameLength - 1;
        while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;  // continuation byte
        utf8.resize(cut);
    }
    std::memset(name, 0, platform::kRasEntryNameLength);
    utf8.copy(name, utf8.size());  // the cut above leaves room for the terminating zero
}

}  // namespace

std::uint32_t DialupWin32::enumEntries(std::uint8_t* buffer, std::uint32_t& byteCount, std::uint32_t& entryCount) {
    // Only the ANSI form accepts the 264-byte records the caller lays out; the wide one's
    // records are laid out differently.
    const std::uint32_t capacity = byteCount;
    DWORD bytes = byteCount;
    DWORD entries = 0;
    // Remote Access is loaded from System32 on first use; a system without it has no entries.
    static const auto enumEntries = remoteAccessLibrary().find<decltype(&::RasEnumEntriesA)>("RasEnumEntriesA");
    if (enumEntries == nullptr) return ERROR_MOD_NOT_FOUND;
    const DWORD rc = enumEntries(nullptr, nullptr, reinterpret_cast<LPRASENTRYNAMEA>(buffer), &bytes, &entries);
    byteCount = bytes;
    entryCount = entries;
    if (rc == ERROR_SUCCESS && buffer != nullptr) {
        const std::uint32_t fit = std::min<std::uint32_t>(entries, capacity / platform::kRasEntryNameSize);
        for (std::uint32_t i = 0; i < fit; ++i)
            nameToUtf8(buffer + static_cast<std::size_t>(i) * platform::kRasEntryNameSize);
    }
    return rc;
}

std::uint32_t DialupWin32::dial(platform::WindowHandle owner, const std::string& entry, std::uint32_t flags,
                                std::uint32_t& connection) {
    std::wstring name = widen(entry);
    name.push_back(L'\0');  // the API takes a writable string
    DWORD_PTR handle = connection;
    using DialFn = DWORD(WINAPI*)(HWND, LPWSTR, DWORD, DWORD_PTR*, DWORD);
    // WinINet (and all it brings with it) is loaded from System32 the first time the user
    // dials or hangs up, not at start-up: the widget nearly never dials.
    const auto dialW = internetLibrary().find<DialFn>("InternetDialW");
    if (dialW == nullptr) return ERROR_MOD_NOT_FOUND;
    const DWORD rc = dialW(reinterpret_cast<HWND>(owner), name.data(), flags, &handle, 0);
    if (rc == ERROR_SUCCESS) {
        // Connection identifiers are 32-bit values in practice; one that is not is kept
        // here and found again by its low half when it is hung up.
        connection = static_cast<std::uint32_t>(handle);
        if (handle > 0xFFFFFFFFu) wide_[connection] = handle;
    }
    return rc;
}

std::uint32_t DialupWin32::hangUp(std::uint32_t connection) {
    DWORD_PTR handle = connection;
    if (auto it = wide_.find(connection); it != wide_.end()) {
        handle = it->second;
        wide_.erase(it);
    }
    using HangUpFn = DWORD(WINAPI*)(DWORD_PTR, DWORD);
    const auto hangUpFn = internetLibrary().find<HangUpFn>("InternetHangUp");
    if (hangUpFn == nullptr) return ERROR_MOD_NOT_FOUND;
    return hangUpFn(handle, 0);
}

}  // namespace win32
