#include "shell/widget_link.h"

#include "shell/widget_window.h"

namespace sparvane::shell {

void WidgetLink::setFrameColor(forms::Color color) { app_.form<WidgetWindow>().junkFrame.setBorderColor(color); }

platform::WindowHandle WidgetLink::ownerWindow() { return app_.form<WidgetWindow>().hWnd(); }

void WidgetLink::show() { app_.form<WidgetWindow>().show(); }

}  // namespace sparvane::shell
