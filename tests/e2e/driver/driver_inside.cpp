// Whether a form's controls lie inside its client area, as the user sees them: each named
// control window's rectangle against the form's client rectangle, both on the screen.
#include "driver.h"

namespace driver {
namespace {

struct InsideCheck {
    RECT client{};
    int controls = 0;
    int outside = 0;
};

BOOL CALLBACK check_control(HWND hwnd, LPARAM param) {
    auto& check = *reinterpret_cast<InsideCheck*>(param);
    const auto name = window_name(hwnd);
    if (!name) return TRUE;
    RECT r{};
    GetWindowRect(hwnd, &r);
    const RECT& c = check.client;
    const bool inside = r.left >= c.left && r.top >= c.top && r.right <= c.right && r.bottom <= c.bottom;
    ++check.controls;
    check.outside += inside ? 0 : 1;
    out(utf8(*name) + " " + std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
        std::to_string(r.bottom) + (inside ? " inside" : " OUTSIDE"));
    return TRUE;
}

}  // namespace

int cmd_inside(const Args& a) {
    HWND form = resolve(a[0], nullptr);
    if (!form) return 1;
    make_control_windows(form);  // a form not yet on screen has none of its own
    InsideCheck check;
    GetClientRect(form, &check.client);
    MapWindowPoints(form, nullptr, reinterpret_cast<POINT*>(&check.client), 2);
    out("client " + std::to_string(check.client.left) + " " + std::to_string(check.client.top) + " " +
        std::to_string(check.client.right) + " " + std::to_string(check.client.bottom));
    EnumChildWindows(form, check_control, reinterpret_cast<LPARAM>(&check));
    if (check.controls == 0) {
        err(utf8(a[0]) + " has no named control windows");
        return 1;
    }
    if (check.outside == 0) return 0;
    err(std::to_string(check.outside) + " of " + std::to_string(check.controls) +
        " controls lie outside the client area");
    return 1;
}

}  // namespace driver
