#pragma once
// The dial-up panel and its command buttons: the entry list, the status log, Connect and
// Disconnect, the status label and the buttons that open the clean-up windows and the
// companion browser. It fills the dial-up window's client area (kWidthTwips x kHeightTwips).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "dialup/dialer.h"
#include "forms/control.h"
#include "forms/form.h"
#include "platform/dialup.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace sparvane::dialup {

// Texts the panel writes; tests compare the log against them.
namespace panel_text {
// The panel's title and the caption of its boxes: the name the panel has always shown.
inline constexpr const char* kTitle = "Orvex Net Speed 3X";
inline constexpr const char* kReady = "Ready to connect";
inline constexpr const char* kClassInitialized = "Class initialized.";
inline constexpr const char* kSelectFirst = "Please select a DUN from the listbox before selecting connect.";
inline constexpr const char* kMadeEvent = "Connection made event fired.";
inline constexpr const char* kClosedEvent = "Connection closed event fired.";
inline constexpr const char* kAlreadyConnected = "Already connected.";
inline constexpr const char* kTerminated = "Connection terminated.";
inline constexpr const char* kNoConnection = "No connection made yet.";
inline constexpr const char* kDisconnected = "You are Disconnected From the Internet.";
inline constexpr const char* kWebAddress = "https://www.sparvane.example";
inline constexpr const char* kBrowserFile = "om.exe";
}  // namespace panel_text

class DialupPanel {
public:
    // What the panel dials with and what it starts. The two clean-up windows belong to
    // another subsystem: whoever builds the dial-up window says how they are opened.
    struct Services {
        platform::Dialup& dialup;
        platform::Registry& registry;
        platform::Shell& shell;
        std::function<void()> showFolderCleanUp;  // Settings
        std::function<void()> showTempCleanUp;    // Connect To Internet
    };
    // The client area the panel's controls are laid out in, in twips.
    static constexpr double kWidthTwips = 7440;
    static constexpr double kHeightTwips = 4785;
    // The surface the panel's white and yellow texts are drawn on: its window's back colour.
    static constexpr forms::Color kBackColor = forms::rgb(0, 0, 80);

    // Adds the panel's controls to the window and wires their handlers.
    DialupPanel(forms::Form& window, Services services);
    ~DialupPanel();
    DialupPanel(const DialupPanel&) = delete;
    DialupPanel& operator=(const DialupPanel&) = delete;

    // The dial-up window's first load: dial-up object, entry list, first log line.
    void prepare();
    // The dial-up window's unload: releases the dial-up object.
    void release();

    // The dial-up object while the panel holds one (between prepare and release).
    Dialer* dialer() const { return dialer_.get(); }

    forms::Frame& connectionFrame;
    forms::ListBox& entryList;
    forms::TextBox& statusLog;
    forms::CommandButton& settingsButton;  // Settings: the folder clean-up window
    forms::CommandButton& connectButton;
    forms::CommandButton& disconnectButton;
    forms::CommandButton& browserButton;            // the companion browser
    forms::CommandButton& connectToInternetButton;  // Connect To Internet: the temp-file clean-up window
    forms::Label& stateLabel;                       // connection state
    forms::Label& titleLabel;
    forms::Label& sloganLabel;
    forms::Label& webAddressLabel;

private:
    void layOut();
    void layOutConnectionFrame();
    void layOutButtons();
    void layOutLabels();
    void logStatus(const std::string& message);

    void connect();
    void disconnect();
    void openFolderCleanUp();
    void openTempCleanUp();
    void startBrowser();
    void logConnectionMade();
    void logConnectionClosed();

    forms::Form& form_;
    Services services_;
    std::unique_ptr<Dialer> dialer_;
};

// The message shown when the companion browser could not be started (ShellExecute's
// result at or below 32).
std::string browserNotStartedMessage(const std::string& path, std::intptr_t shellResult);

}  // namespace sparvane::dialup
