#include "network/tray_entry.h"

namespace sparvane::network {

TrayEntry::TrayEntry(forms::Form& owner, platform::TrayIcon& icon)
    : retryTimer(owner.add<forms::Timer>("tmrTrayRetry")), owner_(owner), icon_(icon) {
    retryTimer.setTimerEnabled(false);
    retryTimer.setInterval(kRetryMs);
    retryTimer.onTimer = [this] { tryToShow(); };
}

void TrayEntry::show(const std::string& tip) {
    data_ = {};
    data_.window = owner_.hWnd();
    data_.id = 0;
    data_.flags = platform::tray_flags::kMessage | platform::tray_flags::kIcon | platform::tray_flags::kTip |
                  platform::tray_flags::kShowTip;
    data_.callbackMessage = platform::kTrayCallbackMessage;
    // The entry needs a picture to be seen at all; it shows the program's own icon.
    data_.programIcon = true;
    data_.tip = tip;
    wanted_ = true;
    tryToShow();
}

void TrayEntry::tryToShow() {
    // An icon still there (the taskbar was announced again without being lost) refuses a
    // second add; the modify then tells it is shown.
    shown_ = icon_.add(data_) || icon_.modify(data_);
    if (shown_) {
        // Clicks, Enter and the menu key come as events, with the anchor point. A shell
        // that refuses sends mouse messages, which the program leaves alone.
        (void)icon_.useVersion4(data_);
    }
    retryTimer.setTimerEnabled(!shown_);
}

void TrayEntry::setTip(const std::string& tip) {
    data_.tip = tip;
    if (!shown_) return;  // a retry takes the new tip along
    if (!icon_.modify(data_)) {
        // Explorer went away with our icon; its "TaskbarCreated" may come, or may have been
        // missed: the retry covers both.
        shown_ = false;
        retryTimer.setTimerEnabled(true);
    }
}

void TrayEntry::remove() {
    wanted_ = false;
    retryTimer.setTimerEnabled(false);
    (void)icon_.remove(data_);
    shown_ = false;
}

void TrayEntry::taskbarCreated() {
    if (!wanted_) return;  // not added yet (the network window's load does it), or removed
    tryToShow();
}

}  // namespace sparvane::network
