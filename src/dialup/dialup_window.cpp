#include "dialup/dialup_window.h"

#include <utility>

namespace sparvane::dialup {

DialupWindow::DialupWindow(forms::Application& app, DialupPanel::Services services)
    : forms::Form(app, "frmDialup"), panel_(*this, std::move(services)) {
    // The name the menu entry leads to; the panel's heading carries the product's name.
    setCaption("Dial-up");
    // A dialog-like window: the panel's layout is fixed, so the window has no sizing frame.
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setStartUpPosition(forms::StartUpPosition::CenterScreen);
    setBackColor(DialupPanel::kBackColor);
    setClientSizeTwips(DialupPanel::kWidthTwips, DialupPanel::kHeightTwips);
}

void DialupWindow::onLoad() { panel_.prepare(); }

// Closing by hand keeps the window loaded and only puts it away: unloading would release
// the dial-up object, and the user closing a window does not mean hanging up. Every other
// unload (the program's exit, the session's end) goes ahead.
void DialupWindow::onQueryUnload(int& cancel, int unloadMode) {
    if (unloadMode != forms::unload_mode::kFormControlMenu) return;
    cancel = 1;
    hide();
}

void DialupWindow::onUnload(int&) { panel_.release(); }

}  // namespace sparvane::dialup
