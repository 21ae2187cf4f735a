#pragma once
// The notification-area entry.
#include <string>

#include "platform/types.h"

namespace platform {

namespace tray_flags {
constexpr unsigned kMessage = 1;
constexpr unsigned kIcon = 2;
constexpr unsigned kTip = 4;
// With the version 4 behaviour the shell shows the tip as the icon's tooltip only when
// asked to; otherwise it waits for the program to draw its own pop-up.
constexpr unsigned kShowTip = 0x80;
}  // namespace tray_flags

// The message the shell sends the owner window about its icon (WM_APP + 2). With the
// version 4 behaviour the low word of lParam says what happened (tray_events) and wParam
// carries the anchor point in screen pixels.
constexpr unsigned kTrayCallbackMessage = 0x8002;

namespace tray_events {
constexpr unsigned kSelect = 0x400;      // NIN_SELECT: a click
constexpr unsigned kKeySelect = 0x401;   // NIN_KEYSELECT: Enter or Space on the focused icon
constexpr unsigned kContextMenu = 0x7B;  // WM_CONTEXTMENU: right click, Shift+F10, the menu key
}  // namespace tray_events

struct TrayIconData {
    WindowHandle window = 0;
    unsigned id = 0;
    unsigned flags = 0;
    unsigned callbackMessage = 0;
    bool programIcon = false;  // show the program's own icon
    std::string tip;           // at most 127 characters reach the system
};

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    [[nodiscard]] virtual bool add(const TrayIconData& data) = 0;     // NIM_ADD
    [[nodiscard]] virtual bool modify(const TrayIconData& data) = 0;  // NIM_MODIFY
    [[nodiscard]] virtual bool remove(const TrayIconData& data) = 0;  // NIM_DELETE
    // NIM_SETVERSION with NOTIFYICON_VERSION_4: clicks, keyboard selection and the
    // context-menu request arrive as tray_events instead of raw mouse messages.
    [[nodiscard]] virtual bool useVersion4(const TrayIconData& data) = 0;
};

}  // namespace platform
