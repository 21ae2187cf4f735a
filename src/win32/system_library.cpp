#include "win32/system_library.h"

#include <string>

namespace win32 {

namespace {

// Where LOAD_LIBRARY_SEARCH_SYSTEM32 is unknown (Windows 7 without KB2533623) the flag is
// refused with ERROR_INVALID_PARAMETER; the full System32 path then names the file, and
// the altered search path makes its own dependencies come from System32 too.
HMODULE loadFromSystem32(const wchar_t* fileName) {
    if (HMODULE m = ::LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return m;
    if (::GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    wchar_t folder[MAX_PATH];
    const UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, n) + L"\\" + fileName;
    return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

SystemLibrary::SystemLibrary(const wchar_t* fileName) : module_(loadFromSystem32(fileName)) {}

SystemLibrary::~SystemLibrary() {
    if (module_) ::FreeLibrary(module_);
}

SystemLibrary& ipHelperLibrary() {
    static SystemLibrary library(L"iphlpapi.dll");
    return library;
}

SystemLibrary& remoteAccessLibrary() {
    static SystemLibrary library(L"rasapi32.dll");
    return library;
}

SystemLibrary& internetLibrary() {
    static SystemLibrary library(L"wininet.dll");
    return library;
}

SystemLibrary& comLibrary() {
    static SystemLibrary library(L"ole32.dll");
    return library;
}

SystemLibrary& shellCoreLibrary() {
    static SystemLibrary library(L"shcore.dll");
    return library;
}

void restrictDllSearchToSystem32() {
    // kernel32 is always loaded (a KnownDLL); GetModuleHandle finds it without a search.
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return;
    const auto set = reinterpret_cast<SetDirectories>(
        reinterpret_cast<void (*)()>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (set) (void)set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace win32
