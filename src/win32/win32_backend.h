#pragma once
// The forms runtime on real windows: one top-level window per form, one child window per
// control (timers and shapes have none), input turned back into model events. The model in
// forms::Form / forms::Control stays the one source of truth; this class only mirrors it.
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/application.h"
#include "forms/backend.h"
#include "win32/form_window.h"
#include "win32/gdi_cache.h"
#include "win32/native_control.h"

namespace win32 {

class Win32Backend final : public forms::Backend {
public:
    explicit Win32Backend(HINSTANCE instance);
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    // The application whose events this backend dispatches (set once it exists).
    void attach(forms::Application& app) { app_ = &app; }

    // Marks code that runs model handlers from outside a window procedure (start-up), so
    // that forms unloaded meanwhile are released only when it is over.
    class InputScope {
    public:
        explicit InputScope(Win32Backend& backend);
        ~InputScope();
        InputScope(const InputScope&) = delete;
        InputScope& operator=(const InputScope&) = delete;

    private:
        Win32Backend& backend_;
        std::optional<forms::Application::EventScope> event_;
    };

    // Runs the message loop until WM_QUIT (posted when the last form is unloaded).
    int runMessageLoop();

    // forms::Backend
    void createForm(forms::Form& form) override;
    void destroyForm(forms::Form& form) override;
    void showForm(forms::Form& form) override;
    void hideForm(forms::Form& form) override;
    void formChanged(forms::Form& form) override;
    void bringToFront(forms::Form& form) override;
    void bringToForeground(forms::Form& form) override;
    int popUpMenu(forms::Form& owner, const std::vector<forms::MenuEntry>& entries, int x, int y) override;
    void setFocus(forms::Control& control) override;
    void setBusyCursor(bool busy) override;
    void createControl(forms::Control& control) override;
    void controlChanged(forms::Control& control, forms::Property what) override;
    void timerChanged(forms::Timer& timer) override;
    int messageBox(const std::string& text, int style, const std::string& title) override;
    void doEvents() override;
    double screenWidthTwips() const override;
    double screenHeightTwips() const override;
    double workAreaRightTwips() const override;
    double twipsPerPixelX() const override { return twipsPerPixel_; }
    double twipsPerPixelY() const override { return twipsPerPixel_; }
    double frameWidthTwips(const forms::Form& form) const override;
    double frameHeightTwips(const forms::Form& form) const override;
    void endProcess(int exitStatus) override;

    // What the windows of its forms share.
    HINSTANCE instance() const { return instance_; }
    GdiCache& gdi() { return gdi_; }
    HFONT fontFor(const forms::Control& control);
    forms::Application* application() const { return app_; }
    UINT makeChildWindowsMessage() const { return makeChildWindowsMessage_; }  // kMakeControlWindowsMessage
    UINT taskbarCreatedMessage() const { return taskbarCreatedMessage_; }      // "TaskbarCreated"
    HCURSOR busyCursor() const { return busy_ ? wait_ : nullptr; }             // while long work runs
    HCURSOR handCursor() const { return hand_; }
    // Inside showForm/bringToFront: the model raises Resize and Activate itself.
    bool showing() const { return showing_ > 0; }
    // Inside hideForm/destroyForm: activation is passed on afterwards.
    bool hiding() const { return hiding_ > 0; }
    // A new DPI for every window: controls re-placed at the new twips per pixel, fonts made
    // again at the new size (pictures follow their controls' sizes).
    void applyDpi(int dpi);
    // The window's real place, size and state, told to the model.
    void reportGeometry(FormWindow& fw, bool raiseResize);

    // Every window procedure holds one while it runs, so that the native side of a form
    // unloaded inside it stays alive until the outermost procedure returns.
    class DepthGuard {
    public:
        explicit DepthGuard(Win32Backend& backend) : backend_(backend) { ++backend_.depth_; }
        ~DepthGuard() {
            if (--backend_.depth_ == 0) backend_.releaseGraveyard();
        }
        DepthGuard(const DepthGuard&) = delete;
        DepthGuard& operator=(const DepthGuard&) = delete;

    private:
        Win32Backend& backend_;
    };

private:
    RECT frameOf(const forms::Form& form) const;
    int toPixels(double twips) const;
    struct Placement {
        int x, y, width, height;  // pixels, or CW_USEDEFAULT
    };
    Placement initialPlacement(const forms::Form& form, bool popup) const;
    static void centreOnScreen(HWND hwnd);
    double toTwips(int pixels) const { return pixels * twipsPerPixel_; }

    bool anyFormOnScreen() const;
    void adoptDpiOf(FormWindow& fw);
    void setIcons(FormWindow& fw);  // the DPI of the monitor fw's window opened on, for every window

    void registerClasses();
    FormWindow* windowOf(const forms::Form& form) const;
    NativeControl* windowOf(const forms::Control& control) const;
    bool translateDialogKeys(MSG& msg);
    void releaseGraveyard();

    HINSTANCE instance_;
    forms::Application* app_ = nullptr;
    int dpi_ = 96;
    double twipsPerPixel_ = 15;
    GdiCache gdi_;
    HCURSOR hand_ = nullptr;
    HCURSOR wait_ = nullptr, arrow_ = nullptr;
    bool busy_ = false;
    HICON bigIcon_ = nullptr, smallIcon_ = nullptr;
    ATOM formClass_ = 0;
    UINT makeChildWindowsMessage_ = 0;  // kMakeControlWindowsMessage, registered
    UINT taskbarCreatedMessage_ = 0;    // broadcast by Explorer when it makes the taskbar anew
    std::map<const forms::Form*, std::unique_ptr<FormWindow>> forms_;
    // Windows of forms unloaded while a window procedure still runs; freed when the
    // outermost one returns.
    std::vector<std::unique_ptr<FormWindow>> graveyard_;
    int depth_ = 0;
    int showing_ = 0;  // inside showForm/bringToFront: the model raises Resize and Activate itself
    int hiding_ = 0;   // inside hideForm/destroyForm: activation is passed on afterwards
    UINT_PTR nextTimerId_ = 1;
};

}  // namespace win32
