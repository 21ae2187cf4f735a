#pragma once
// The forms runtime without windows: records what the program shows, answers message boxes
// from a script, and runs timers on a virtual clock.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/control.h"
#include "forms/form.h"

namespace fakes {

struct ShownMessage {
    std::string text;
    int style = 0;
    std::string title;
};

class HeadlessBackend : public forms::Backend {
public:
    HeadlessBackend();

    // The application whose events the clock dispatches (set once it exists).
    void attach(forms::Application& app) { app_ = &app; }

    // Screen and frame metrics, in pixels.
    int screenWidthPx = 1600;
    int screenHeightPx = 900;
    double twipsPerPixel = 15;
    int borderPx = 4;          // each side, for bordered windows
    int captionPx = 23;        // caption bar of bordered windows
    int workAreaRightPx = -1;  // -1: the work area reaches the screen's right edge

    // The system changed the screen (set the metrics above first): maximized windows take
    // the new size, then every loaded form hears of the change, as WM_DISPLAYCHANGE,
    // WM_SETTINGCHANGE or WM_DPICHANGED would tell it.
    void changeDisplay();

    // Message boxes: answers are taken from the front of the queue; with none queued
    // the box answers OK (or Yes for yes/no boxes).
    std::deque<int> answers;
    std::vector<ShownMessage> messages;
    // Runs while a message box is up (after it was recorded, before it is answered).
    std::function<void(const ShownMessage&)> onMessageBox;
    // Runs inside every doEvents call (to simulate input arriving mid-work).
    std::function<void()> onDoEvents;
    int doEventsCalls = 0;
    bool busyCursor = false;  // the wait cursor is shown

    bool processEnded = false;
    int exitStatus = -1;

    // Virtual clock: runs every timer tick due within the next `ms`, in time order.
    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }
    std::size_t activeTimerCount() const { return due_.size(); }

    // Handles created and not yet destroyed (windows of forms and controls).
    std::size_t liveWindowCount() const { return liveWindows_; }
    // Z-order requests, newest last.
    std::vector<std::string> broughtToFront;
    // Forms made the foreground window, newest last.
    std::vector<std::string> foreground;
    // Pop-up menus: each one shown, and the commands the user picks, front first (none
    // queued: dismissed, 0).
    std::vector<std::vector<forms::MenuEntry>> menusShown;
    std::deque<int> menuChoices;
    // Window lifecycle as the system would see it: "create:Form3", "show:Form3",
    // "hide:Form3", "destroy:Form3", in the order the calls came.
    std::vector<std::string> windowLog;
    // Focus requests as "Form.Control", newest last.
    std::vector<std::string> focusRequests;

    // forms::Backend
    void createForm(forms::Form& form) override;
    void destroyForm(forms::Form& form) override;
    void showForm(forms::Form& form) override;
    void hideForm(forms::Form& form) override;
    void formChanged(forms::Form& form) override;
    void bringToFront(forms::Form& form) override;
    void bringToForeground(forms::Form& form) override;
    int popUpMenu(forms::Form& owner, const std::vector<forms::MenuEntry>& entries, int x, int y) override;
    void createControl(forms::Control& control) override;
    void controlChanged(forms::Control& control, forms::Property what) override;
    void timerChanged(forms::Timer& timer) override;
    void setFocus(forms::Control& control) override;
    void setBusyCursor(bool busy) override { busyCursor = busy; }
    int messageBox(const std::string& text, int style, const std::string& title) override;
    void doEvents() override;
    double screenWidthTwips() const override { return screenWidthPx * twipsPerPixel; }
    double screenHeightTwips() const override { return screenHeightPx * twipsPerPixel; }
    double workAreaRightTwips() const override {
        return (workAreaRightPx < 0 ? screenWidthPx : workAreaRightPx) * twipsPerPixel;
    }
    double twipsPerPixelX() const override { return twipsPerPixel; }
    double twipsPerPixelY() const override { return twipsPerPixel; }
    double frameWidthTwips(const forms::Form& form) const override;
    double frameHeightTwips(const forms::Form& form) const override;
    void endProcess(int exitStatus) override;

private:
    void layOut(forms::Form& form, bool raiseResize);

    forms::Application* app_ = nullptr;
    std::uintptr_t nextHandle_ = 0x1000;
    std::size_t liveWindows_ = 0;
    std::int64_t now_ = 0;
    std::map<forms::Timer*, std::int64_t> due_;
};

}  // namespace fakes
