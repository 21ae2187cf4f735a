#pragma once
// The traffic window: what the traffic meter holds, for the user to read. Opened from the
// tray menu and loaded only then; closing it hides it. It shows each direction's chart over
// the last 200 ticks with the current and the highest figure, the byte totals, and every
// row of the interface table with whether it counts toward the figures.
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"
#include "network/traffic_meter.h"
#include "platform/desktop.h"

namespace sparvane::network {

class TrafficWindow : public forms::Form {
public:
    TrafficWindow(forms::Application& app, const TrafficMeter& meter, platform::Locale& locale);

    // The smallest client area the controls are laid out for; the window is held to it.
    static constexpr double kMinClientWidth = 7800;
    static constexpr double kMinClientHeight = 6600;

    void onLoad() override;
    void onResize() override;
    void onDisplayChanged() override;
    void onQueryUnload(int& cancel, int unloadMode) override;

    // The meter's state as it is now; the network window calls it after every tick.
    void showTraffic();

    // One direction's chart and figures.
    struct FlowView {
        FlowView(forms::Form& form, const std::string& direction);
        forms::Frame& frame;  // "Download" or "Upload"
        forms::Chart& chart;  // kB/s over the last 200 ticks
        forms::Label& nowTitle;
        forms::Label& now;  // kB/s of the last tick
        forms::Label& kilobitsTitle;
        forms::Label& kilobits;  // the same in kbit/s, as the widget shows it
        forms::Label& highestTitle;
        forms::Label& highest;  // the highest kB/s the record tracker has seen
    };
    FlowView download;
    FlowView upload;
    forms::Frame& totalsFrame;
    forms::Label& receivedTitle;
    forms::Label& sentTitle;
    forms::Label& sinceStartTitle;
    forms::Label& inAllTitle;
    forms::Label& receivedSinceStart;  // bytes counted since the first tick
    forms::Label& sentSinceStart;
    forms::Label& receivedInAll;  // the byte totals the tray tip shows
    forms::Label& sentInAll;
    forms::Frame& interfacesFrame;
    // One line per row of the last reading. A read-only text rather than a list: the user
    // can copy it into a report, and it reads back whole with WM_GETTEXT.
    forms::TextBox& interfaceList;

private:
    void setUpFlow(FlowView& view, forms::Color fill);
    void layOutControls();
    double layOutFlow(FlowView& view, double top, double width, double height);
    void layOutTotals(double top, double width);
    void showFlow(FlowView& view, const TrafficFlow& flow, const std::string& decimal);
    void showTotals();
    void showInterfaces();
    bool holdToMinimumSize();

    const TrafficMeter& meter_;
    platform::Locale& locale_;
};

// The interface list's text: a line per row, its name and the counting rule's verdict.
[[nodiscard]] std::string interfaceListText(const InterfaceReading* reading, const std::vector<RowVerdict>& verdicts);

}  // namespace sparvane::network
