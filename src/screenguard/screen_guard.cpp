#include "screenguard/screen_guard.h"

#include "forms/types.h"
#include "screenguard/form4.h"

namespace sparvane::screenguard {

// The message comes first: once the veil is up the mouse can do nothing else, so the user
// must know the way out before it appears.
void openScreenGuard(forms::Application& app) {
    (void)app.msgBox("Double click on screen guard to close", forms::msgbox::kOkOnly);
    Form4& guard = app.form<Form4>();
    guard.show();
    guard.zOrderTop();
}

}  // namespace sparvane::screenguard
