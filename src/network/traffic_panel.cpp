#include "network/traffic_panel.h"

#include "forms/types.h"
#include "network/number_text.h"

namespace sparvane::network {

namespace {
constexpr forms::Color kIncomingFill = forms::rgb(255, 0, 0);
constexpr forms::Color kOutgoingFill = forms::rgb(30, 144, 255);

// All of the window's client area is a few pixels wide; the panel's controls lie to the
// right of it, from here on, so that even a shown network window shows none of them.
constexpr double kPanelLeft = 1200;

forms::Label& captionLabel(forms::Form& form, const char* name, int index, const char* caption,
                           forms::Control* container, double left, double top, double width) {
    auto& label = form.add<forms::Label>(name, index);
    label.setContainer(container);
    label.setBoundsTwips(left, top, width, 195);
    label.setCaption(caption);
    return label;
}
}  // namespace

TrafficPanel::TrafficPanel(forms::Form& networkWindow, TrafficMeter& meter, const Services& services)
    : form_(networkWindow),
      meter_(meter),
      services_(services),
      incomingFrame(networkWindow.add<forms::Frame>("Frame4")),
      incomingChart(networkWindow.add<forms::Chart>("MSChart1")),
      outgoingFrame(networkWindow.add<forms::Frame>("Frame5")),
      outgoingChart(networkWindow.add<forms::Chart>("MSChart2")),
      totalsFrame(networkWindow.add<forms::Frame>("Frame1")),
      receivedFrame(networkWindow.add<forms::Frame>("Frame3")),
      receivedLabel(networkWindow.add<forms::Label>("lblRecv")),
      sentFrame(networkWindow.add<forms::Frame>("Frame2")),
      sentLabel(networkWindow.add<forms::Label>("lblSent")),
      incomingFigure(networkWindow.add<forms::Label>("Label8")),
      outgoingFigure(networkWindow.add<forms::Label>("Label6")),
      incomingRecord(networkWindow.add<forms::Label>("RecordIncoming")),
      outgoingRecord(networkWindow.add<forms::Label>("RecordOutgoing")),
      startLabel(networkWindow.add<forms::Label>("Label1")),
      incomingKilobits(networkWindow.add<forms::TextBox>("Text1")),
      incomingBar(networkWindow.add<forms::ProgressBar>("PB1")),
      outgoingKilobits(networkWindow.add<forms::TextBox>("Text2")),
      outgoingBar(networkWindow.add<forms::ProgressBar>("PB2")),
      tickTimer(networkWindow.add<forms::Timer>("Timer1")),
      recordStartTimer(networkWindow.add<forms::Timer>("Timer5")),
      recordTimer(networkWindow.add<forms::Timer>("Timer3")),
      trayEntry_(networkWindow, services.trayIcon) {
    layOutCharts();
    layOutTotals();
    layOutKilobits();
    addCaptionLabels();
    setUpTimers();
}

// Speed graphs, one above the other, with their figures and records.
void TrafficPanel::layOutCharts() {
    incomingFrame.setBoundsTwips(kPanelLeft, 120, 7455, 2175);
    incomingFrame.setCaption("Incoming Speed Graph");
    incomingChart.setContainer(&incomingFrame);
    incomingChart.setBoundsTwips(120, 480, 7215, 1575);
    outgoingFrame.setBoundsTwips(kPanelLeft, 2400, 7455, 2175);
    outgoingFrame.setCaption("Outgoing Speed Graph");
    outgoingChart.setContainer(&outgoingFrame);
    outgoingChart.setBoundsTwips(120, 480, 7215, 1575);

    incomingFigure.setContainer(&incomingFrame);
    incomingFigure.setBoundsTwips(1080, 240, 975, 195);
    incomingRecord.setContainer(&incomingFrame);
    incomingRecord.setBoundsTwips(4200, 240, 975, 195);
    outgoingFigure.setContainer(&outgoingFrame);
    outgoingFigure.setBoundsTwips(1080, 240, 975, 195);
    outgoingRecord.setContainer(&outgoingFrame);
    outgoingRecord.setBoundsTwips(4200, 240, 975, 195);
}

void TrafficPanel::layOutTotals() {
    // Byte counts since the first tick. The captions keep their old spelling ("Trafic",
    // "Recieved", and "Incomming" below): it is what the window has always shown.
    totalsFrame.setBoundsTwips(kPanelLeft, 4680, 7455, 1095);
    totalsFrame.setCaption("Trafic");
    receivedFrame.setContainer(&totalsFrame);
    receivedFrame.setBoundsTwips(120, 240, 3495, 735);
    receivedFrame.setCaption("Recieved");
    receivedLabel.setContainer(&receivedFrame);
    receivedLabel.setBoundsTwips(120, 360, 2535, 195);
    receivedLabel.setCaption("r");
    sentFrame.setContainer(&totalsFrame);
    sentFrame.setBoundsTwips(3840, 240, 3495, 735);
    sentFrame.setCaption("Sent");
    sentLabel.setContainer(&sentFrame);
    sentLabel.setBoundsTwips(120, 360, 2535, 195);
    sentLabel.setCaption("s");

    startLabel.setBoundsTwips(kPanelLeft, 5880, 975, 195);
    startLabel.setCaption("Label1");
}

// The figures in kilobits, which the widget shows, as text and as bars.
void TrafficPanel::layOutKilobits() {
    incomingKilobits.setBoundsTwips(9000, 1200, 1215, 285);
    incomingBar.setBoundsTwips(9000, 1560, 1215, 255);
    outgoingKilobits.setBoundsTwips(9000, 2040, 1215, 285);
    outgoingBar.setBoundsTwips(9000, 2400, 1215, 255);
    incomingKilobits.setText("Text1");
    outgoingKilobits.setText("Text2");
    incomingBar.setRange(0, 100);
    outgoingBar.setRange(0, 100);
}

void TrafficPanel::setUpTimers() {
    tickTimer.setBoundsTwips(kPanelLeft, 6240, 0, 0);
    recordStartTimer.setBoundsTwips(kPanelLeft + 480, 6240, 0, 0);
    recordTimer.setBoundsTwips(kPanelLeft + 960, 6240, 0, 0);
    tickTimer.setInterval(500);
    tickTimer.onTimer = [this] { tick(); };
    recordStartTimer.setInterval(3000);
    recordStartTimer.onTimer = [this] { startRecordTracker(); };
    recordTimer.setTimerEnabled(false);
    recordTimer.setInterval(700);
    recordTimer.onTimer = [this] {
        meter_.trackRecords();
        showRecords();
    };
}

void TrafficPanel::addCaptionLabels() {
    captionLabel(form_, "lblIncomingTitle", -1, "Incoming:", &incomingFrame, 120, 240, 855);
    captionLabel(form_, "lblIncomingMaxTitle", -1, "Max. Speed:", &incomingFrame, 3000, 240, 1095);
    captionLabel(form_, "lblOutgoingTitle", -1, "Outgoing:", &outgoingFrame, 120, 240, 855);
    captionLabel(form_, "lblOutgoingMaxTitle", -1, "Max. Speed", &outgoingFrame, 3000, 240, 1095);
    captionLabel(form_, "lblRecvUnit", -1, "Bytes", &receivedFrame, 2760, 360, 615);
    captionLabel(form_, "lblSentUnit", -1, "Bytes", &sentFrame, 2760, 360, 615);
    unitLabels = {
        &captionLabel(form_, "Label9", 0, "kBps", &incomingFrame, 2160, 240, 495),
        &captionLabel(form_, "Label9", 1, "kBps", &outgoingFrame, 2160, 240, 495),
        &captionLabel(form_, "Label9", 2, "Incomming", &incomingFrame, 5280, 240, 975),
        &captionLabel(form_, "Label9", 3, "Outgoing", &outgoingFrame, 5280, 240, 975),
        &captionLabel(form_, "Label9", 4, "kBps", &incomingFrame, 6360, 240, 495),
    };
}

void TrafficPanel::setUp() {
    meter_.start();
    incomingChart.setData(meter_.incoming().history.data());
    outgoingChart.setData(meter_.outgoing().history.data());
    for (int series = 1; series <= SpeedHistory::kSlots; ++series) {
        incomingChart.setSeriesColor(series, kIncomingFill);
        outgoingChart.setSeriesColor(series, kOutgoingFill);
    }
}

void TrafficPanel::showTrayIcon() {
    // Without a notification area the entry is missing until one appears; the panel
    // works on regardless.
    if (!trayEntry_.shown()) trayEntry_.show(trayTip(meter_.incoming().tally.total(), meter_.outgoing().tally.total()));
}

std::string TrafficPanel::trayTip(std::uint64_t received, std::uint64_t sent) const {
    const std::string thousands = services_.locale.thousandsSeparator();
    return "Bytes received: " + formatTotal(received, thousands) + "\r\n" +
           " Bytes sent: " + formatTotal(sent, thousands);
}

void TrafficPanel::tick() {
    meter_.tick();
    showTotals();
    showFigures();
    if (onTicked) onTicked();
}

void TrafficPanel::showTotals() {
    const TrafficFlow& in = meter_.incoming();
    const TrafficFlow& out = meter_.outgoing();
    // The first tick is the baseline: the labels keep their design captions until the next.
    const std::string decimal = services_.locale.decimalSeparator();
    if (in.sinceStart) receivedLabel.setCaption(formatGeneral(static_cast<double>(*in.sinceStart), decimal));
    if (out.sinceStart) sentLabel.setCaption(formatGeneral(static_cast<double>(*out.sinceStart), decimal));
    trayEntry_.setTip(trayTip(in.tally.total(), out.tally.total()));
}

void TrafficPanel::showFigures() {
    const std::string decimal = services_.locale.decimalSeparator();
    struct Shown {
        const TrafficFlow& flow;
        forms::Label& figure;
        forms::TextBox& kilobits;
        forms::ProgressBar& bar;
        forms::Chart& chart;
    };
    for (const Shown& s : {Shown{meter_.incoming(), incomingFigure, incomingKilobits, incomingBar, incomingChart},
                           Shown{meter_.outgoing(), outgoingFigure, outgoingKilobits, outgoingBar, outgoingChart}}) {
        s.figure.setCaption(formatGeneral(s.flow.kilobytesPerSecond, decimal));
        s.kilobits.setText(formatGeneral(s.flow.kilobitsPerSecond(), decimal));
        (void)s.bar.setValue(s.flow.barPosition());
        s.chart.setData(s.flow.history.data());
    }
}

void TrafficPanel::startRecordTracker() {
    // Three seconds after load: by now the figures are per-tick figures, so the tracker
    // starts without the start-up figures.
    recordTimer.setTimerEnabled(true);
    recordStartTimer.setTimerEnabled(false);
}

void TrafficPanel::showRecords() {
    // A record label stays empty until a figure above 0 has been seen.
    const std::string decimal = services_.locale.decimalSeparator();
    if (meter_.incoming().record > 0) incomingRecord.setCaption(formatSingle(meter_.incoming().record, decimal));
    if (meter_.outgoing().record > 0) outgoingRecord.setCaption(formatSingle(meter_.outgoing().record, decimal));
}

}  // namespace sparvane::network
