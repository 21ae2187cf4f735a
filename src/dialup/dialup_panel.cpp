#include "dialup/dialup_panel.h"

#include <utility>

#include "forms/application.h"

namespace sparvane::dialup {

namespace {

constexpr const char* kCrLf = "\r\n";
const forms::Font kPanelFont{"Verdana", 8.25, true, false};
const forms::Font kHeadingFont{"Verdana", 26.25, true, false};
constexpr forms::Color kYellow = forms::rgb(255, 255, 0);
constexpr forms::Color kRed = forms::rgb(255, 0, 0);
constexpr forms::Color kWhite = forms::rgb(255, 255, 255);
constexpr forms::Color kPaleYellow = forms::rgb(255, 255, 128);

// The layout's grid, in twips: margins around the client area, and the button column
// beside the connection frame, reaching to the right margin.
constexpr double kMargin = 120;
constexpr double kInnerWidth = DialupPanel::kWidthTwips - 2 * kMargin;
constexpr double kButtonLeft = 4335;
constexpr double kButtonWidth = DialupPanel::kWidthTwips - kMargin - kButtonLeft;

}  // namespace

DialupPanel::DialupPanel(forms::Form& window, Services services)
    : connectionFrame(window.add<forms::Frame>("Frame7")),
      entryList(window.add<forms::ListBox>("lstConnections")),
      statusLog(window.add<forms::TextBox>("txtStatus")),
      settingsButton(window.add<forms::CommandButton>("Command1")),
      connectButton(window.add<forms::CommandButton>("cmdConnect")),
      disconnectButton(window.add<forms::CommandButton>("cmdDisconnect")),
      browserButton(window.add<forms::CommandButton>("Command9")),
      connectToInternetButton(window.add<forms::CommandButton>("Command5")),
      stateLabel(window.add<forms::Label>("Label14")),
      titleLabel(window.add<forms::Label>("Label15")),
      sloganLabel(window.add<forms::Label>("Label18")),
      webAddressLabel(window.add<forms::Label>("Label19")),
      form_(window),
      services_(std::move(services)) {
    layOut();
    connectButton.onClick = [this] { connect(); };
    disconnectButton.onClick = [this] { disconnect(); };
    settingsButton.onClick = [this] { openFolderCleanUp(); };
    connectToInternetButton.onClick = [this] { openTempCleanUp(); };
    browserButton.onClick = [this] { startBrowser(); };
}

DialupPanel::~DialupPanel() = default;

// Places in twips inside the window's client area: the heading across the top, the
// connection frame on the left with the buttons beside it, the state line at the bottom.
// Positions and fonts both follow the DPI, so the layout holds at any scale; the margins
// and gaps leave room for a pixel of rounding on every edge.
void DialupPanel::layOut() {
    layOutConnectionFrame();
    layOutButtons();
    layOutLabels();
}

void DialupPanel::layOutConnectionFrame() {
    connectionFrame.setCaption("Active Connection(s)");
    connectionFrame.setBoundsTwips(kMargin, 1170, 3975, 3135);
    connectionFrame.setFont(kPanelFont);
    connectionFrame.setForeColor(kWhite);  // its caption sits on the window's dark surface

    // Inside connectionFrame, relative to it.
    entryList.setContainer(&connectionFrame);
    entryList.setBoundsTwips(120, 240, 3675, 615);
    entryList.setFont(kPanelFont);

    statusLog.setContainer(&connectionFrame);
    statusLog.setBoundsTwips(120, 1320, 3735, 1695);
    statusLog.setFont(kPanelFont);
    statusLog.setMultiLine(true, true);
    statusLog.setLocked(true);
}

void DialupPanel::layOutButtons() {
    const struct {
        forms::CommandButton& button;
        const char* caption;
        double top, height;
    } buttons[] = {
        {settingsButton, "Settings", 1260, 615},
        {connectButton, "Connect", 1935, 495},
        {disconnectButton, "Disconnect", 2490, 495},
        {browserButton, "Orvex Speed Browser", 3045, 495},
    };
    for (const auto& b : buttons) {
        b.button.setCaption(b.caption);
        b.button.setBoundsTwips(kButtonLeft, b.top, kButtonWidth, b.height);
        b.button.setFont(kPanelFont);
    }
    // connectToInternetButton keeps the window's default font.
    connectToInternetButton.setCaption("Connect To Internet");
    connectToInternetButton.setBoundsTwips(kButtonLeft, 3570, kButtonWidth, 735);
}

void DialupPanel::layOutLabels() {
    stateLabel.setCaption(panel_text::kReady);
    stateLabel.setBoundsTwips(kMargin, 4425, kInnerWidth, 240);
    stateLabel.setForeColor(kYellow);

    titleLabel.setCaption(panel_text::kTitle);
    titleLabel.setBoundsTwips(kMargin, 90, kInnerWidth, 720);  // room for the font's descent at 144 dpi
    titleLabel.setAlignment(forms::Alignment::Center);
    titleLabel.setFont(kHeadingFont);
    titleLabel.setForeColor(kWhite);

    sloganLabel.setCaption("Increase Dial-Up Internet Speed Up-To 3X");
    sloganLabel.setBoundsTwips(kMargin, 840, 4200, 240);
    sloganLabel.setForeColor(kPaleYellow);

    // Above the buttons, to the right margin. Left-aligned: a drawn text can come out a few
    // pixels wider than it measures, and the slack on the right absorbs that where a
    // right-aligned text would lose its last letter.
    webAddressLabel.setCaption(panel_text::kWebAddress);
    webAddressLabel.setBoundsTwips(kButtonLeft, 840, kButtonWidth, 240);
    webAddressLabel.setForeColor(kPaleYellow);
}

void DialupPanel::prepare() {
    dialer_ = std::make_unique<Dialer>(services_.dialup, services_.registry);
    dialer_->onConnectionMade = [this] { logConnectionMade(); };
    dialer_->onConnectionClosed = [this] { logConnectionClosed(); };

    const std::vector<std::string> entries = dialer_->listEntries();
    entryList.clear();
    for (const auto& name : entries) entryList.addItem(name);

    statusLog.setText(std::string(panel_text::kClassInitialized) + kCrLf);

    // The entry buffer holds 256 names; say so rather than leave the rest out silently.
    const std::uint32_t listed = static_cast<std::uint32_t>(entries.size());
    if (dialer_->entriesInPhoneBook() > listed)
        logStatus(std::to_string(dialer_->entriesInPhoneBook() - listed) + " more dial-up entries were not listed.");
}

void DialupPanel::release() {
    // Ends the object; with hangsUpOnRelease set it hangs up what it holds.
    dialer_.reset();
}

void DialupPanel::logStatus(const std::string& message) {
    statusLog.setText(statusLog.text() + message + kCrLf);
    statusLog.setSelStart(statusLog.text().size());
    statusLog.setSelLength(0);
}

void DialupPanel::logConnectionMade() { logStatus(panel_text::kMadeEvent); }

void DialupPanel::logConnectionClosed() { logStatus(panel_text::kClosedEvent); }

void DialupPanel::connect() {
    if (entryList.listIndex() == -1) {
        form_.app().msgBox(panel_text::kSelectFirst, forms::msgbox::kOkOnly | forms::msgbox::kExclamation,
                           panel_text::kTitle);
        return;
    }
    if (!dialer_) return;  // released: the window is on its way out
    const std::int32_t r = dialer_->dial(form_.hWnd(), entryList.text());
    // Read again: the event handler ran in between.
    const std::string name = entryList.text();
    if (r == 0)
        logStatus("Connection to " + name + " made.");
    else if (r == -1)
        logStatus(panel_text::kAlreadyConnected);
    else
        logStatus("Error " + std::to_string(r) + " attempting to connect to " + name);
}

void DialupPanel::disconnect() {
    if (!dialer_) return;
    const std::int32_t r = dialer_->hangUp();
    if (r == 0) {
        logStatus(panel_text::kTerminated);
        stateLabel.setCaption(panel_text::kDisconnected);
        stateLabel.setForeColor(kRed);
    } else if (r == -1) {
        logStatus(panel_text::kNoConnection);
    } else {
        logStatus("Unable to terminate connection, error: " + std::to_string(r));
    }
}

void DialupPanel::openFolderCleanUp() {
    if (services_.showFolderCleanUp) services_.showFolderCleanUp();
}

void DialupPanel::openTempCleanUp() {
    if (services_.showTempCleanUp) services_.showTempCleanUp();
}

void DialupPanel::startBrowser() {
    const std::string path = form_.app().info().exeFolder + "\\" + panel_text::kBrowserFile;
    const std::intptr_t result = services_.shell.execute(form_.hWnd(), "open", path, "", "", platform::kShowNormal);
    // The browser is a separate product that may not be installed beside us; tell the
    // user and carry on.
    if (result <= 32) form_.app().msgBox(browserNotStartedMessage(path, result), forms::msgbox::kInformation);
}

std::string browserNotStartedMessage(const std::string& path, std::intptr_t shellResult) {
    std::string reason;
    switch (shellResult) {
        case 0:
        case 8: reason = "The system is out of memory or resources."; break;
        case 2: reason = "The file was not found."; break;
        case 3: reason = "The folder was not found."; break;
        case 5: reason = "Access to the file was denied."; break;
        case 11: reason = "The file is not a valid program."; break;
        default: reason = "The system reported error " + std::to_string(shellResult) + "."; break;
    }
    return std::string("The browser ") + panel_text::kBrowserFile + " could not be started.\r\n\r\n" + path +
           "\r\n\r\n" + reason;
}

}  // namespace sparvane::dialup
