#pragma once
// The notification-area entry.
#include <string>

#include "platform/types.h"

namespace platform {

namespace tray_flags {
constexpr unsigned kMessage = 1;
constexpr unsigned kIcon = 2;
constexpr unsigned kTip = 4;
}  // namespace tray_flags

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
};

}  // namespace platform
