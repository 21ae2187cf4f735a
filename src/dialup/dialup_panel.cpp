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

}  // namespace

DialupPanel::DialupPanel(forms::Form& networkWindow, Services services)
    : connectionFrame(networkWindow.add<forms::Frame>("Frame7")),
      entryList(networkWindow.add<forms::ListBox>("lstConnections")),
      statusLog(networkWindow.add<forms::TextBox>("txtStatus")),
      settingsButton(networkWindow.add<forms::CommandButton>("Command1")),
      connectButton(networkWindow.add<forms::CommandButton>("cmdConnect")),
      disconnectButton(networkWindow.add<forms::CommandButton>("cmdDisconnect")),
      browserButton(networkWindow.add<forms::CommandButton>("Command9")),
      connectToInternetButton(networkWindow.add<forms::CommandButton>("Command5")),
      stateLabel(networkWindow.add<forms::Label>("Label14")),
      titleLabel(networkWindow.add<forms::Label>("Label15")),
      sloganLabel(networkWindow.add<forms::Label>("Label18")),
      webAddressLabel(networkWindow.add<forms::Label>("Label19")),
      form_(networkWindow),
      services_(std::move(services)) {
    layOut();
    connectButton.onClick = [this] { connect(); };
    disconnectButton.onClick = [this] { disconnect(); };
    settingsButton.onClick = [this] { openFolderCleanUp(); };
    connectToInternetButton.onClick = [this] { openTempCleanUp(); };
    browserButton.onClick = [this] { startBrowser(); };
}

DialupPanel::~DialupPanel() = default;

// Places in twips as designed for the network window. The window's client area is far
// smaller, so none of this is on screen while the window keeps its designed size.
void DialupPanel::layOut() {
    layOutConnectionFrame();
    layOutButtons();
    layOutLabels();
}

void DialupPanel::layOutConnectionFrame() {
    connectionFrame.setCaption("Active Connection(s)");
    connectionFrame.setBoundsTwips(11280, 4680, 3975, 3135);
    connectionFrame.setFont(kPanelFont);

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
        double left, top, width, height;
    } buttons[] = {
        {settingsButton, "Settings", 15360, 4680, 2895, 615},
        {connectButton, "Connect", 15360, 5280, 2895, 495},
        {disconnectButton, "Disconnect", 15360, 5760, 2895, 495},
        {browserButton, "Orvex Speed Browser", 15360, 6240, 2895, 495},
    };
    for (const auto& b : buttons) {
        b.button.setCaption(b.caption);
        b.button.setBoundsTwips(b.left, b.top, b.width, b.height);
        b.button.setFont(kPanelFont);
    }
    // connectToInternetButton keeps the window's default font.
    connectToInternetButton.setCaption("Connect To Internet");
    connectToInternetButton.setBoundsTwips(23160, 3600, 5175, 735);
}

void DialupPanel::layOutLabels() {
    stateLabel.setCaption(panel_text::kReady);
    stateLabel.setBoundsTwips(6840, 7920, 11355, 195);
    stateLabel.setForeColor(kYellow);

    titleLabel.setCaption(panel_text::kTitle);
    titleLabel.setBoundsTwips(6720, 3720, 5325, 630);
    titleLabel.setFont(kHeadingFont);
    titleLabel.setForeColor(kWhite);

    sloganLabel.setCaption("Increase Dial-Up Internet Speed Up-To 3X");
    sloganLabel.setBoundsTwips(9000, 4320, 3015, 195);
    sloganLabel.setForeColor(kPaleYellow);

    webAddressLabel.setCaption(panel_text::kWebAddress);
    webAddressLabel.setBoundsTwips(15720, 4320, 2310, 195);
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
