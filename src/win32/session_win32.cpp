#include "win32/session_win32.h"

#include <windows.h>

#include "win32/off_thread_work.h"
#include "win32/text.h"

namespace win32 {

namespace {

HANDLE toHandle(platform::TokenHandle t) { return reinterpret_cast<HANDLE>(t); }

}  // namespace

TokenWin32::~TokenWin32() {
    for (platform::TokenHandle t : open_) ::CloseHandle(toHandle(t));
}

std::optional<platform::TokenHandle> TokenWin32::openProcessToken(unsigned access) {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), access, &token)) {
        lastError_ = ::GetLastError();
        return std::nullopt;
    }
    const auto handle = reinterpret_cast<platform::TokenHandle>(token);
    open_.insert(handle);
    return handle;
}

std::optional<platform::Luid> TokenWin32::lookupPrivilegeValue(const std::string& name) {
    LUID luid{};
    if (!::LookupPrivilegeValueW(nullptr, widen(name).c_str(), &luid)) {
        lastError_ = ::GetLastError();
        return std::nullopt;
    }
    return platform::Luid{static_cast<std::uint32_t>(luid.LowPart), static_cast<std::int32_t>(luid.HighPart)};
}

bool TokenWin32::adjustTokenPrivileges(platform::TokenHandle token, bool disableAll,
                                       const platform::TokenPrivileges& newState) {
    // The record has room for one entry; a larger count would make the system read past it.
    TOKEN_PRIVILEGES tp{};
    tp.PrivilegeCount = newState.privilegeCount > 1 ? 1 : newState.privilegeCount;
    tp.Privileges[0].Luid.LowPart = newState.luid.lowPart;
    tp.Privileges[0].Luid.HighPart = newState.luid.highPart;
    tp.Privileges[0].Attributes = newState.attributes;
    static_assert(sizeof(tp) == 16, "TOKEN_PRIVILEGES with one entry is handed over as 16 bytes");
    if (!::AdjustTokenPrivileges(toHandle(token), disableAll ? TRUE : FALSE, &tp, sizeof(tp), nullptr, nullptr)) {
        lastError_ = ::GetLastError();
        return false;
    }
    return true;
}

void TokenWin32::closeHandle(platform::TokenHandle token) {
    // Only tokens this service opened are closed: any other number is not ours to close.
    if (open_.erase(token) != 0) ::CloseHandle(toHandle(token));
}

std::uint32_t TokenWin32::lastError() { return lastError_; }

bool SessionWin32::exitWindows(unsigned flags) { return ::ExitWindowsEx(flags, 0) != FALSE; }

void ProcessesWin32::exitProcess(std::uint32_t status) { exitProcessAfterOffThreadWork(status); }

}  // namespace win32
