// Sparvane's entry point: the real services, the Win32 forms backend and the application;
// then the start-up the network window drives, and the message loop.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "forms/application.h"
#include "shell/context.h"
#include "shell/registration.h"
#include "sparvane/version.h"
#include "win32/real_services.h"
#include "win32/system_library.h"
#include "win32/text.h"
#include "win32/win32_backend.h"

namespace {

forms::AppInfo appInfoFromModule() {
    forms::AppInfo info;
    info.title = "Sparvane";
    // The project version in CMakeLists.txt, written by the build into sparvane/version.h.
    info.major = sparvane::version::kMajor;
    info.minor = sparvane::version::kMinor;
    info.revision = sparvane::version::kPatch;
    // Paths can exceed MAX_PATH; grow the buffer until the name fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) {
            path.clear();
            break;
        }
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        if (path.size() >= 32768) break;
        path.resize(path.size() * 2);
    }
    if (path.empty()) return info;
    const size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
    std::wstring file = slash == std::wstring::npos ? path : path.substr(slash + 1);
    if (const size_t dot = file.find_last_of(L'.'); dot != std::wstring::npos) file.resize(dot);
    info.exePath = win32::narrow(path);
    info.exeFolder = win32::narrow(folder);
    info.exeName = win32::narrow(file);
    return info;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Before anything can load a DLL: never from the program's own folder.
    win32::restrictDllSearchToSystem32();
    // The themed standard controls and the tool tips; the bars are drawn by the program.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    win32::RealServices services;
    win32::Win32Backend backend(instance);
    forms::Application app(backend, appInfoFromModule());
    backend.attach(app);
    sparvane::Context ctx{app, services.services()};
    sparvane::shell::registerForms(ctx);
    {
        win32::Win32Backend::InputScope startUp(backend);
        sparvane::shell::startProgram(ctx);
    }
    backend.runMessageLoop();
    return 0;
}
