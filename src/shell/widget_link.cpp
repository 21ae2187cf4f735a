#include "shell/widget_link.h"

#include "shell/form1.h"

namespace sparvane::shell {

void WidgetLink::setFrameColor(forms::Color color) { app_.form<Form1>().Shape1.setBorderColor(color); }

platform::WindowHandle WidgetLink::ownerWindow() { return app_.form<Form1>().hWnd(); }

void WidgetLink::show() { app_.form<Form1>().show(); }

}  // namespace sparvane::shell
