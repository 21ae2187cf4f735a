#pragma once
// The dial-up window ("frmDialup"): the dial-up panel in a window of its own, opened from
// the notification-area menu. Nothing of dial-up networking is read before the user opens
// it: the panel is prepared when the window first loads and released when it unloads with
// the program. The close box only hides it, so a connection made here stays up and the log
// is still there the next time the window is opened.
#include "dialup/dialup_panel.h"
#include "forms/application.h"
#include "forms/form.h"

namespace sparvane::dialup {

class DialupWindow : public forms::Form {
public:
    DialupWindow(forms::Application& app, DialupPanel::Services services);

    void onLoad() override;
    void onQueryUnload(int& cancel, int unloadMode) override;
    void onUnload(int& cancel) override;

    DialupPanel& panel() { return panel_; }

private:
    DialupPanel panel_;
};

}  // namespace sparvane::dialup
