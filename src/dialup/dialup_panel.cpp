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
    : Frame7(networkWindow.add<forms::Frame>("Frame7")),
      lstConnections(networkWindow.add<forms::ListBox>("lstConnections")),
      txtStatus(networkWindow.add<forms::TextBox>("txtStatus")),
      Command1(networkWindow.add<forms::CommandButton>("Command1")),
      cmdConnect(networkWindow.add<forms::CommandButton>("cmdConnect")),
      cmdDisconnect(networkWindow.add<forms::CommandButton>("cmdDisconnect")),
      Command9(networkWindow.add<forms::CommandButton>("Command9")),
      Command5(networkWindow.add<forms::CommandButton>("Command5")),
      Label14(networkWindow.add<forms::Label>("Label14")),
      Label15(networkWindow.add<forms::Label>("Label15")),
      Label18(networkWindow.add<forms::Label>("Label18")),
      Label19(networkWindow.add<forms::Label>("Label19")),
      form_(networkWindow),
      services_(std::move(services)) {
    layOut();
    cmdConnect.onClick = [this] { cmdConnect_Click(); };
    cmdDisconnect.onClick = [this] { cmdDisconnect_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command5.onClick = [this] { Command5_Click(); };
    Command9.onClick = [this] { Command9_Click(); };
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
    Frame7.setCaption("Active Connection(s)");
    Frame7.setBoundsTwips(11280, 4680, 3975, 3135);
    Frame7.setFont(kPanelFont);

    // Inside Frame7, relative to it.
    lstConnections.setContainer(&Frame7);
    lstConnections.setBoundsTwips(120, 240, 3675, 615);
    lstConnections.setFont(kPanelFont);

    txtStatus.setContainer(&Frame7);
    txtStatus.setBoundsTwips(120, 1320, 3735, 1695);
    txtStatus.setFont(kPanelFont);
    txtStatus.setMultiLine(true, true);
    txtStatus.setLocked(true);
}

void DialupPanel::layOutButtons() {
    const struct {
        forms::CommandButton& button;
        const char* caption;
        double left, top, width, height;
    } buttons[] = {
        {Command1, "Settings", 15360, 4680, 2895, 615},
        {cmdConnect, "Connect", 15360, 5280, 2895, 495},
        {cmdDisconnect, "Disconnect", 15360, 5760, 2895, 495},
        {Command9, "Orvex Speed Browser", 15360, 6240, 2895, 495},
    };
    for (const auto& b : buttons) {
        b.button.setCaption(b.caption);
        b.button.setBoundsTwips(b.left, b.top, b.width, b.height);
        b.button.setFont(kPanelFont);
    }
    // Command5 keeps the window's default font.
    Command5.setCaption("Connect To Internet");
    Command5.setBoundsTwips(23160, 3600, 5175, 735);
}

void DialupPanel::layOutLabels() {
    Label14.setCaption(panel_text::kReady);
    Label14.setBoundsTwips(6840, 7920, 11355, 195);
    Label14.setForeColor(kYellow);

    Label15.setCaption(panel_text::kTitle);
    Label15.setBoundsTwips(6720, 3720, 5325, 630);
    Label15.setFont(kHeadingFont);
    Label15.setForeColor(kWhite);

    Label18.setCaption("Increase Dial-Up Internet Speed Up-To 3X");
    Label18.setBoundsTwips(9000, 4320, 3015, 195);
    Label18.setForeColor(kPaleYellow);

    Label19.setCaption(panel_text::kWebAddress);
    Label19.setBoundsTwips(15720, 4320, 2310, 195);
    Label19.setForeColor(kPaleYellow);
}

void DialupPanel::prepare() {
    fInet_ = std::make_unique<WinInet>(services_.dialup, services_.registry);
    fInet_->ConnectionMade = [this] { fInet_ConnectionMade(); };
    fInet_->ConnectionClosed = [this] { fInet_ConnectionClosed(); };

    std::vector<std::string> sDunList;
    fInet_->ListDUNs(sDunList);
    lstConnections.clear();
    for (const auto& name : sDunList) lstConnections.addItem(name);

    txtStatus.setText(std::string(panel_text::kClassInitialized) + kCrLf);

    // The entry buffer holds 256 names; say so rather than leave the rest out silently.
    const std::uint32_t listed = static_cast<std::uint32_t>(sDunList.size());
    if (fInet_->EntriesInPhoneBook() > listed)
        LogStatus(std::to_string(fInet_->EntriesInPhoneBook() - listed) + " more dial-up entries were not listed.");
}

void DialupPanel::release() {
    // Ends the object; with DisconnectOnTerminate set it hangs up what it holds.
    fInet_.reset();
}

void DialupPanel::LogStatus(const std::string& message) {
    txtStatus.setText(txtStatus.text() + message + kCrLf);
    txtStatus.setSelStart(txtStatus.text().size());
    txtStatus.setSelLength(0);
}

void DialupPanel::fInet_ConnectionMade() { LogStatus(panel_text::kMadeEvent); }

void DialupPanel::fInet_ConnectionClosed() { LogStatus(panel_text::kClosedEvent); }

void DialupPanel::cmdConnect_Click() {
    if (lstConnections.listIndex() == -1) {
        form_.app().msgBox(panel_text::kSelectFirst, forms::msgbox::kOkOnly | forms::msgbox::kExclamation,
                           panel_text::kTitle);
        return;
    }
    if (!fInet_) return;  // released: the window is on its way out
    const std::int32_t r = fInet_->StartDUN(form_.hWnd(), lstConnections.text());
    // Read again: the event handler ran in between.
    const std::string name = lstConnections.text();
    if (r == 0)
        LogStatus("Connection to " + name + " made.");
    else if (r == -1)
        LogStatus(panel_text::kAlreadyConnected);
    else
        LogStatus("Error " + std::to_string(r) + " attempting to connect to " + name);
}

void DialupPanel::cmdDisconnect_Click() {
    if (!fInet_) return;
    const std::int32_t r = fInet_->HangUp();
    if (r == 0) {
        LogStatus(panel_text::kTerminated);
        Label14.setCaption(panel_text::kDisconnected);
        Label14.setForeColor(kRed);
    } else if (r == -1) {
        LogStatus(panel_text::kNoConnection);
    } else {
        LogStatus("Unable to terminate connection, error: " + std::to_string(r));
    }
}

void DialupPanel::Command1_Click() {
    if (services_.showFolderCleanUp) services_.showFolderCleanUp();
}

void DialupPanel::Command5_Click() {
    if (services_.showTempCleanUp) services_.showTempCleanUp();
}

void DialupPanel::Command9_Click() {
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
