#pragma once
// The notification-area icon through Shell_NotifyIconW.
#include "platform/tray_icon.h"

namespace win32 {

// Owns the program's small icon: loaded on first use and destroyed with the service, so
// that refreshing the tip every half second does not create an icon each time.
class TrayIconWin32 final : public platform::TrayIcon {
public:
    TrayIconWin32() = default;
    TrayIconWin32(const TrayIconWin32&) = delete;
    TrayIconWin32& operator=(const TrayIconWin32&) = delete;
    ~TrayIconWin32() override;

    [[nodiscard]] bool add(const platform::TrayIconData& data) override;
    [[nodiscard]] bool modify(const platform::TrayIconData& data) override;
    [[nodiscard]] bool remove(const platform::TrayIconData& data) override;
    [[nodiscard]] bool useVersion4(const platform::TrayIconData& data) override;

private:
    [[nodiscard]] bool notify(unsigned message, const platform::TrayIconData& data);
    void* programIcon();  // HICON; nullptr when the resource is missing

    void* icon_ = nullptr;
    bool iconLoaded_ = false;
    bool iconShown_ = false;  // the entry already carries the program's icon
};

}  // namespace win32
