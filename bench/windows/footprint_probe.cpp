// Start-up probe for the footprint benchmark (bench/e2e/footprint.sh). Runs inside the Wine
// prefix beside the program it measures, so that the clock starts at CreateProcess and not
// at the start of a `wine` loader in the shell:
//
//   footprint_probe launch NAME plain|region:N end|keep TIMEOUT_MS EXE [ARGS...]
//
// starts EXE from its own folder (as Explorer does), waits until a top-level window of that
// process carrying the "Sparvane.Name" property NAME is visible (and, with `region:N`, has a
// window region and N visible named control windows: the widget makes its controls' windows
// just after it comes on screen, and it is not there for the user until they are), and prints "ms=<milliseconds>
// pid=<windows pid>" on stdout. With `end` the process is then ended (TerminateProcess, so that each run starts cold);
// with `keep` it is left running. Exit status 0 on success, 1 on a time-out or a failed start.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

void write(HANDLE stream, const std::string& text) {
    DWORD written = 0;
    WriteFile(stream, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void say(const std::string& text) { write(GetStdHandle(STD_OUTPUT_HANDLE), text + "\n"); }
void complain(const std::string& text) { write(GetStdHandle(STD_ERROR_HANDLE), "footprint_probe: " + text + "\n"); }

std::wstring nameOf(HWND hwnd) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(hwnd, L"Sparvane.Name")));
    if (atom == 0) return {};
    wchar_t buf[256];
    const UINT n = GlobalGetAtomNameW(atom, buf, 256);
    return std::wstring(buf, n);
}

struct Search {
    DWORD pid;
    const std::wstring* name;
    bool needRegion;
    int controls;  // visible named control windows wanted
    bool found;
};

BOOL CALLBACK countShownControl(HWND hwnd, LPARAM param) {
    if (IsWindowVisible(hwnd) && GetPropW(hwnd, L"Sparvane.Name") != nullptr) ++*reinterpret_cast<int*>(param);
    return TRUE;
}

BOOL CALLBACK visitTopLevel(HWND hwnd, LPARAM param) {
    auto& s = *reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != s.pid || !IsWindowVisible(hwnd) || nameOf(hwnd) != *s.name) return TRUE;
    if (s.needRegion) {
        HRGN probe = CreateRectRgn(0, 0, 0, 0);
        const int kind = GetWindowRgn(hwnd, probe);
        DeleteObject(probe);
        if (kind == ERROR || kind == NULLREGION) return TRUE;
        int shown = 0;
        EnumChildWindows(hwnd, countShownControl, reinterpret_cast<LPARAM>(&shown));
        if (shown < s.controls) return TRUE;
    }
    s.found = true;
    return FALSE;
}

// Quotes one argument the way CommandLineToArgvW reads it back.
std::wstring quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out.push_back(c < 128 ? static_cast<char>(c) : '?');
    return out;
}

int launch(int argc, wchar_t** argv) {
    // argv: [0] probe [1] launch [2] NAME [3] plain|region:N [4] end|keep [5] TIMEOUT_MS [6] EXE ...
    if (argc < 7) {
        complain("usage: launch NAME plain|region:N end|keep TIMEOUT_MS EXE [ARGS...]");
        return 1;
    }
    const std::wstring name = argv[2];
    const bool needRegion = std::wcsncmp(argv[3], L"region:", 7) == 0;
    const int controls = needRegion ? static_cast<int>(std::wcstol(argv[3] + 7, nullptr, 10)) : 0;
    const bool end = std::wcscmp(argv[4], L"end") == 0;
    const DWORD timeoutMs = static_cast<DWORD>(std::wcstoul(argv[5], nullptr, 10));
    const std::wstring exe = argv[6];
    std::wstring commandLine = quoted(exe);
    for (int i = 7; i < argc; ++i) commandLine += L" " + quoted(argv[i]);
    std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") == std::wstring::npos ? 0 : exe.find_last_of(L"\\/"));

    LARGE_INTEGER frequency, started, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi)) {
        complain("cannot start " + narrow(exe) + " (error " + std::to_string(GetLastError()) + ")");
        return 1;
    }
    CloseHandle(pi.hThread);

    Search search{pi.dwProcessId, &name, needRegion, controls, false};
    double elapsedMs = 0;
    for (;;) {
        EnumWindows(visitTopLevel, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        elapsedMs =
            1000.0 * static_cast<double>(now.QuadPart - started.QuadPart) / static_cast<double>(frequency.QuadPart);
        if (search.found) break;
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) {
            DWORD status = 0;
            GetExitCodeProcess(pi.hProcess, &status);
            complain("the program ended with status " + std::to_string(status) + " before its window showed");
            CloseHandle(pi.hProcess);
            return 1;
        }
        if (elapsedMs > timeoutMs) {
            complain("no visible window " + narrow(name) + " within " + std::to_string(timeoutMs) + " ms");
            TerminateProcess(pi.hProcess, 1);
            CloseHandle(pi.hProcess);
            return 1;
        }
        // Polling costs the program a little CPU on a small machine; 2 ms keeps the error
        // well under the figures measured (hundreds of milliseconds).
        Sleep(2);
    }
    char line[96];
    std::snprintf(line, sizeof line, "ms=%.1f pid=%lu", elapsedMs, static_cast<unsigned long>(pi.dwProcessId));
    say(line);
    if (end) {
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 10000);
    }
    CloseHandle(pi.hProcess);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The C runtime has split the command line already (-municode); shell32 is not linked.
    const int argc = __argc;
    wchar_t** argv = __wargv;
    if (argv && argc >= 2 && std::wcscmp(argv[1], L"launch") == 0) return launch(argc, argv);
    complain("usage: footprint_probe launch NAME plain|region:N end|keep TIMEOUT_MS EXE [ARGS...]");
    return 1;
}
