#include "network/traffic_monitor.h"

#include <cfloat>
#include <cmath>

#include "forms/types.h"
#include "network/number_text.h"

namespace sparvane::network {

namespace {
constexpr forms::Color kIncomingFill = forms::rgb(255, 0, 0);
constexpr forms::Color kOutgoingFill = forms::rgb(30, 144, 255);

// All of the window's client area is a few pixels wide; the monitor's controls lie to
// the right of it, from here on, so that even a shown network window shows none of them.
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

TrafficMonitor::TrafficMonitor(forms::Form& networkWindow, const Services& services)
    : form_(networkWindow),
      services_(services),
      Frame4(networkWindow.add<forms::Frame>("Frame4")),
      MSChart1(networkWindow.add<forms::Chart>("MSChart1")),
      Frame5(networkWindow.add<forms::Frame>("Frame5")),
      MSChart2(networkWindow.add<forms::Chart>("MSChart2")),
      Frame1(networkWindow.add<forms::Frame>("Frame1")),
      Frame3(networkWindow.add<forms::Frame>("Frame3")),
      lblRecv(networkWindow.add<forms::Label>("lblRecv")),
      Frame2(networkWindow.add<forms::Frame>("Frame2")),
      lblSent(networkWindow.add<forms::Label>("lblSent")),
      Label8(networkWindow.add<forms::Label>("Label8")),
      Label6(networkWindow.add<forms::Label>("Label6")),
      RecordIncoming(networkWindow.add<forms::Label>("RecordIncoming")),
      RecordOutgoing(networkWindow.add<forms::Label>("RecordOutgoing")),
      Label1(networkWindow.add<forms::Label>("Label1")),
      Timer1(networkWindow.add<forms::Timer>("Timer1")),
      Timer5(networkWindow.add<forms::Timer>("Timer5")),
      Timer3(networkWindow.add<forms::Timer>("Timer3")),
      feed(networkWindow, services.locale, services.widget, Label8, Label6) {
    layOutCharts();
    layOutTotals();
    addCaptionLabels();
    setUpTimers();
}

// Speed graphs, one above the other, with their figures and records.
void TrafficMonitor::layOutCharts() {
    Frame4.setBoundsTwips(kPanelLeft, 120, 7455, 2175);
    Frame4.setCaption("Incoming Speed Graph");
    MSChart1.setContainer(&Frame4);
    MSChart1.setBoundsTwips(120, 480, 7215, 1575);
    Frame5.setBoundsTwips(kPanelLeft, 2400, 7455, 2175);
    Frame5.setCaption("Outgoing Speed Graph");
    MSChart2.setContainer(&Frame5);
    MSChart2.setBoundsTwips(120, 480, 7215, 1575);

    // Figures and records on the graphs' frames.
    Label8.setContainer(&Frame4);
    Label8.setBoundsTwips(1080, 240, 975, 195);
    RecordIncoming.setContainer(&Frame4);
    RecordIncoming.setBoundsTwips(4200, 240, 975, 195);
    Label6.setContainer(&Frame5);
    Label6.setBoundsTwips(1080, 240, 975, 195);
    RecordOutgoing.setContainer(&Frame5);
    RecordOutgoing.setBoundsTwips(4200, 240, 975, 195);
}

void TrafficMonitor::layOutTotals() {
    // Byte counts since the first tick. The captions keep their old spelling ("Trafic",
    // "Recieved", and "Incomming" below): it is what the window has always shown.
    Frame1.setBoundsTwips(kPanelLeft, 4680, 7455, 1095);
    Frame1.setCaption("Trafic");
    Frame3.setContainer(&Frame1);
    Frame3.setBoundsTwips(120, 240, 3495, 735);
    Frame3.setCaption("Recieved");
    lblRecv.setContainer(&Frame3);
    lblRecv.setBoundsTwips(120, 360, 2535, 195);
    lblRecv.setCaption("r");
    Frame2.setContainer(&Frame1);
    Frame2.setBoundsTwips(3840, 240, 3495, 735);
    Frame2.setCaption("Sent");
    lblSent.setContainer(&Frame2);
    lblSent.setBoundsTwips(120, 360, 2535, 195);
    lblSent.setCaption("s");

    Label1.setBoundsTwips(kPanelLeft, 5880, 975, 195);
    Label1.setCaption("Label1");
}

void TrafficMonitor::setUpTimers() {
    Timer1.setBoundsTwips(kPanelLeft, 6240, 0, 0);
    Timer5.setBoundsTwips(kPanelLeft + 480, 6240, 0, 0);
    Timer3.setBoundsTwips(kPanelLeft + 960, 6240, 0, 0);
    Timer1.setInterval(500);
    Timer1.onTimer = [this] { UpdateTraffic(); };
    Timer5.setInterval(3000);
    Timer5.onTimer = [this] { Timer5_Timer(); };
    Timer3.setTimerEnabled(false);
    Timer3.setInterval(700);
    Timer3.onTimer = [this] { Timer3_Timer(); };
}

void TrafficMonitor::addCaptionLabels() {
    captionLabel(form_, "lblIncomingTitle", -1, "Incoming:", &Frame4, 120, 240, 855);
    captionLabel(form_, "lblIncomingMaxTitle", -1, "Max. Speed:", &Frame4, 3000, 240, 1095);
    captionLabel(form_, "lblOutgoingTitle", -1, "Outgoing:", &Frame5, 120, 240, 855);
    captionLabel(form_, "lblOutgoingMaxTitle", -1, "Max. Speed", &Frame5, 3000, 240, 1095);
    captionLabel(form_, "lblRecvUnit", -1, "Bytes", &Frame3, 2760, 360, 615);
    captionLabel(form_, "lblSentUnit", -1, "Bytes", &Frame2, 2760, 360, 615);
    Label9 = {
        &captionLabel(form_, "Label9", 0, "kBps", &Frame4, 2160, 240, 495),
        &captionLabel(form_, "Label9", 1, "kBps", &Frame5, 2160, 240, 495),
        &captionLabel(form_, "Label9", 2, "Incomming", &Frame4, 5280, 240, 975),
        &captionLabel(form_, "Label9", 3, "Outgoing", &Frame5, 5280, 240, 975),
        &captionLabel(form_, "Label9", 4, "kBps", &Frame4, 6360, 240, 495),
    };
}

void TrafficMonitor::setUp() {
    incomingSeries_.reset();
    outgoingSeries_.reset();
    MSChart1.setData(incomingSeries_.data());
    MSChart2.setData(outgoingSeries_.data());
    for (int series = 1; series <= SpeedHistory::kSlots; ++series) {
        MSChart1.setSeriesColor(series, kIncomingFill);
        MSChart2.setSeriesColor(series, kOutgoingFill);
    }

    reader_ = std::make_unique<InterfaceReader>(services_.interfaceTable, form_.app());

    trayIcon_ = {};
    trayIcon_.window = form_.hWnd();
    trayIcon_.id = 0;
    trayIcon_.flags = platform::tray_flags::kMessage | platform::tray_flags::kIcon | platform::tray_flags::kTip;
    trayIcon_.callbackMessage = kTrayCallbackMessage;
    // The entry needs a picture to be seen at all; it shows the program's own icon.
    trayIcon_.programIcon = true;
    setTrayTip(0, 0);  // nothing read yet
    // Without a notification area the entry is missing; the monitor works on regardless.
    (void)services_.trayIcon.add(trayIcon_);

    maxIncoming_ = 0;
    maxOutgoing_ = 0;
}

void TrafficMonitor::removeTrayIcon() {
    // Called from each of the window's unload handlers; the second and third removals
    // find nothing to remove, which is fine.
    (void)services_.trayIcon.remove(trayIcon_);
}

void TrafficMonitor::setTrayTip(std::uint64_t received, std::uint64_t sent) {
    const std::string thousands = services_.locale.thousandsSeparator();
    trayIcon_.tip =
        "Bytes received: " + formatTotal(received, thousands) + "\r\n" + " Bytes sent: " + formatTotal(sent, thousands);
}

void TrafficMonitor::showBytesSinceStart() {
    auto& locale = services_.locale;
    const std::string decimal = locale.decimalSeparator();
    const std::string thousands = locale.thousandsSeparator();
    const auto marker = parseNumber(Label1.tag(), decimal, thousands);
    if (!marker || *marker == 0) {
        // First tick: the count starts here; the labels keep their design captions.
        lblRecv.setTag(formatTotal(received_.total(), thousands));
        lblSent.setTag(formatTotal(sent_.total(), thousands));
        Label1.setTag("1");
        return;
    }
    // What the tallies counted since their first reading, which was this tick's first
    // reading on the first tick. Counted differences never go down, not past 4 GiB, not
    // when an interface leaves, and a machine that had sent nothing at start still gets
    // its count (a start from the table total would have no baseline there).
    lblRecv.setCaption(formatGeneral(static_cast<double>(received_.counted()), decimal));
    lblSent.setCaption(formatGeneral(static_cast<double>(sent_.counted()), decimal));
}

std::pair<TrafficTally::Step, TrafficTally::Step> TrafficMonitor::takeReading() {
    const InterfaceReading& reading = reader_->read();
    const std::uint64_t at = services_.clock.monotonicMs();
    verdicts_ = judgeRows(reading);
    return {received_.take(reading, verdicts_, at), sent_.take(reading, verdicts_, at)};
}

double TrafficMonitor::tickFigure(const TrafficTally::Step& first, const TrafficTally::Step& second, double previous) {
    // Kilobytes per second (1 kB = 1000 bytes): the bytes since the last reading taken over
    // the time they took, so that neither an early nor a late tick distorts the figure.
    // Readings too close together to measure (the first tick's two) keep the last figure;
    // a tick that could take no reading at all shows 0, so that a table that can no longer
    // be read does not leave an old figure standing.
    constexpr std::uint64_t kShortestIntervalMs = 50;
    if (!first.taken && !second.taken) return 0;
    const std::uint64_t elapsed = first.elapsedMs + second.elapsedMs;
    if (elapsed < kShortestIntervalMs) return previous;
    return static_cast<double>(first.bytes + second.bytes) / static_cast<double>(elapsed);
}

void TrafficMonitor::UpdateTraffic() {
    if (!reader_) return;
    const auto [received1, sent1] = takeReading();
    showBytesSinceStart();
    setTrayTip(received_.total(), sent_.total());
    (void)services_.trayIcon.modify(trayIcon_);
    const auto [received2, sent2] = takeReading();

    // Each caption change runs the feed to the widget at once, download first.
    incoming_ = tickFigure(received1, received2, incoming_);
    outgoing_ = tickFigure(sent1, sent2, outgoing_);
    const std::string decimal = services_.locale.decimalSeparator();
    Label8.setCaption(formatGeneral(incoming_, decimal));
    Label6.setCaption(formatGeneral(outgoing_, decimal));

    incomingSeries_.push(incoming_);
    outgoingSeries_.push(outgoing_);
    MSChart1.setData(incomingSeries_.data());
    MSChart2.setData(outgoingSeries_.data());
}

void TrafficMonitor::Timer5_Timer() {
    // Three seconds after load: by now the figures are per-tick figures, so the tracker
    // starts without the start-up figures.
    Timer3.setTimerEnabled(true);
    Timer5.setTimerEnabled(false);
}

void TrafficMonitor::Timer3_Timer() {
    trackRecord(Label8, maxIncoming_, RecordIncoming);
    trackRecord(Label6, maxOutgoing_, RecordOutgoing);
}

void TrafficMonitor::trackRecord(const forms::Label& figure, float& record, forms::Label& recordLabel) {
    auto& locale = services_.locale;
    const std::string decimal = locale.decimalSeparator();
    const auto value = parseNumber(figure.caption(), decimal, locale.thousandsSeparator());
    if (!value || !(std::fabs(*value) <= FLT_MAX)) return;  // no figure yet: nothing to compare
    const float sample = static_cast<float>(*value);
    if (sample > record) {
        record = sample;
        recordLabel.setCaption(formatSingle(record, decimal));
    }
}

}  // namespace sparvane::network
