#pragma once
// Carries the traffic figures of the network window to the widget: each figure change
// becomes kilobits (x 8) in a hidden text box and bar, which are copied to the widget's
// figure label and bar. Download and upload take the same path.
#include "forms/control.h"
#include "forms/form.h"
#include "platform/desktop.h"
#include "seams/widget.h"

namespace sparvane::network {

class SpeedFeed {
public:
    // Adds Text1, Text2, PB1 and PB2 to the network window and watches the two figures.
    SpeedFeed(forms::Form& networkWindow, platform::Locale& locale, shell::Widget& widget, forms::Label& incomingFigure,
              forms::Label& outgoingFigure);
    SpeedFeed(const SpeedFeed&) = delete;
    SpeedFeed& operator=(const SpeedFeed&) = delete;

    forms::TextBox& Text1;    // incoming kilobits per second, as text
    forms::ProgressBar& PB1;  // the same as a bar position, 0..100
    forms::TextBox& Text2;    // outgoing kilobits per second
    forms::ProgressBar& PB2;

private:
    enum class Direction { Download, Upload };
    void figureChanged(Direction d);
    void textChanged(forms::TextBox& text, forms::ProgressBar& bar);

    platform::Locale& locale_;
    shell::Widget& widget_;
    forms::Label& Label8;
    forms::Label& Label6;
};

}  // namespace sparvane::network
