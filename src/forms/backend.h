#pragma once
// What the forms runtime asks of the window system. The Win32 backend makes real windows;
// the headless backend (tests/fakes) records. The model in Form and Control stays the one
// source of truth: a backend only mirrors it and reports input back.
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/types.h"

namespace forms {

class Form;
class Control;
class Timer;

class Backend {
public:
    virtual ~Backend() = default;

    // Windows.
    virtual void createForm(Form& form) = 0;   // sets form's handle and real geometry
    virtual void destroyForm(Form& form) = 0;  // the form's controls die with it
    virtual void showForm(Form& form) = 0;     // reports geometry back without raising Resize
    virtual void hideForm(Form& form) = 0;
    virtual void formChanged(Form& form) = 0;  // caption, bounds or window state
    virtual void bringToFront(Form& form) = 0;
    // In front of other programs' windows, and the foreground window.
    virtual void bringToForeground(Form& form) = 0;
    // A modal pop-up menu at a point in screen pixels; the chosen command, 0 for none.
    virtual int popUpMenu(Form& owner, const std::vector<MenuEntry>& entries, int x, int y) = 0;
    virtual void createControl(Control& control) = 0;  // only for forms that have a window
    virtual void controlChanged(Control& control, Property what) = 0;
    virtual void timerChanged(Timer& timer) = 0;  // start, restart or stop as timer.running() says
    // Give the keyboard focus to a control that has a window. Backends without a keyboard
    // may leave it as it is.
    virtual void setFocus(Control& control) { (void)control; }
    // The wait cursor over the program's windows while long work runs on the UI thread.
    virtual void setBusyCursor(bool busy) { (void)busy; }

    // Services every form uses.
    virtual int messageBox(const std::string& text, int style, const std::string& title) = 0;
    virtual void doEvents() = 0;
    virtual double screenWidthTwips() const = 0;
    virtual double screenHeightTwips() const = 0;
    // Right edge of the work area (the screen less a taskbar docked at its side).
    virtual double workAreaRightTwips() const { return screenWidthTwips(); }
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
    // Frame sizes of a window with this border style, in twips (for designed client sizes).
    virtual double frameWidthTwips(const Form& form) const = 0;
    virtual double frameHeightTwips(const Form& form) const = 0;
    // The End statement: stop the process at once; no handler of any form runs.
    virtual void endProcess(int exitStatus) = 0;
};

}  // namespace forms
