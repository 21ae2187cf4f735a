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
#include "platform/win32/gdi_cache.h"
#include "platform/win32/native_control.h"
#include "platform/win32/owned_window.h"

namespace platform::win32 {

struct FormWindow;

// The native side of one form. Members die in reverse order: the controls' windows (and
// their names) go before the form window that parents them.
struct FormWindow {
    FormWindow(class Win32Backend& b, forms::Form& f) : backend(b), form(f) {}
    Win32Backend& backend;
    forms::Form& form;
    OwnedWindow window;
    OwnedWindow tooltip;
    std::vector<std::unique_ptr<NativeControl>> controls;  // in the form's order of adding
    std::unordered_map<const forms::Control*, NativeControl*> byControl;
    std::unordered_map<HWND, NativeControl*> byWindow;
    std::map<UINT_PTR, forms::Timer*> timers;
    std::wstring caption;
    HWND lastFocus = nullptr;
    UINT nextControlId = 1000;  // clear of IDOK/IDCANCEL, which dialog keys send to the form
    bool created = false;
    bool childWindows = false;  // the controls' windows exist (made on first show, or when asked)
    bool keyboardCues = false;  // focus rectangles only once the keyboard has been used here

    // The form window's messages (windowProcedure<FormWindow>).
    LRESULT handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

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
    void setFocus(forms::Control& control) override;
    void setBusyCursor(bool busy) override;
    void createControl(forms::Control& control) override;
    void controlChanged(forms::Control& control, forms::Property what) override;
    void timerChanged(forms::Timer& timer) override;
    int messageBox(const std::string& text, int style, const std::string& title) override;
    void doEvents() override;
    double screenWidthTwips() const override;
    double screenHeightTwips() const override;
    double twipsPerPixelX() const override { return twipsPerPixel_; }
    double twipsPerPixelY() const override { return twipsPerPixel_; }
    double frameWidthTwips(const forms::Form& form) const override;
    double frameHeightTwips(const forms::Form& form) const override;
    void endProcess(int exitStatus) override;

    // What the native controls of its forms share.
    HINSTANCE instance() const { return instance_; }
    GdiCache& gdi() { return gdi_; }
    HFONT fontFor(const forms::Control& control);
    // The form's back colour and shape outlines, which show through see-through controls.
    void paintFormSurface(FormWindow& fw, HDC dc, const RECT& area);
    // After a frame or picture box moved or was shown or hidden: what it holds follows.
    void placeContainedControls(FormWindow& fw);

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
    struct Styles {
        DWORD style = 0;
        DWORD exStyle = 0;
    };
    static Styles formStyles(const forms::Form& form);
    RECT frameOf(const forms::Form& form) const;
    int toPixels(double twips) const;
    double toTwips(int pixels) const { return pixels * twipsPerPixel_; }

    void registerClasses();
    FormWindow* windowOf(const forms::Form& form) const;
    NativeControl* windowOf(const forms::Control& control) const;
    void reportGeometry(FormWindow& fw, bool raiseResize);
    bool translateDialogKeys(MSG& msg);
    void releaseGraveyard();

    friend struct FormWindow;

    // Form window (form_window.cpp).
    LRESULT onFormMessage(FormWindow& fw, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void onFormActivate(FormWindow& fw, HWND hwnd, WPARAM wParam);
    void onCommand(FormWindow& fw, WPARAM wParam, LPARAM lParam);
    void focusFirstControl(FormWindow& fw);

    // The controls' windows (form_controls.cpp).
    void makeChildWindows(FormWindow& fw);

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
    std::map<const forms::Form*, std::unique_ptr<FormWindow>> forms_;
    // Windows of forms unloaded while a window procedure still runs; freed when the
    // outermost one returns.
    std::vector<std::unique_ptr<FormWindow>> graveyard_;
    int depth_ = 0;
    int showing_ = 0;  // inside showForm/bringToFront: the model raises Resize and Activate itself
    int hiding_ = 0;   // inside hideForm/destroyForm: activation is passed on afterwards
    UINT_PTR nextTimerId_ = 1;
};

}  // namespace platform::win32
