#pragma once
// The traffic monitor that lives on the network window: its controls, timers and tray entry.
// Every 500 ms it reads the interface table twice, shows the bytes since its first tick,
// keeps the tray tip current, shows the rate of the last tick in kilobytes per second
// (which the speed feed carries to the widget), charts a 200-slot history and keeps the
// records. Only the rows the counting rule picks are counted.
#include <memory>
#include <utility>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"
#include "network/counting_rule.h"
#include "network/interface_reader.h"
#include "network/speed_feed.h"
#include "network/speed_history.h"
#include "network/traffic_tally.h"
#include "platform/desktop.h"
#include "platform/interface_table.h"
#include "platform/tray_icon.h"
#include "seams/widget.h"

namespace sparvane::network {

// The tray entry's callback message (the number of WM_MOUSEMOVE); nothing handles it.
constexpr unsigned kTrayCallbackMessage = 512;

class TrafficMonitor {
public:
    // What the monitor reads, writes and shows its figures with.
    struct Services {
        platform::InterfaceTable& interfaceTable;
        platform::TrayIcon& trayIcon;
        platform::Locale& locale;
        platform::Clock& clock;
        shell::Widget& widget;
    };
    // Adds the monitor's controls to the network window and wires their handlers.
    TrafficMonitor(forms::Form& networkWindow, const Services& services);
    TrafficMonitor(const TrafficMonitor&) = delete;
    TrafficMonitor& operator=(const TrafficMonitor&) = delete;

    // The network window's Load: series, charts, interface reader, tray entry, records.
    void setUp();
    // NIM_DELETE of the tray entry; harmless when it is already gone.
    void removeTrayIcon();
    // One traffic tick (Timer1).
    void UpdateTraffic();

    // The last reading of the interface table and the counting rule's verdict on each row.
    [[nodiscard]] const InterfaceReading* lastReading() const { return reader_ ? &reader_->last() : nullptr; }
    [[nodiscard]] const std::vector<RowVerdict>& lastVerdicts() const { return verdicts_; }
    [[nodiscard]] const SpeedHistory& incomingHistory() const { return incomingSeries_; }
    [[nodiscard]] const SpeedHistory& outgoingHistory() const { return outgoingSeries_; }
    [[nodiscard]] const platform::TrayIconData& trayIcon() const { return trayIcon_; }

private:
    forms::Form& form_;
    Services services_;

public:
    forms::Frame& Frame4;               // "Incoming Speed Graph"
    forms::Chart& MSChart1;             // incoming history
    forms::Frame& Frame5;               // "Outgoing Speed Graph"
    forms::Chart& MSChart2;             // outgoing history
    forms::Frame& Frame1;               // "Trafic"
    forms::Frame& Frame3;               // "Recieved"
    forms::Label& lblRecv;              // bytes received since the first tick; Tag = baseline
    forms::Frame& Frame2;               // "Sent"
    forms::Label& lblSent;              // bytes sent since the first tick; Tag = baseline
    forms::Label& Label8;               // incoming kilobytes per second of the last tick
    forms::Label& Label6;               // outgoing kilobytes per second of the last tick
    std::vector<forms::Label*> Label9;  // "kBps", "kBps", "Incomming", "Outgoing", "kBps"
    forms::Label& RecordIncoming;       // highest incoming figure seen by the record tracker
    forms::Label& RecordOutgoing;
    forms::Label& Label1;  // Tag "1" once the byte-count baseline is taken
    forms::Timer& Timer1;  // traffic tick, 500 ms
    forms::Timer& Timer5;  // starts the record tracker once, after 3 s
    forms::Timer& Timer3;  // record tracker, 700 ms
    SpeedFeed feed;        // Text1, PB1, Text2, PB2 and the path to the widget

private:
    void layOutCharts();
    void layOutTotals();
    void addCaptionLabels();
    void setUpTimers();
    void showBytesSinceStart();
    // Takes one reading into both tallies; the steps are what each counted.
    std::pair<TrafficTally::Step, TrafficTally::Step> takeReading();
    [[nodiscard]] static double tickFigure(const TrafficTally::Step& first, const TrafficTally::Step& second,
                                           double previous);
    void setTrayTip(std::uint64_t received, std::uint64_t sent);
    void Timer5_Timer();
    void Timer3_Timer();
    void trackRecord(const forms::Label& figure, float& record, forms::Label& recordLabel);

    std::unique_ptr<InterfaceReader> reader_;
    std::vector<RowVerdict> verdicts_;
    double incoming_ = 0;  // the figures of the last tick, kept when a tick cannot measure
    double outgoing_ = 0;
    TrafficTally received_{Direction::Received};
    TrafficTally sent_{Direction::Sent};
    SpeedHistory incomingSeries_;
    SpeedHistory outgoingSeries_;
    float maxIncoming_ = 0;
    float maxOutgoing_ = 0;
    platform::TrayIconData trayIcon_;
};

}  // namespace sparvane::network
