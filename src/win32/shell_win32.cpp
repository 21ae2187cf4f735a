#include "win32/shell_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "win32/off_thread_work.h"
#include "win32/text.h"

// In shell32 since Windows 95 but missing from MinGW-w64's headers.
extern "C" void WINAPI SHUpdateRecycleBinIcon(void);

namespace win32 {

namespace {

// Optional string arguments: empty means "not given", which the shell wants as NULL
// (an empty verb is not the default verb everywhere).
const wchar_t* orNull(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }

}  // namespace

std::optional<platform::RecycleBinInfo> RecycleBinWin32::query(const std::string& root,
                                                               const std::function<void()>& whileWaiting) {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof(info);
    const std::wstring r = widen(root);
    HRESULT result = E_FAIL;
    runOffThread([&] { result = ::SHQueryRecycleBinW(orNull(r), &info); }, whileWaiting);
    if (result != S_OK) return std::nullopt;
    return platform::RecycleBinInfo{static_cast<std::uint64_t>(info.i64Size),
                                    static_cast<std::uint64_t>(info.i64NumItems)};
}

bool RecycleBinWin32::emptyAll(platform::WindowHandle owner, unsigned flags,
                               const std::function<void()>& whileWaiting) {
    // One synchronous call that deletes every item: 20,000 of them take seconds.
    HRESULT result = E_FAIL;
    runOffThread([&] { result = ::SHEmptyRecycleBinW(reinterpret_cast<HWND>(owner), nullptr, flags); }, whileWaiting);
    return result == S_OK;
}

void RecycleBinWin32::updateIcon() { ::SHUpdateRecycleBinIcon(); }

std::int32_t RecentDocumentsWin32::clearList() {
    // A null item clears the list. The call reports nothing back, so asking is all that can
    // be done and counts as done.
    ::SHAddToRecentDocs(SHARD_PIDL, nullptr);
    return 0;
}

std::intptr_t ShellWin32::execute(platform::WindowHandle owner, const std::string& verb, const std::string& file,
                                  const std::string& parameters, const std::string& folder, int showCommand) {
    const std::wstring v = widen(verb), f = widen(file), p = widen(parameters), d = widen(folder);
    const HINSTANCE result =
        ::ShellExecuteW(reinterpret_cast<HWND>(owner), orNull(v), f.c_str(), orNull(p), orNull(d), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace win32
