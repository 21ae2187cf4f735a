#pragma once
// What the notification-area icon does: a click, or Enter on the icon, brings the widget in
// front of other programs' windows; a right click, Shift+F10 or the menu key opens the menu
// of the program's windows and Exit.
#include <vector>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/types.h"

namespace sparvane::shell {

namespace tray_command {
constexpr int kShowWidget = 1;
constexpr int kTraffic = 2;
constexpr int kDialup = 3;
constexpr int kAbout = 4;
constexpr int kExit = 5;
}  // namespace tray_command

class TrayMenu {
public:
    explicit TrayMenu(forms::Application& app) : app_(app) {}

    // "Show widget" (the default), "Traffic...", "Dial-up...", "About", a separator, "Exit".
    [[nodiscard]] static const std::vector<forms::MenuEntry>& entries();

    // The icon owned by `owner` was used; a menu opens at (x, y), screen pixels.
    void iconUsed(forms::Form& owner, forms::TrayIconEvent event, int x, int y);
    // One of the menu's commands; 0 (the menu was dismissed) does nothing.
    void run(int command);

private:
    void bringForward(forms::Form& window);

    forms::Application& app_;
};

}  // namespace sparvane::shell
