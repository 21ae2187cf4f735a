#include "shell/form1.h"

#include <algorithm>
#include <string>

#include "forms/application.h"
#include "screenguard/screen_guard.h"
#include "shell/auto_start.h"
#include "shell/figure_text.h"
#include "shell/form3.h"
#include "shell/power_actions.h"
#include "shell/window_region.h"

namespace sparvane::shell {

namespace {

constexpr forms::Color kGreen = 32768;  // &H00008000&
constexpr forms::Color kWhite = forms::rgb(255, 255, 255);
constexpr forms::Color kDarkGreen = 0x00004000;
constexpr forms::Color kDarkRed = 0x00000080;
const forms::Font kFigureFont{"Tahoma", 8.25, false, false};

void pictureButton(forms::CommandButton& b, forms::Picture picture, const char* tip, double left, double top) {
    b.setBoundsTwips(left, top, 855, 375);
    b.setGraphical(true);
    b.setPicture(picture);
    b.setBackColor(kWhite);
    b.setHandCursor(true);
    b.setToolTip(tip);
}

// The labels as designed (180 and 270 twips) cut their texts to "12" or "20." on a real
// screen; they reach to the inner edge of the frame instead, which keeps them inside the
// column and its region. The clock starts under the buttons, the figures beside the arrows.
constexpr double kFrameInnerRight = 17760 + 1095 - 15;
constexpr double kClockLeft = 17880;
constexpr double kFigureLeft = 18120;

void figureLabel(forms::Label& l, const char* tip, double top) {
    l.setBoundsTwips(kFigureLeft, top, kFrameInnerRight - kFigureLeft, 195);
    l.setCaption("000");
    l.setFont(kFigureFont);
    l.setToolTip(tip);
}

}  // namespace

Form1::Form1(Context& ctx)
    : forms::Form(ctx.app, "Form1"),
      Shape1(add<forms::Shape>("Shape1")),
      Label3(add<forms::Label>("Label3")),
      Command63(add<forms::CommandButton>("Command63")),
      Command3(add<forms::CommandButton>("Command3")),
      Command8(add<forms::CommandButton>("Command8")),
      Command6(add<forms::CommandButton>("Command6")),
      Command7(add<forms::CommandButton>("Command7")),
      Image2(add<forms::Image>("Image2")),
      Label1(add<forms::Label>("Label1")),
      p1(add<forms::ProgressBar>("p1")),
      Image1(add<forms::Image>("Image1")),
      Label2(add<forms::Label>("Label2")),
      p2(add<forms::ProgressBar>("p2")),
      Picture1(add<forms::PictureBox>("Picture1")),
      Picture2(add<forms::PictureBox>("Picture2")),
      Command2(add<forms::CommandButton>("Command2")),
      Command1(add<forms::CommandButton>("Command1")),
      Timer1(add<forms::Timer>("Timer1")),
      ctx_(ctx),
      widget_(ctx.app) {
    setCaption("Form1");
    // No frame or caption: the region then holds nothing but the column of controls.
    setBorderStyle(forms::BorderStyle::None);
    setWindowState(forms::WindowState::Maximized);
    setStartUpPosition(forms::StartUpPosition::WindowsDefault);
    setHasIcon(true);
    setBackColor(forms::kSystemButtonFace);
    // A stray Space or Enter right after start-up must not clean, shut down or switch
    // anything: nothing has the keyboard until the user tabs to a control.
    setFocusFirstControl(false);
    layOutControls();
    wireHandlers();
}

void Form1::layOutControls() {
    layOutActionButtons();
    layOutFigures();
    layOutAutoStartBoxes();
    pictureButton(Command2, forms::Picture::About, "About", 17880, 3600);
    pictureButton(Command1, forms::Picture::CloseWidget, "Close Widget", 17880, 3960);
    Timer1.setInterval(1000);
    Timer1.setTimerEnabled(true);
}

void Form1::layOutActionButtons() {
    Shape1.setBoundsTwips(17760, 120, 1095, 4335);
    Shape1.setBorderColor(kGreen);

    Label3.setBoundsTwips(kClockLeft, 240, kFrameInnerRight - kClockLeft, 195);
    Label3.setCaption("00");

    // The tips read as users have always known them, spelling and trailing blanks included.
    pictureButton(Command63, forms::Picture::CleanJunk, "Click to Clean Junk Fles ", 17880, 480);
    pictureButton(Command3, forms::Picture::ScreenGuard, "Screen Guard", 17880, 840);
    pictureButton(Command8, forms::Picture::Shutdown, "Click to Shutdown ", 17880, 1200);
    pictureButton(Command6, forms::Picture::Restart, "Click to Restart", 17880, 1560);
    pictureButton(Command7, forms::Picture::LogOff, "Click to Logoff", 17880, 1920);
}

void Form1::layOutFigures() {
    Image2.setBoundsTwips(17880, 2400, 240, 240);
    Image2.setPicture(forms::Picture::ArrowDown);
    Image2.setToolTip("Kbps");
    figureLabel(Label1, "Internet Download Speed", 2400);
    // The speed feed writes the figure in full; the label shows it rounded to fit.
    const auto showFigure = [this](const std::string& caption) {
        return figureDisplayText(caption, ctx_.services.locale.decimalSeparator());
    };
    Label1.setDisplayRule(showFigure);
    p1.setBoundsTwips(17880, 2640, 855, 135);
    p1.setRange(0, 100);

    Image1.setBoundsTwips(17880, 2880, 240, 240);
    Image1.setPicture(forms::Picture::ArrowUp);
    Image1.setToolTip("Kbps");
    figureLabel(Label2, "Internet Upload Speed", 2880);
    Label2.setDisplayRule(showFigure);
    p2.setBoundsTwips(17880, 3120, 855, 135);
    p2.setRange(0, 100);
}

void Form1::layOutAutoStartBoxes() {
    Picture1.setBoundsTwips(17880, 3360, 375, 135);
    Picture1.setBackColor(kDarkGreen);
    Picture1.setToolTip("Click to run widget on windows startup");
    Picture2.setBoundsTwips(18360, 3360, 375, 135);
    Picture2.setBackColor(kDarkRed);
    Picture2.setToolTip("Click to stop running on windows startup");
    Picture1.setTabStop(true);
    Picture2.setTabStop(true);
}

void Form1::wireHandlers() {
    // Command63 (Clean Junk) is wired by registerForms, which holds the models it runs.
    Command3.onClick = [this] { screenguard::openScreenGuard(ctx_.app); };
    Command8.onClick = [this] { shutdownButton(ctx_.services.token, ctx_.services.session); };
    Command6.onClick = [this] { restartButton(ctx_.services.token, ctx_.services.session); };
    Command7.onClick = [this] { logOffButton(ctx_.services.token, ctx_.services.session); };
    // A switch is its question, one registry call and its report. The call returns before any
    // event runs again, so a click can never start a switch inside another's registry work.
    Picture1.onClick = [this] { switchAutoStartOn(ctx_.app, ctx_.services.registry); };
    Picture2.onClick = [this] { switchAutoStartOff(ctx_.app, ctx_.services.registry); };
    Command2.onClick = [this] { Command2_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void Form1::Form_Load() { fitColumnOnScreen(); }

// The column was designed for a screen at least 18855 twips wide. On a narrower one it
// would hang partly or wholly beyond the right edge, so the whole column moves left just
// far enough for its right edge to meet the work area's (never past the screen's left
// edge). Run again after every display change, it works from the designed places, so a
// column moved for a small screen goes back when the screen grows.
void Form1::fitColumnOnScreen() {
    // The timer is not drawn and has no place in the column.
    double designedLeft = kDesignedRightEdge;
    for (const auto& c : controls())
        if (c->hasSize()) designedLeft = std::min(designedLeft, c->leftTwips() + columnShift_);
    const double overhang = kDesignedRightEdge - ctx_.app.workAreaRight();
    const double shift = overhang <= 0 ? 0 : std::min(overhang, std::max(0.0, designedLeft));
    const double move = shift - columnShift_;
    if (move == 0) return;
    for (const auto& c : controls())
        if (c->hasSize()) c->setBoundsTwips(c->leftTwips() - move, c->topTwips(), c->widthTwips(), c->heightTwips());
    columnShift_ = shift;
}

void Form1::Form_Resize() { ShapeFormToControls(*this, ctx_.services.windows); }

// A new resolution or work area may leave the column off screen, a new DPI changes its
// size in pixels: it is fitted again and its region rebuilt at the new scale.
void Form1::Form_DisplayChanged() {
    fitColumnOnScreen();
    ShapeFormToControls(*this, ctx_.services.windows);
}

void Form1::Form_QueryUnload(int& cancel, int unloadMode) {
    // Closing the widget from its window menu or with Alt+F4 leaves the user nothing to see
    // or to stop the program with, so it ends the program as Close Widget does. Session end
    // and code unload it normally.
    if (unloadMode != forms::unload_mode::kFormControlMenu) return;
    Command1_Click();
    cancel = 1;  // the process is gone; nothing of this unload may go on
}

void Form1::Command1_Click() {
    // Ending at once skips the network window's unload handlers, which would have taken
    // its notification-area icon away; do that here so no stale icon is left behind.
    if (auto* networkWindow = ctx_.app.loadedForm<Form3>()) networkWindow->traffic().removeTrayIcon();
    ctx_.app.end(0);
}

void Form1::Command2_Click() {
    const forms::AppInfo& info = ctx_.app.info();
    const std::string version =
        std::to_string(info.major) + "." + std::to_string(info.minor) + "." + std::to_string(info.revision);
    const std::string text = "Sparvane " + version +
                             "\r\n"
                             "A small desktop widget that cleans junk files, guards your screen and shows your "
                             "internet speed.\r\n\r\n"
                             "Written by the Sparvane team.\r\n"
                             "Questions and ideas are welcome at feedback@sparvane.example.\r\n\r\n"
                             "Sparvane Professional, the paid edition, adds scheduled cleaning and more tools.\r\n"
                             "https://www.sparvane.example";
    (void)ctx_.app.msgBox(text, forms::msgbox::kInformation | forms::msgbox::kOkOnly);
}

void Form1::Timer1_Timer() {
    const auto tick = ctx_.services.lastInput.lastInputTick();
    if (!tick) return;
    // Without an input since the last write the label keeps its time; the first tick
    // always writes, even when the system has not seen any input yet (tick 0).
    if (lastInputTick_ && *lastInputTick_ == *tick) return;
    Label3.setCaption(ctx_.services.clock.timeOfDayText());
    lastInputTick_ = *tick;
}

}  // namespace sparvane::shell
