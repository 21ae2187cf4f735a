#include "win32/screen_dpi_win32.h"

#include "forms/screen_dpi.h"
#include "win32/gdi_guards.h"
#include "win32/system_library.h"

namespace win32 {

unsigned windowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    // user32 is loaded with the program (a static import and a KnownDLL): no search.
    static const auto getDpiForWindow = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 ? reinterpret_cast<GetDpiForWindowFn>(
                            reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    return getDpiForWindow && window ? getDpiForWindow(window) : 0;
}

unsigned monitorDpi(HMONITOR monitor) {
    // MDT_EFFECTIVE_DPI (0): the DPI the user's scale setting gives the monitor.
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor = shellCoreLibrary().find<GetDpiForMonitorFn>("GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (!getDpiForMonitor || !monitor || FAILED(getDpiForMonitor(monitor, 0, &x, &y))) return 0;
    return x;
}

int systemDpi() {
    const WindowDC screen(nullptr);
    return screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
}

int dpiOfWindow(HWND window) {
    return forms::chooseDpi(windowDpi(window), monitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY)),
                            systemDpi());
}

int primaryMonitorDpi() {
    return forms::chooseDpi(0, monitorDpi(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)), systemDpi());
}

}  // namespace win32
