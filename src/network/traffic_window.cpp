#include "network/traffic_window.h"

#include <algorithm>
#include <cstdint>

#include "forms/types.h"
#include "network/number_text.h"

namespace sparvane::network {

namespace {

constexpr forms::Color kDownloadFill = forms::rgb(255, 0, 0);  // as on the network window's charts
constexpr forms::Color kUploadFill = forms::rgb(30, 144, 255);
const forms::Font kWindowFont{"Tahoma", 8.25, false, false};

// Twips. Everything is placed in twips and the fonts are sized in points, so text and the
// room left for it grow together at 120 and 144 dpi.
constexpr double kMargin = 120;      // round the frames and inside them
constexpr double kCaptionTop = 240;  // a frame's first row, below its caption
constexpr double kRow = 240;         // one line of 8-point text with its leading
constexpr double kTotalsHeight = kCaptionTop + 3 * kRow + kMargin;
constexpr double kSmallestList = 1200;
constexpr double kRowTitleWidth = 1680;  // "Since start:", "In all:"

// The flows' row of figures: where each label starts and how wide it is. The highest
// figure takes what is left of the row.
constexpr double kNowTitleLeft = kMargin, kNowTitleWidth = 900;
constexpr double kNowLeft = 1020, kFigureWidth = 1500;
constexpr double kKilobitsTitleLeft = 2580, kKilobitsTitleWidth = 600;
constexpr double kKilobitsLeft = 3180;
constexpr double kHighestTitleLeft = 4740, kHighestTitleWidth = 1260;
constexpr double kHighestLeft = 6000;

forms::Label& titledLabel(forms::Form& form, const std::string& name, forms::Control& container,
                          const char* caption = "") {
    auto& label = form.add<forms::Label>(name);
    label.setContainer(&container);
    label.setCaption(caption);
    return label;
}

// A byte count with the locale's digit grouping; the number formatter writes nothing for 0.
std::string byteText(std::uint64_t bytes, const std::string& thousands) {
    return bytes == 0 ? "0" : formatTotal(bytes, thousands);
}

std::string rowName(const platform::InterfaceRow& row) {
    if (row.alias.empty() || row.alias == row.description)
        return row.description.empty() ? "Interface " + std::to_string(row.index) : row.description;
    if (row.description.empty()) return row.alias;
    return row.alias + " (" + row.description + ")";
}

}  // namespace

std::string interfaceListText(const InterfaceReading* reading, const std::vector<RowVerdict>& verdicts) {
    if (reading == nullptr || !reading->ok) return "No reading of the interface table.";
    std::string text;
    const std::size_t rows = std::min(reading->rows.size(), verdicts.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const RowVerdict verdict = verdicts[i];
        if (!text.empty()) text += "\n";
        text += rowName(reading->rows[i]) + ": ";
        text += verdict == RowVerdict::Counted ? std::string(verdictText(verdict))
                                               : "not counted (" + std::string(verdictText(verdict)) + ")";
    }
    return text;
}

TrafficWindow::FlowView::FlowView(forms::Form& form, const std::string& direction)
    : frame(form.add<forms::Frame>("fra" + direction)),
      chart(form.add<forms::Chart>("cht" + direction)),
      nowTitle(titledLabel(form, "lbl" + direction + "NowTitle", frame, "Now, kB/s:")),
      now(titledLabel(form, "lbl" + direction + "Now", frame)),
      kilobitsTitle(titledLabel(form, "lbl" + direction + "KilobitsTitle", frame, "kbit/s:")),
      kilobits(titledLabel(form, "lbl" + direction + "Kilobits", frame)),
      highestTitle(titledLabel(form, "lbl" + direction + "HighestTitle", frame, "Highest, kB/s:")),
      highest(titledLabel(form, "lbl" + direction + "Highest", frame)) {
    frame.setCaption(direction);
    chart.setContainer(&frame);
}

TrafficWindow::TrafficWindow(forms::Application& app, const TrafficMeter& meter, platform::Locale& locale)
    : forms::Form(app, "frmTraffic"),
      download(*this, "Download"),
      upload(*this, "Upload"),
      totalsFrame(add<forms::Frame>("fraTotals")),
      receivedTitle(titledLabel(*this, "lblReceivedTitle", totalsFrame, "Received, bytes")),
      sentTitle(titledLabel(*this, "lblSentTitle", totalsFrame, "Sent, bytes")),
      sinceStartTitle(titledLabel(*this, "lblSinceStartTitle", totalsFrame, "Since start:")),
      inAllTitle(titledLabel(*this, "lblInAllTitle", totalsFrame, "In all:")),
      receivedSinceStart(titledLabel(*this, "lblReceivedSinceStart", totalsFrame)),
      sentSinceStart(titledLabel(*this, "lblSentSinceStart", totalsFrame)),
      receivedInAll(titledLabel(*this, "lblReceivedInAll", totalsFrame)),
      sentInAll(titledLabel(*this, "lblSentInAll", totalsFrame)),
      interfacesFrame(add<forms::Frame>("fraInterfaces")),
      interfaceList(add<forms::TextBox>("txtInterfaces")),
      meter_(meter),
      locale_(locale) {
    setCaption("Traffic");
    // An ordinary window the user opened on purpose: in the taskbar and in Alt+Tab, so that
    // it is not lost behind other windows while it is open.
    setBorderStyle(forms::BorderStyle::Sizable);
    setShowInTaskbar(true);
    setStartUpPosition(forms::StartUpPosition::CenterScreen);
    setFont(kWindowFont);
    setClientSizeTwips(8400, 7800);  // 700 x 650 pixels at 120 dpi: fits a 1366 x 768 screen
    setMinimumClientSizeTwips(kMinClientWidth, kMinClientHeight);
    setUpFlow(download, kDownloadFill);
    setUpFlow(upload, kUploadFill);
    totalsFrame.setCaption("Bytes");
    interfacesFrame.setCaption("Interfaces");
    interfaceList.setContainer(&interfacesFrame);
    interfaceList.setMultiLine(true, true);
    interfaceList.setLocked(true);
}

void TrafficWindow::setUpFlow(FlowView& view, forms::Color fill) {
    for (int series = 1; series <= SpeedHistory::kSlots; ++series) view.chart.setSeriesColor(series, fill);
}

void TrafficWindow::onLoad() {
    layOutControls();
    showTraffic();  // a window opened between two ticks shows the last one at once
}

void TrafficWindow::onResize() {
    if (windowState() == forms::WindowState::Minimized) return;  // no client area to lay out
    (void)holdToMinimumSize();
    layOutControls();
}

// A new DPI gives the frame and caption other sizes in twips, and so the client area.
void TrafficWindow::onDisplayChanged() { onResize(); }

void TrafficWindow::onQueryUnload(int& cancel, int unloadMode) {
    // Closing only puts the window away, as for any window a tray entry opens; the meter
    // runs on without it. Code and the session's end unload it.
    if (unloadMode != forms::unload_mode::kFormControlMenu) return;
    cancel = 1;
    hide();
}

// Smaller than the layout's minimum, the figures would be cut off. The system stops a
// dragged frame there; a window made smaller some other way (moved from code, a DPI
// change) grows back to it. True when it had to.
bool TrafficWindow::holdToMinimumSize() {
    if (windowState() != forms::WindowState::Normal) return false;
    const double clientWidth = scaleWidth(), clientHeight = scaleHeight();
    if (clientWidth >= kMinClientWidth && clientHeight >= kMinClientHeight) return false;
    const double frameWidth = width() - clientWidth, frameHeight = height() - clientHeight;
    move(left(), top(), std::max(clientWidth, kMinClientWidth) + frameWidth,
         std::max(clientHeight, kMinClientHeight) + frameHeight);
    return true;
}

// Top to bottom: download, upload, totals, interfaces, each the client area's width. The
// totals keep their height; the interface list gets a third of the rest, the charts the
// remainder.
void TrafficWindow::layOutControls() {
    const double width = std::max(scaleWidth(), kMinClientWidth) - 2 * kMargin;
    // A margin above and below, one between each two of the four frames.
    const double height = std::max(scaleHeight(), kMinClientHeight) - 5 * kMargin;
    const double rest = height - kTotalsHeight;
    const double listHeight = std::max(kSmallestList, rest / 3);
    const double flowHeight = (rest - listHeight) / 2;
    double top = layOutFlow(download, kMargin, width, flowHeight);
    top = layOutFlow(upload, top, width, flowHeight);
    layOutTotals(top, width);
    top += kTotalsHeight + kMargin;
    interfacesFrame.setBoundsTwips(kMargin, top, width, listHeight);
    interfaceList.setBoundsTwips(kMargin, kCaptionTop, width - 2 * kMargin, listHeight - kCaptionTop - kMargin);
}

// Returns where the next frame starts.
double TrafficWindow::layOutFlow(FlowView& view, double top, double width, double height) {
    view.frame.setBoundsTwips(kMargin, top, width, height);
    view.nowTitle.setBoundsTwips(kNowTitleLeft, kCaptionTop, kNowTitleWidth, kRow);
    view.now.setBoundsTwips(kNowLeft, kCaptionTop, kFigureWidth, kRow);
    view.kilobitsTitle.setBoundsTwips(kKilobitsTitleLeft, kCaptionTop, kKilobitsTitleWidth, kRow);
    view.kilobits.setBoundsTwips(kKilobitsLeft, kCaptionTop, kFigureWidth, kRow);
    view.highestTitle.setBoundsTwips(kHighestTitleLeft, kCaptionTop, kHighestTitleWidth, kRow);
    view.highest.setBoundsTwips(kHighestLeft, kCaptionTop, width - kHighestLeft - kMargin, kRow);
    const double chartTop = kCaptionTop + kRow + kMargin / 2;
    view.chart.setBoundsTwips(kMargin, chartTop, width - 2 * kMargin, height - chartTop - kMargin);
    return top + height + kMargin;
}

// A grid: received and sent in the columns, since start and in all in the rows.
void TrafficWindow::layOutTotals(double top, double width) {
    totalsFrame.setBoundsTwips(kMargin, top, width, kTotalsHeight);
    const double column = (width - kRowTitleWidth - 3 * kMargin) / 2;
    const double receivedLeft = kMargin + kRowTitleWidth, sentLeft = receivedLeft + column + kMargin;
    const double rows[] = {kCaptionTop, kCaptionTop + kRow, kCaptionTop + 2 * kRow};
    receivedTitle.setBoundsTwips(receivedLeft, rows[0], column, kRow);
    sentTitle.setBoundsTwips(sentLeft, rows[0], column, kRow);
    sinceStartTitle.setBoundsTwips(kMargin, rows[1], kRowTitleWidth, kRow);
    receivedSinceStart.setBoundsTwips(receivedLeft, rows[1], column, kRow);
    sentSinceStart.setBoundsTwips(sentLeft, rows[1], column, kRow);
    inAllTitle.setBoundsTwips(kMargin, rows[2], kRowTitleWidth, kRow);
    receivedInAll.setBoundsTwips(receivedLeft, rows[2], column, kRow);
    sentInAll.setBoundsTwips(sentLeft, rows[2], column, kRow);
}

void TrafficWindow::showTraffic() {
    const std::string decimal = locale_.decimalSeparator();
    showFlow(download, meter_.incoming(), decimal);
    showFlow(upload, meter_.outgoing(), decimal);
    showTotals();
    showInterfaces();
}

void TrafficWindow::showFlow(FlowView& view, const TrafficFlow& flow, const std::string& decimal) {
    view.now.setCaption(formatGeneral(flow.kilobytesPerSecond, decimal));
    view.kilobits.setCaption(formatGeneral(flow.kilobitsPerSecond(), decimal));
    view.highest.setCaption(formatSingle(flow.record, decimal));
    view.chart.setData(flow.history.data());
}

void TrafficWindow::showTotals() {
    const std::string thousands = locale_.thousandsSeparator();
    const TrafficFlow& in = meter_.incoming();
    const TrafficFlow& out = meter_.outgoing();
    // Nothing is counted since the start on the first tick, which is the baseline.
    receivedSinceStart.setCaption(in.sinceStart ? byteText(*in.sinceStart, thousands) : "");
    sentSinceStart.setCaption(out.sinceStart ? byteText(*out.sinceStart, thousands) : "");
    receivedInAll.setCaption(byteText(in.tally.total(), thousands));
    sentInAll.setCaption(byteText(out.tally.total(), thousands));
}

// The rows change seldom; the text box is rewritten (and its scroll position lost) only
// when the text does.
void TrafficWindow::showInterfaces() {
    interfaceList.setText(interfaceListText(meter_.lastReading(), meter_.lastVerdicts()));
}

}  // namespace sparvane::network
