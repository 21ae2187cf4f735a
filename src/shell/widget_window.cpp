#include "shell/widget_window.h"

#include <algorithm>
#include <string>

#include "cleaning/clean_junk.h"
#include "forms/application.h"
#include "network/number_text.h"
#include "screenguard/screen_guard.h"
#include "shell/auto_start.h"
#include "shell/figure_text.h"
#include "shell/network_window.h"
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
    l.setCaptionShownAs("000", "0");
    l.setFont(kFigureFont);
    l.setToolTip(tip);
}

}  // namespace

WidgetWindow::WidgetWindow(Context& ctx, Models& models)
    : forms::Form(ctx.app, "Form1"),
      junkFrame(add<forms::Shape>("Shape1")),
      activityClock(add<forms::Label>("Label3")),
      cleanJunkButton(add<forms::CommandButton>("Command63")),
      screenGuardButton(add<forms::CommandButton>("Command3")),
      shutdownButton(add<forms::CommandButton>("Command8")),
      restartButton(add<forms::CommandButton>("Command6")),
      logOffButton(add<forms::CommandButton>("Command7")),
      downloadArrow(add<forms::Image>("Image2")),
      downloadFigure(add<forms::Label>("Label1")),
      downloadBar(add<forms::ProgressBar>("p1")),
      uploadArrow(add<forms::Image>("Image1")),
      uploadFigure(add<forms::Label>("Label2")),
      uploadBar(add<forms::ProgressBar>("p2")),
      autoStartOnBox(add<forms::PictureBox>("Picture1")),
      autoStartOffBox(add<forms::PictureBox>("Picture2")),
      aboutButton(add<forms::CommandButton>("Command2")),
      closeButton(add<forms::CommandButton>("Command1")),
      activityTimer(add<forms::Timer>("Timer1")),
      ctx_(ctx),
      models_(models),
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

void WidgetWindow::layOutControls() {
    layOutActionButtons();
    layOutFigures();
    layOutAutoStartBoxes();
    pictureButton(aboutButton, forms::Picture::About, "About", 17880, 3600);
    pictureButton(closeButton, forms::Picture::CloseWidget, "Close Widget", 17880, 3960);
    activityTimer.setInterval(1000);
    activityTimer.setTimerEnabled(true);
}

void WidgetWindow::layOutActionButtons() {
    junkFrame.setBoundsTwips(17760, 120, 1095, 4335);
    junkFrame.setBorderColor(kGreen);

    activityClock.setBoundsTwips(kClockLeft, 240, kFrameInnerRight - kClockLeft, 195);
    activityClock.setCaption("00");

    // The tips read as users have always known them, spelling and trailing blanks included.
    pictureButton(cleanJunkButton, forms::Picture::CleanJunk, "Click to Clean Junk Fles ", 17880, 480);
    pictureButton(screenGuardButton, forms::Picture::ScreenGuard, "Screen Guard", 17880, 840);
    pictureButton(shutdownButton, forms::Picture::Shutdown, "Click to Shutdown ", 17880, 1200);
    pictureButton(restartButton, forms::Picture::Restart, "Click to Restart", 17880, 1560);
    pictureButton(logOffButton, forms::Picture::LogOff, "Click to Logoff", 17880, 1920);
}

void WidgetWindow::layOutFigures() {
    downloadArrow.setBoundsTwips(17880, 2400, 240, 240);
    downloadArrow.setPicture(forms::Picture::ArrowDown);
    downloadArrow.setToolTip("Kbps");
    figureLabel(downloadFigure, "Internet Download Speed", 2400);
    downloadBar.setBoundsTwips(17880, 2640, 855, 135);
    downloadBar.setRange(0, 100);

    uploadArrow.setBoundsTwips(17880, 2880, 240, 240);
    uploadArrow.setPicture(forms::Picture::ArrowUp);
    uploadArrow.setToolTip("Kbps");
    figureLabel(uploadFigure, "Internet Upload Speed", 2880);
    uploadBar.setBoundsTwips(17880, 3120, 855, 135);
    uploadBar.setRange(0, 100);
}

void WidgetWindow::layOutAutoStartBoxes() {
    autoStartOnBox.setBoundsTwips(17880, 3360, 375, 135);
    autoStartOnBox.setBackColor(kDarkGreen);
    autoStartOnBox.setToolTip("Click to run widget on windows startup");
    autoStartOffBox.setBoundsTwips(18360, 3360, 375, 135);
    autoStartOffBox.setBackColor(kDarkRed);
    autoStartOffBox.setToolTip("Click to stop running on windows startup");
    autoStartOnBox.setTabStop(true);
    autoStartOffBox.setTabStop(true);
}

void WidgetWindow::wireHandlers() {
    cleanJunkButton.onClick = [this] { cleaning::cleanJunk(ctx_.app, models_.cleanUpRun, models_.junkMeter, widget_); };
    screenGuardButton.onClick = [this] { screenguard::openScreenGuard(ctx_.app); };
    shutdownButton.onClick = [this] { shutDownWindows(ctx_.services.token, ctx_.services.session); };
    restartButton.onClick = [this] { restartWindows(ctx_.services.token, ctx_.services.session); };
    logOffButton.onClick = [this] { logOff(ctx_.services.token, ctx_.services.session); };
    // A switch is its question, one registry call and its report. The call returns before any
    // event runs again, so a click can never start a switch inside another's registry work.
    autoStartOnBox.onClick = [this] { switchAutoStartOn(ctx_.app, ctx_.services.registry); };
    autoStartOffBox.onClick = [this] { switchAutoStartOff(ctx_.app, ctx_.services.registry); };
    aboutButton.onClick = [this] { showAbout(); };
    closeButton.onClick = [this] { closeWidget(); };
    activityTimer.onTimer = [this] { showLastActivity(); };
}

void WidgetWindow::onLoad() { fitColumnOnScreen(); }

// The column was designed for a screen at least 18855 twips wide. On a narrower one it
// would hang partly or wholly beyond the right edge, so the whole column moves left just
// far enough for its right edge to meet the work area's (never past the screen's left
// edge). Run again after every display change, it works from the designed places, so a
// column moved for a small screen goes back when the screen grows.
void WidgetWindow::fitColumnOnScreen() {
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

void WidgetWindow::onResize() { shapeFormToControls(*this, ctx_.services.windows); }

// A new resolution or work area may leave the column off screen, a new DPI changes its
// size in pixels: it is fitted again and its region rebuilt at the new scale.
void WidgetWindow::onDisplayChanged() {
    fitColumnOnScreen();
    shapeFormToControls(*this, ctx_.services.windows);
}

void WidgetWindow::onQueryUnload(int& cancel, int unloadMode) {
    // Closing the widget from its window menu or with Alt+F4 leaves the user nothing to see
    // or to stop the program with, so it ends the program as Close Widget does. Session end
    // and code unload it normally.
    if (unloadMode != forms::unload_mode::kFormControlMenu) return;
    closeWidget();
    cancel = 1;  // the process is gone; nothing of this unload may go on
}

void WidgetWindow::closeWidget() {
    // Ending at once skips the network window's unload handlers, which would have taken
    // its notification-area icon away; do that here so no stale icon is left behind.
    if (auto* networkWindow = ctx_.app.loadedForm<NetworkWindow>()) networkWindow->traffic().removeTrayIcon();
    ctx_.app.end(0);
}

void WidgetWindow::showAbout() {
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

void WidgetWindow::showTraffic(const network::TrafficMeter& meter) {
    const std::string decimal = ctx_.services.locale.decimalSeparator();
    const auto show = [&decimal](const network::TrafficFlow& flow, forms::Label& figure, forms::ProgressBar& bar) {
        // The caption keeps the figure in full (screen readers, the driver); the label shows
        // it rounded to fit the column.
        const double kilobits = flow.kilobitsPerSecond();
        figure.setCaptionShownAs(network::formatGeneral(kilobits, decimal), compactFigure(kilobits, decimal));
        // The meter's bar position is for a 0..100 bar; it is held to this bar's own range
        // all the same, so that it too is full, not frozen, should they differ.
        (void)bar.setValue(std::clamp(flow.barPosition(), bar.min(), bar.max()));
    };
    show(meter.incoming(), downloadFigure, downloadBar);
    show(meter.outgoing(), uploadFigure, uploadBar);
}

void WidgetWindow::showLastActivity() {
    const auto tick = ctx_.services.lastInput.lastInputTick();
    if (!tick) return;
    // Without an input since the last write the label keeps its time; the first tick
    // always writes, even when the system has not seen any input yet (tick 0).
    if (lastInputTick_ && *lastInputTick_ == *tick) return;
    activityClock.setCaption(ctx_.services.clock.timeOfDayText());
    lastInputTick_ = *tick;
}

}  // namespace sparvane::shell
