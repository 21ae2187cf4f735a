#pragma once
// The widget: a maximized window cut down to a narrow column of controls.
#include <cstdint>
#include <optional>

#include "forms/form.h"
#include "network/traffic_meter.h"
#include "shell/context.h"
#include "shell/models.h"
#include "shell/widget_link.h"

namespace sparvane::shell {

class WidgetWindow : public forms::Form {
public:
    WidgetWindow(Context& ctx, Models& models);

    forms::Shape& junkFrame;      // the frame round the column: green, or dark red with junk
    forms::Label& activityClock;  // time of the last user activity
    forms::CommandButton& cleanJunkButton;
    forms::CommandButton& screenGuardButton;
    forms::CommandButton& shutdownButton;
    forms::CommandButton& restartButton;
    forms::CommandButton& logOffButton;
    forms::Image& downloadArrow;
    forms::Label& downloadFigure;  // kilobits per second
    forms::ProgressBar& downloadBar;
    forms::Image& uploadArrow;
    forms::Label& uploadFigure;
    forms::ProgressBar& uploadBar;
    forms::PictureBox& autoStartOnBox;
    forms::PictureBox& autoStartOffBox;
    forms::CommandButton& aboutButton;
    forms::CommandButton& closeButton;  // Close Widget
    forms::Timer& activityTimer;        // updates the activity clock every second

    // Right edge of the column as designed, in twips (junkFrame's left plus its width).
    static constexpr double kDesignedRightEdge = 17760 + 1095;

    void onLoad() override;
    void onResize() override;
    void onDisplayChanged() override;
    void onQueryUnload(int& cancel, int unloadMode) override;

    // Close Widget: ends the program (status 0).
    void closeWidget();
    // About: the program's name, version and purpose.
    void showAbout();
    // The activity clock's tick: the time of the last input, when there was a new one.
    void showLastActivity();

    // The last tick's figures and bars.
    void showTraffic(const network::TrafficMeter& meter);

private:
    void layOutControls();
    void layOutActionButtons();
    void layOutFigures();
    void layOutAutoStartBoxes();
    void wireHandlers();
    void fitColumnOnScreen();

    Context& ctx_;
    Models& models_;
    WidgetLink widget_;  // what Clean Junk colours, reached as the other windows reach it
    // Tick count of the input last shown; empty until the first tick, which always writes.
    std::optional<std::uint32_t> lastInputTick_;
    double columnShift_ = 0;  // twips the column was moved left of its designed place
};

}  // namespace sparvane::shell
