#include "screenguard/screen_guard.h"

#include "forms/types.h"
#include "screenguard/screen_guard_window.h"

namespace sparvane::screenguard {

// The message comes first: once the veil is up the mouse can do nothing else, so the user
// must know the way out before it appears.
void openScreenGuard(forms::Application& app) {
    (void)app.msgBox("Double click on screen guard to close", forms::msgbox::kOkOnly);
    ScreenGuardWindow& guard = app.form<ScreenGuardWindow>();
    guard.show();
    guard.zOrderTop();
}

}  // namespace sparvane::screenguard
