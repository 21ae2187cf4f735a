#pragma once
// What the other windows may do to the widget (Form1). The shell owns the widget and hands
// this interface out, so cleaning and network reach it without including the shell's forms.
// Every call refers to the widget, which loads it if it is not loaded (it is not shown by
// that), just as the program's windows always referred to each other.
#include <string>

#include "forms/types.h"
#include "platform/types.h"

namespace sparvane::shell {

class Widget {
public:
    enum class Figure { Download, Upload };

    // Writes a traffic figure (kilobits per second, in full; the label shows it rounded) and
    // moves the bar under it, held to the bar's own range.
    virtual void showFigure(Figure figure, const std::string& text, double bar) = 0;
    // The frame round the column: the junk indicator.
    virtual void setFrameColor(forms::Color color) = 0;
    // The widget's window, owner of what the shell shows on its behalf.
    [[nodiscard]] virtual platform::WindowHandle ownerWindow() = 0;
    virtual void show() = 0;

protected:
    ~Widget() = default;
};

}  // namespace sparvane::shell
