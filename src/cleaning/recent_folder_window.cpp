#include "cleaning/recent_folder_window.h"

#include "forms/application.h"

namespace sparvane::cleaning {

RecentFolderWindow::RecentFolderWindow(forms::Application& app, const Services& services)
    : forms::Form(app, "Form2"),
      measureTimer(add<forms::Timer>("tmrtest")),
      viewButton(add<forms::CommandButton>("Command2")),
      colourButton(add<forms::CommandButton>("Command8")),
      emptyButton(add<forms::CommandButton>("Command1")),
      pathButton(add<forms::CommandButton>("Command3")),
      verdictButton(add<forms::CommandButton>("Command4")),
      exactVerdictButton(add<forms::CommandButton>("Command6")),
      unusedButton(add<forms::CommandButton>("Command5")),
      showWidgetButton(add<forms::CommandButton>("Command7")),
      sizeLabel(add<forms::Label>("Label4")),
      services_(services) {
    setCaption("Form2");
    setStartUpPosition(forms::StartUpPosition::CenterScreen);
    setClientSizeTwips(450, 210);
    layOut();
    wireHandlers();
    services_.meter.watch(*this);
}

RecentFolderWindow::~RecentFolderWindow() { services_.meter.unwatch(*this); }

void RecentFolderWindow::layOut() {
    // The window never stays on screen, so its controls keep their designed places even
    // though most of them lie outside its small client area.
    struct Placed {
        forms::CommandButton& button;
        const char* caption;
        double left, top;
    };
    const Placed buttons[] = {
        {viewButton, "View", 120, 1200},         {colourButton, "Command8", 1320, 1200},
        {emptyButton, "Empty", 120, 1680},       {pathButton, "Path", 1320, 1680},
        {verdictButton, "Command4", 2520, 1200}, {exactVerdictButton, "Command6", 2520, 1680},
        {unusedButton, "Command5", 3720, 1200},  {showWidgetButton, "Command7", 3720, 1680},
    };
    for (const auto& b : buttons) {
        b.button.setCaption(b.caption);
        b.button.setBoundsTwips(b.left, b.top, 1095, 375);
    }
    sizeLabel.setCaption("Label4");
    sizeLabel.setBoundsTwips(120, 720, 2415, 255);
    measureTimer.setInterval(1000);
}

void RecentFolderWindow::wireHandlers() {
    measureTimer.onTimer = [this] { countTick(); };
    viewButton.onClick = [this] { services_.meter.measure(); };
    colourButton.onClick = [this] { colourFrame(); };
    emptyButton.onClick = [this] { emptyRecentFolder(); };
    pathButton.onClick = [this] { showRecentFolderPath(); };
    verdictButton.onClick = [this] { reportVerdict(); };
    exactVerdictButton.onClick = [this] { colourByExactVerdict(); };
    showWidgetButton.onClick = [this] { services_.widget.show(); };
}

void RecentFolderWindow::modelChanged() {
    if (const auto& text = services_.meter.shownText()) sizeLabel.setCaption(*text);
}

void RecentFolderWindow::onActivate() {
    // Every activation hides the window again, then refreshes the size and the colour.
    hide();
    measureAndColour();
}

void RecentFolderWindow::countTick() {
    ++ticks_;
    if (ticks_ < 20) return;
    ticks_ = 0;
    measureAndColour();
}

// Always in this order, so that the colour follows the freshest measurement.
void RecentFolderWindow::measureAndColour() {
    services_.meter.measure();
    colourFrame();
}

void RecentFolderWindow::colourFrame() { services_.widget.setFrameColor(services_.meter.frameColour()); }

void RecentFolderWindow::emptyRecentFolder() {
    auto& meter = services_.meter;
    const auto target = meter.findFolderToEmpty();
    if (!target) {
        app().msgBox("Make sure you have selected a folder", forms::msgbox::kOkOnly, "error");
        return;
    }
    if (!target->holdsEntries) return;  // nothing to empty

    services_.widget.setFrameColor(JunkMeter::kFrameGreen);
    forms::Application::BusyCursor busy(app());
    meter.empty(*target);
}

void RecentFolderWindow::showRecentFolderPath() {
    const auto folder = services_.meter.openFolder();
    if (!folder) return;
    app().msgBox(*folder + "\r\n", forms::msgbox::kInformation, "Your paths");
}

void RecentFolderWindow::reportVerdict() {
    app().msgBox(services_.meter.exactlyClean() ? "System OK" : "System needs cleaning", forms::msgbox::kOkOnly);
}

void RecentFolderWindow::colourByExactVerdict() {
    services_.widget.setFrameColor(services_.meter.exactlyClean() ? JunkMeter::kFrameGreen : JunkMeter::kFrameDarkRed);
}

}  // namespace sparvane::cleaning
