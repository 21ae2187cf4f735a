#pragma once
// Form1: the widget, a maximized window cut down to a narrow column of controls.
#include <cstdint>
#include <optional>

#include "forms/form.h"
#include "network/traffic_meter.h"
#include "shell/context.h"
#include "shell/widget_link.h"

namespace sparvane::shell {

class Form1 : public forms::Form {
public:
    explicit Form1(Context& ctx);

    forms::Shape& Shape1;             // frame round the column; junk indicator
    forms::Label& Label3;             // time of the last user activity
    forms::CommandButton& Command63;  // Clean Junk
    forms::CommandButton& Command3;   // Screen Guard
    forms::CommandButton& Command8;   // Shutdown
    forms::CommandButton& Command6;   // Restart
    forms::CommandButton& Command7;   // Log Off
    forms::Image& Image2;             // download arrow
    forms::Label& Label1;             // download figure, kilobits per second
    forms::ProgressBar& p1;           // download bar
    forms::Image& Image1;             // upload arrow
    forms::Label& Label2;             // upload figure
    forms::ProgressBar& p2;           // upload bar
    forms::PictureBox& Picture1;      // auto-start on
    forms::PictureBox& Picture2;      // auto-start off
    forms::CommandButton& Command2;   // About
    forms::CommandButton& Command1;   // Close Widget
    forms::Timer& Timer1;             // activity clock

    // Right edge of the column as designed, in twips (Shape1's left plus its width).
    static constexpr double kDesignedRightEdge = 17760 + 1095;

    void Form_Load() override;
    void Form_Resize() override;
    void Form_DisplayChanged() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    // The button handlers, public so that other windows may press them as the user would.
    void Command1_Click();  // Close Widget
    void Command2_Click();  // About
    void Timer1_Timer();    // activity clock

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
    WidgetLink widget_;  // what Clean Junk colours, reached as the other windows reach it
    // Tick count of the input last shown; empty until the first tick, which always writes.
    std::optional<std::uint32_t> lastInputTick_;
    double columnShift_ = 0;  // twips the column was moved left of its designed place
};

}  // namespace sparvane::shell
