#pragma once
// The Recent folder window ("Form2"): shows the junk meter. It measures the Recent folder,
// shows the size in kilobytes and colours the widget's frame from the meter's verdict. It
// never stays on screen.
#include <cstdint>

#include "cleaning/junk_meter.h"
#include "forms/form.h"
#include "seams/widget.h"

namespace sparvane::cleaning {

class RecentFolderWindow : public forms::Form, private Watched::Watcher {
public:
    // The meter the window shows, and the widget it colours and shows.
    struct Services {
        JunkMeter& meter;
        shell::Widget& widget;
    };
    RecentFolderWindow(forms::Application& app, const Services& services);
    ~RecentFolderWindow() override;

    forms::Timer& measureTimer;                // 1000 ms; every 20th tick measures and recolours
    forms::CommandButton& viewButton;          // "View": measure the Recent folder
    forms::CommandButton& colourButton;        // colour the widget's frame from the verdict
    forms::CommandButton& emptyButton;         // "Empty": delete the Recent folder's contents
    forms::CommandButton& pathButton;          // "Path": show the Recent folder's path
    forms::CommandButton& verdictButton;       // report whether the system needs cleaning
    forms::CommandButton& exactVerdictButton;  // colour the frame by the exact verdict
    forms::CommandButton& unusedButton;        // does nothing
    forms::CommandButton& showWidgetButton;    // show the widget
    forms::Label& sizeLabel;                   // the size in kilobytes

    void onActivate() override;

private:
    void layOut();
    void wireHandlers();
    void modelChanged() override;

    void countTick();
    void measureAndColour();
    void colourFrame();
    void emptyRecentFolder();
    void showRecentFolderPath();
    void reportVerdict();
    void colourByExactVerdict();

    Services services_;
    std::int16_t ticks_ = 0;
};

}  // namespace sparvane::cleaning
