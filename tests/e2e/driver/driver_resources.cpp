// What a process holds of the window system, for the footprint benchmark's leak watch (GDI
// and USER object counts as the system reports them, and the windows the process owns
// counted directly: Wine 8 stubs GetGuiResources), and how long its window takes to answer.
#include "driver.h"

#include <psapi.h>

namespace driver {
namespace {

struct WindowTally {
    DWORD pid;
    long top_levels = 0;
    long children = 0;
};

BOOL CALLBACK count_child(HWND, LPARAM param) {
    ++reinterpret_cast<WindowTally*>(param)->children;
    return TRUE;
}

BOOL CALLBACK count_top_level(HWND hwnd, LPARAM param) {
    auto& tally = *reinterpret_cast<WindowTally*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != tally.pid) return TRUE;
    ++tally.top_levels;
    EnumChildWindows(hwnd, count_child, param);  // every descendant, not only direct children
    return TRUE;
}

// Message-only windows (HWND_MESSAGE parent) are not seen by EnumWindows.
long count_message_only(DWORD pid) {
    long n = 0;
    HWND hwnd = nullptr;
    while ((hwnd = FindWindowExW(HWND_MESSAGE, hwnd, nullptr, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == pid) ++n;
    }
    return n;
}

}  // namespace

// gui-resources FORM -> "pid=N gdi=N user=N gdi_peak=N user_peak=N top_levels=N children=N
//                        message_only=N handles=N private_kb=N"
// for the process that owns FORM's window. A figure the system will not give is "n/a".
int cmd_gui_resources(const Args& a) {
    HWND form = resolve(a[0], nullptr);
    if (!form) return 1;
    DWORD pid = 0;
    GetWindowThreadProcessId(form, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) {
        err("cannot open process " + std::to_string(pid) + " (error " + std::to_string(GetLastError()) + ")");
        return 1;
    }
    auto figure = [](bool ok, unsigned long long value) { return ok ? std::to_string(value) : std::string("n/a"); };
    // GR_GDIOBJECTS_PEAK (2) and GR_USEROBJECTS_PEAK (4) are newer than some headers.
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    const DWORD gdi_peak = GetGuiResources(process, 2);
    const DWORD user_peak = GetGuiResources(process, 4);
    DWORD handles = 0;
    const bool have_handles = GetProcessHandleCount(process, &handles) != FALSE;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    const bool have_memory =
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory) != FALSE;
    CloseHandle(process);

    WindowTally tally{pid};
    EnumWindows(count_top_level, reinterpret_cast<LPARAM>(&tally));
    const long message_only = count_message_only(pid);

    out("pid=" + std::to_string(pid) + " gdi=" + std::to_string(gdi) + " user=" + std::to_string(user) +
        " gdi_peak=" + std::to_string(gdi_peak) + " user_peak=" + std::to_string(user_peak) +
        " top_levels=" + std::to_string(tally.top_levels) + " children=" + std::to_string(tally.children) +
        " message_only=" + std::to_string(message_only) + " handles=" + figure(have_handles, handles) +
        " private_kb=" + figure(have_memory, memory.PrivateUsage / 1024));
    return 0;
}

}  // namespace driver

namespace driver {

// latency FORM MAX_MS [STOP_FILE] -> "samples=N longest_ms=N"
// Asks FORM's window again and again, 10 ms apart, whether it answers (WM_NULL through
// SendMessageTimeout, as Windows does before it calls a window "not responding"), for at
// most MAX_MS or until STOP_FILE exists; prints the longest wait for an answer.
int cmd_latency(const Args& a) {
    HWND form = resolve(a[0], nullptr);
    if (!form) return 1;
    wchar_t* end = nullptr;
    const unsigned long max_ms = std::wcstoul(a[1].c_str(), &end, 10);
    if (*end != L'\0') {
        err("not a duration in milliseconds: " + utf8(a[1]));
        return 1;
    }
    const ULONGLONG start = GetTickCount64();
    ULONGLONG longest = 0;
    long samples = 0;
    while (GetTickCount64() - start < max_ms) {
        if (a.size() > 2 && GetFileAttributesW(a[2].c_str()) != INVALID_FILE_ATTRIBUTES) break;
        LARGE_INTEGER frequency, before, after;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&before);
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result)) {
            err("no answer within 60 s");
            return 1;
        }
        QueryPerformanceCounter(&after);
        const ULONGLONG waited = static_cast<ULONGLONG>((after.QuadPart - before.QuadPart) * 1000 / frequency.QuadPart);
        if (waited > longest) longest = waited;
        ++samples;
        Sleep(10);
    }
    out("samples=" + std::to_string(samples) + " longest_ms=" + std::to_string(longest));
    return 0;
}

}  // namespace driver
