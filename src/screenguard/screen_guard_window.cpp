#include "screenguard/screen_guard_window.h"

namespace sparvane::screenguard {

ScreenGuardWindow::ScreenGuardWindow(forms::Application& app, platform::WindowManager& windows)
    : forms::Form(app, "Form4"), keyboardTrap(add<forms::TextBox>("Text1")), windows_(windows) {
    setCaption("Form4");
    // No caption bar and no frame: a double click anywhere on the veil closes it, and no
    // drag or double click on a title can turn it into a small window. Alt+F4 still
    // closes it, the keyboard's way out.
    setBorderStyle(forms::BorderStyle::None);
    setHasIcon(false);
    setBackColor(forms::kSystemButtonFace);
    setStartUpPosition(forms::StartUpPosition::WindowsDefault);
    setClientSizeTwips(13350, 9060);
    setWindowState(forms::WindowState::Maximized);
    // Left of the client area, so it is never seen; being the only control that can take
    // the focus, it swallows whatever is typed while the veil is up.
    keyboardTrap.setBoundsTwips(-960, 3960, 150, 285);
    keyboardTrap.setText("Text1");
}

// Each step is tried on its own: a veil that could not be made topmost is still
// translucent, and one that could not be made translucent is still on top.
void ScreenGuardWindow::onLoad() {
    auto& windows = windows_;
    const forms::WindowHandle window = hWnd();
    (void)windows.setWindowPos(window, platform::InsertAfter::TopMost, platform::swp::kNoMove | platform::swp::kNoSize);
    // Writing the extended style back without having read it would clear its other bits.
    if (const auto exStyle = windows.exStyle(window))
        (void)windows.setExStyle(window, *exStyle | platform::kWsExLayered);
    (void)windows.setLayeredAttributes(window, 0, kVeilAlpha, platform::kLwaAlpha);
}

void ScreenGuardWindow::onActivate() { keyboardTrap.setFocus(); }

// The one way out. The next Screen Guard click loads a fresh veil.
void ScreenGuardWindow::onDoubleClick() { (void)unload(); }

}  // namespace sparvane::screenguard
