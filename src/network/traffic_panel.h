#pragma once
// The traffic panel on the network window: the traffic meter's figures, totals, charts and
// records in the window's controls, the timers that drive the meter, and the tray entry
// whose tip carries the byte totals. The window never shows the panel (its controls lie
// outside the client area); what a user sees of it is the tray tip and, through the shell,
// the widget's figures and the traffic window.
#include <functional>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"
#include "network/traffic_meter.h"
#include "network/tray_entry.h"
#include "platform/desktop.h"
#include "platform/tray_icon.h"

namespace sparvane::network {

class TrafficPanel {
public:
    // What the panel shows its figures with and where.
    struct Services {
        platform::TrayIcon& trayIcon;
        platform::Locale& locale;
    };
    // Adds the panel's controls to the network window and wires its timers.
    TrafficPanel(forms::Form& networkWindow, TrafficMeter& meter, const Services& services);
    TrafficPanel(const TrafficPanel&) = delete;
    TrafficPanel& operator=(const TrafficPanel&) = delete;

    // The network window's load: the meter starts afresh and the charts are set up.
    void setUp();
    // Adds the tray entry (once the widget is on screen: the shell's answer takes a while).
    void showTrayIcon();
    // NIM_DELETE of the tray entry; harmless when it is already gone.
    void removeTrayIcon() { trayEntry_.remove(); }
    // One traffic tick: the meter reads the table, the panel shows the result, then
    // onTicked runs (the shell hands the figures on to the widget there).
    void tick();
    std::function<void()> onTicked;

    [[nodiscard]] TrayEntry& trayEntry() { return trayEntry_; }

private:
    forms::Form& form_;
    TrafficMeter& meter_;
    Services services_;

public:
    forms::Frame& incomingFrame;            // "Incoming Speed Graph"
    forms::Chart& incomingChart;            // incoming history
    forms::Frame& outgoingFrame;            // "Outgoing Speed Graph"
    forms::Chart& outgoingChart;            // outgoing history
    forms::Frame& totalsFrame;              // "Trafic"
    forms::Frame& receivedFrame;            // "Recieved"
    forms::Label& receivedLabel;            // bytes received since the first tick
    forms::Frame& sentFrame;                // "Sent"
    forms::Label& sentLabel;                // bytes sent since the first tick
    forms::Label& incomingFigure;           // incoming kilobytes per second of the last tick
    forms::Label& outgoingFigure;           // outgoing kilobytes per second of the last tick
    std::vector<forms::Label*> unitLabels;  // "kBps", "kBps", "Incomming", "Outgoing", "kBps"
    forms::Label& incomingRecord;           // the highest incoming figure the record tracker saw
    forms::Label& outgoingRecord;
    forms::Label& startLabel;          // "Label1", beside the totals
    forms::TextBox& incomingKilobits;  // incoming kilobits per second, as text
    forms::ProgressBar& incomingBar;   // the same as a bar position, 0..100
    forms::TextBox& outgoingKilobits;
    forms::ProgressBar& outgoingBar;
    forms::Timer& tickTimer;         // traffic tick, 500 ms
    forms::Timer& recordStartTimer;  // starts the record tracker once, after 3 s
    forms::Timer& recordTimer;       // record tracker, 700 ms

private:
    void layOutCharts();
    void layOutTotals();
    void layOutKilobits();
    void addCaptionLabels();
    void setUpTimers();
    void showTotals();
    void showFigures();
    void showRecords();
    [[nodiscard]] std::string trayTip(std::uint64_t received, std::uint64_t sent) const;
    void startRecordTracker();

    TrayEntry trayEntry_;
};

}  // namespace sparvane::network
