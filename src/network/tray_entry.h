#pragma once
// The program's notification-area icon, kept shown: added when the network window loads,
// tried again every few seconds until the notification area takes it (started from the Run
// key at logon, the program may come up before the taskbar exists), added again when
// Explorer makes the taskbar anew, its tip refreshed with every traffic tick. What the user
// does with the icon reaches the owner form's onTrayIcon.
#include <string>

#include "forms/control.h"
#include "forms/form.h"
#include "platform/tray_icon.h"

namespace sparvane::network {

class TrayEntry {
public:
    static constexpr int kRetryMs = 3000;

    // Adds the retry timer to the owner form, whose window will own the icon.
    TrayEntry(forms::Form& owner, platform::TrayIcon& icon);
    TrayEntry(const TrayEntry&) = delete;
    TrayEntry& operator=(const TrayEntry&) = delete;

    // Adds the icon with this tip, or keeps trying until the notification area takes it.
    void show(const std::string& tip);
    // The new tip goes to the icon; an icon found gone is added again.
    void setTip(const std::string& tip);
    // NIM_DELETE, and no more retries; harmless when the icon is already gone.
    void remove();
    // "TaskbarCreated": the icons the taskbar showed are gone (or, when it is sent for
    // another reason, ours may still be there).
    void taskbarCreated();

    [[nodiscard]] bool shown() const { return shown_; }
    [[nodiscard]] const platform::TrayIconData& data() const { return data_; }

    forms::Timer& retryTimer;

private:
    void tryToShow();

    forms::Form& owner_;
    platform::TrayIcon& icon_;
    platform::TrayIconData data_;
    bool wanted_ = false;  // between show and remove
    bool shown_ = false;   // the notification area has it, as far as the program knows
};

}  // namespace sparvane::network
