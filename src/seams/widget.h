#pragma once
// What the other windows may do to the widget (WidgetWindow). The shell owns the widget and hands
// this interface out, so the cleaning windows reach it without including the shell's forms.
// Every call refers to the widget, which loads it if it is not loaded (it is not shown by
// that), just as the program's windows always referred to each other.
#include "forms/types.h"
#include "platform/types.h"

namespace sparvane::shell {

class Widget {
public:
    // The frame round the column: the junk indicator.
    virtual void setFrameColor(forms::Color color) = 0;
    // The widget's window, owner of what the shell shows on its behalf.
    [[nodiscard]] virtual platform::WindowHandle ownerWindow() = 0;
    virtual void show() = 0;

protected:
    ~Widget() = default;
};

}  // namespace sparvane::shell
