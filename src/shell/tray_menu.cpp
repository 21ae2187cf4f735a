#include "shell/tray_menu.h"

#include "dialup/dialup_window.h"
#include "network/traffic_window.h"
#include "shell/widget_window.h"

namespace sparvane::shell {

const std::vector<forms::MenuEntry>& TrayMenu::entries() {
    static const std::vector<forms::MenuEntry> menu = {
        {tray_command::kShowWidget, "Show widget", true},
        {tray_command::kTraffic, "Traffic...", false},
        {tray_command::kDialup, "Dial-up...", false},
        {tray_command::kAbout, "About", false},
        {0, "", false},
        {tray_command::kExit, "Exit", false},
    };
    return menu;
}

void TrayMenu::iconUsed(forms::Form& owner, forms::TrayIconEvent event, int x, int y) {
    if (event == forms::TrayIconEvent::ContextMenu)
        run(owner.popUpMenu(entries(), x, y));
    else
        run(tray_command::kShowWidget);
}

void TrayMenu::run(int command) {
    switch (command) {
        case tray_command::kShowWidget: bringForward(app_.form<WidgetWindow>()); break;
        case tray_command::kTraffic: bringForward(app_.form<network::TrafficWindow>()); break;
        case tray_command::kDialup: bringForward(app_.form<dialup::DialupWindow>()); break;
        case tray_command::kAbout: app_.form<WidgetWindow>().showAbout(); break;
        // The same end as the widget's Close Widget button: icon removed, status 0.
        case tray_command::kExit: app_.form<WidgetWindow>().closeWidget(); break;
        default: break;
    }
}

void TrayMenu::bringForward(forms::Form& window) {
    window.show();
    window.bringToForeground();
}

}  // namespace sparvane::shell
