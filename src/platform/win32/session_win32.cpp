#include "platform/win32/session_win32.h"

#include <windows.h>

#include <vector>

#include "platform/win32/handles_win32.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

HANDLE toHandle(TokenHandle t) { return reinterpret_cast<HANDLE>(t); }

}  // namespace

TokenWin32::~TokenWin32() {
    for (TokenHandle t : open_) ::CloseHandle(toHandle(t));
}

std::optional<TokenHandle> TokenWin32::openProcessToken(unsigned access) {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), access, &token)) {
        lastError_ = ::GetLastError();
        return std::nullopt;
    }
    const auto handle = reinterpret_cast<TokenHandle>(token);
    open_.insert(handle);
    return handle;
}

std::optional<Luid> TokenWin32::lookupPrivilegeValue(const std::string& name) {
    LUID luid{};
    if (!::LookupPrivilegeValueW(nullptr, widen(name).c_str(), &luid)) {
        lastError_ = ::GetLastError();
        return std::nullopt;
    }
    return Luid{static_cast<std::uint32_t>(luid.LowPart), static_cast<std::int32_t>(luid.HighPart)};
}

bool TokenWin32::adjustTokenPrivileges(TokenHandle token, bool disableAll, const TokenPrivileges& newState) {
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

void TokenWin32::closeHandle(TokenHandle token) {
    // Only tokens this service opened are closed: any other number is not ours to close.
    if (open_.erase(token) != 0) ::CloseHandle(toHandle(token));
}

std::uint32_t TokenWin32::lastError() { return lastError_; }

bool SessionWin32::exitWindows(unsigned flags) { return ::ExitWindowsEx(flags, 0) != FALSE; }

// A bare tool name ("REG") is looked for by CreateProcess in the program's own folder and
// the current folder before the system folder, so a reg.exe dropped beside sparvane.exe
// would run instead of Windows' own. A bare name that exists in the system folder is
// therefore started from there, by its full path.
static std::wstring systemToolPath(const std::wstring& command) {
    const std::size_t end = command.find_first_of(L" \t");
    std::wstring name = command.substr(0, end);
    if (name.empty() || name.find_first_of(L"\\/:\"") != std::wstring::npos) return {};
    if (name.size() < 4 || ::CompareStringOrdinal(name.c_str() + name.size() - 4, 4, L".exe", 4, TRUE) != CSTR_EQUAL)
        name += L".exe";
    wchar_t folder[MAX_PATH] = {};
    const UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    std::wstring path = std::wstring(folder, n) + L"\\" + name;
    const DWORD a = ::GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_DIRECTORY)) return {};
    return path;
}

RunResult ProcessesWin32::runAndWait(const std::string& commandLine, unsigned timeoutMs,
                                     const std::function<void()>& whileWaiting) {
    RunResult result;
    // CreateProcessW may write into the command line, so it gets a private copy.
    std::wstring command = widen(commandLine);
    std::vector<wchar_t> buffer(command.begin(), command.end());
    buffer.push_back(L'\0');
    const std::wstring application = systemToolPath(command);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(application.empty() ? nullptr : application.c_str(), buffer.data(), nullptr, nullptr, FALSE,
                          CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info))
        return result;
    const KernelHandle process(info.hProcess);
    const KernelHandle thread(info.hThread);
    result.started = true;

    // Wakes for the process's end or for a message to the calling thread, whichever comes
    // first; messages are handed to whileWaiting until the process ends or time runs out.
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    DWORD waited = WAIT_TIMEOUT;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        const DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        HANDLE handle = process.get();
        waited = whileWaiting ? ::MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_ALLINPUT)
                              : ::WaitForSingleObject(handle, left);
        if (waited != WAIT_OBJECT_0 + 1 || !whileWaiting) break;
        whileWaiting();
    }
    if (waited != WAIT_OBJECT_0) {
        // Left running it would hold whatever it was working on; it is ended instead.
        ::TerminateProcess(process.get(), 1);
        ::WaitForSingleObject(process.get(), 5000);
        result.timedOut = true;
        return result;
    }
    DWORD code = 0;
    if (::GetExitCodeProcess(process.get(), &code)) result.exitCode = code;
    return result;
}

void ProcessesWin32::exitProcess(std::uint32_t status) { ::ExitProcess(status); }

}  // namespace platform::win32
