#include "network/speed_feed.h"

#include <algorithm>
#include <cmath>

#include "network/number_text.h"
#include "shell/form1.h"

namespace sparvane::network {

SpeedFeed::SpeedFeed(forms::Form& networkWindow, Context& ctx, forms::Label& incomingFigure,
                     forms::Label& outgoingFigure)
    : Text1(networkWindow.add<forms::TextBox>("Text1")),
      PB1(networkWindow.add<forms::ProgressBar>("PB1")),
      Text2(networkWindow.add<forms::TextBox>("Text2")),
      PB2(networkWindow.add<forms::ProgressBar>("PB2")),
      ctx_(ctx),
      Label8(incomingFigure),
      Label6(outgoingFigure) {
    // The network window's client area is a few pixels; these sit beside the monitor's
    // controls, outside it, and are never seen.
    Text1.setBoundsTwips(9000, 1200, 1215, 285);
    PB1.setBoundsTwips(9000, 1560, 1215, 255);
    Text2.setBoundsTwips(9000, 2040, 1215, 285);
    PB2.setBoundsTwips(9000, 2400, 1215, 255);
    Text1.setText("Text1");
    Text2.setText("Text2");
    PB1.setRange(0, 100);
    PB2.setRange(0, 100);

    Label8.onChange = [this] { figureChanged(Direction::Download); };
    Label6.onChange = [this] { figureChanged(Direction::Upload); };
    Text1.onChange = [this] { textChanged(Text1, PB1); };
    Text2.onChange = [this] { textChanged(Text2, PB2); };
}

void SpeedFeed::figureChanged(Direction d) {
    const bool download = d == Direction::Download;
    const forms::Label& figure = download ? Label8 : Label6;
    forms::TextBox& text = download ? Text1 : Text2;
    forms::ProgressBar& bar = download ? PB1 : PB2;

    // The figure was written in the user's decimal separator, so it is read back in the
    // same one; reading it with "." would cut 12,345 to 12 in many locales.
    const std::string decimal = ctx_.services.locale.decimalSeparator();
    text.setText(formatGeneral(parseLeadingNumber(figure.caption(), decimal) * 8, decimal));

    // Referring to the widget loads it if it is not loaded (it is not shown by this).
    auto& widget = ctx_.app.form<shell::Form1>();
    forms::Label& widgetFigure = download ? widget.Label1 : widget.Label2;
    forms::ProgressBar& widgetBar = download ? widget.p1 : widget.p2;
    widgetFigure.setCaption(text.text());
    // Both bars have the range 0..100; the widget's bar is held to its own range all the
    // same, so that it too is full, not frozen, should the ranges ever differ.
    (void)widgetBar.setValue(
        std::clamp(static_cast<double>(static_cast<float>(bar.value())), widgetBar.min(), widgetBar.max()));
}

void SpeedFeed::textChanged(forms::TextBox& text, forms::ProgressBar& bar) {
    const auto value = parseNumber(text.text(), ctx_.services.locale.decimalSeparator(),
                                   ctx_.services.locale.thousandsSeparator());
    // A text that does not read as a number leaves the bar alone. A figure beyond the
    // bar's range fills it and a negative one empties it: a bar left where it was would
    // say nothing about any line faster than 100 kilobits a tick. The position is kept
    // in single precision, as the bar takes it.
    if (!value || std::isnan(*value)) return;
    (void)bar.setValue(static_cast<float>(std::clamp(*value, bar.min(), bar.max())));
}

}  // namespace sparvane::network
