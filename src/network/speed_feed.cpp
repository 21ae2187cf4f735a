#include "network/speed_feed.h"

#include <algorithm>
#include <cmath>

#include "network/number_text.h"

namespace sparvane::network {

SpeedFeed::SpeedFeed(forms::Form& networkWindow, platform::Locale& locale, shell::Widget& widget,
                     forms::Label& incomingFigure, forms::Label& outgoingFigure)
    : Text1(networkWindow.add<forms::TextBox>("Text1")),
      PB1(networkWindow.add<forms::ProgressBar>("PB1")),
      Text2(networkWindow.add<forms::TextBox>("Text2")),
      PB2(networkWindow.add<forms::ProgressBar>("PB2")),
      locale_(locale),
      widget_(widget),
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
    const std::string decimal = locale_.decimalSeparator();
    text.setText(formatGeneral(parseLeadingNumber(figure.caption(), decimal) * 8, decimal));

    // Referring to the widget loads it if it is not loaded (it is not shown by this).
    widget_.showFigure(download ? shell::Widget::Figure::Download : shell::Widget::Figure::Upload, text.text(),
                       static_cast<double>(static_cast<float>(bar.value())));
}

void SpeedFeed::textChanged(forms::TextBox& text, forms::ProgressBar& bar) {
    const auto value = parseNumber(text.text(), locale_.decimalSeparator(), locale_.thousandsSeparator());
    // A text that does not read as a number leaves the bar alone. A figure beyond the
    // bar's range fills it and a negative one empties it: a bar left where it was would
    // say nothing about any line faster than 100 kilobits a second. The position is kept
    // in single precision, as the bar takes it.
    if (!value || std::isnan(*value)) return;
    (void)bar.setValue(static_cast<float>(std::clamp(*value, bar.min(), bar.max())));
}

}  // namespace sparvane::network
