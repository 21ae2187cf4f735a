#include "shell/widget_link.h"

#include <algorithm>

#include "shell/form1.h"

namespace sparvane::shell {

void WidgetLink::showFigure(Figure figure, const std::string& text, double bar) {
    auto& widget = app_.form<Form1>();
    const bool download = figure == Figure::Download;
    forms::Label& label = download ? widget.Label1 : widget.Label2;
    forms::ProgressBar& widgetBar = download ? widget.p1 : widget.p2;
    label.setCaption(text);
    // The feed's bars and the widget's have the range 0..100; the widget's bar is held to
    // its own range all the same, so that it too is full, not frozen, should they differ.
    (void)widgetBar.setValue(std::clamp(bar, widgetBar.min(), widgetBar.max()));
}

void WidgetLink::setFrameColor(forms::Color color) { app_.form<Form1>().Shape1.setBorderColor(color); }

platform::WindowHandle WidgetLink::ownerWindow() { return app_.form<Form1>().hWnd(); }

void WidgetLink::show() { app_.form<Form1>().show(); }

}  // namespace sparvane::shell
