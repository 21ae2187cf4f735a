// Commands that change the display under the running program, as a user changing the
// resolution would (the system then tells every top-level window), and report it.
#include "driver.h"

#include <cwchar>

namespace driver {
namespace {

std::optional<int> positive(const std::wstring& text) {
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, 10);
    if (text.empty() || *end != L'\0' || value <= 0) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

int cmd_display_mode(const Args& a) {
    const auto width = positive(a[0]), height = positive(a[1]);
    if (!width || !height) {
        err("display-mode: width and height must be positive numbers");
        return 1;
    }
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = static_cast<DWORD>(*width);
    mode.dmPelsHeight = static_cast<DWORD>(*height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    if (result != DISP_CHANGE_SUCCESSFUL) {
        err("ChangeDisplaySettingsEx refused the mode: " + std::to_string(result));
        return 1;
    }
    out(std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " + std::to_string(GetSystemMetrics(SM_CYSCREEN)));
    return 0;
}

}  // namespace driver

namespace driver {

int cmd_display(const Args&) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    const auto box = [](const RECT& r) {
        return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
               std::to_string(r.bottom);
    };
    out("screen " + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " +
        std::to_string(GetSystemMetrics(SM_CYSCREEN)));
    out("work-area " + box(work));
    out("monitor " + box(mi.rcMonitor));
    out("monitor-work " + box(mi.rcWork));
    return 0;
}

}  // namespace driver
