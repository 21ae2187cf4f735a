#pragma once
// A form: one window with its controls and its event handlers. Subclasses override the
// on* hooks they need and wire their controls' handlers in their constructors.
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/types.h"

namespace forms {

class Application;

class Form {
public:
    Form(Application& app, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& app() const { return app_; }
    const std::string& name() const { return name_; }

    // Adds a control; the form owns it. The collection keeps the order of adding.
    template <class C>
    C& add(std::string name, int index = -1) {
        auto control = std::make_unique<C>(*this, std::move(name), index);
        C& ref = *control;
        controls_.push_back(std::move(control));
        controlAdded(ref);
        return ref;
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* findControl(const std::string& qualifiedName) const;

    // Event hooks, in the order the runtime raises them.
    virtual void onInitialize() {}
    virtual void onLoad() {}
    virtual void onResize() {}
    virtual void onActivate() {}
    virtual void onQueryUnload(int& cancel, int unloadMode) { (void)cancel, (void)unloadMode; }
    virtual void onUnload(int& cancel) { (void)cancel; }
    virtual void onTerminate() {}
    virtual void onDoubleClick() {}
    // The screen changed under the form: resolution, work area or DPI (twips per pixel).
    virtual void onDisplayChanged() {}
    // The notification-area icon this form owns was used; x and y are the anchor point in
    // screen pixels (where a menu opens).
    virtual void onTrayIcon(TrayIconEvent event, int x, int y) { (void)event, (void)x, (void)y; }
    // The taskbar was made anew (Explorer restarted): the icons it showed are gone.
    virtual void onTaskbarCreated() {}

    // Show modeless: creates the window if needed, makes it visible, raises Resize on its
    // first display and Activate when it becomes the active form.
    void show();
    void hide();
    bool visible() const { return visible_; }
    // Unload from code (QueryUnload sees unload_mode::kFormCode). Returns false when a
    // handler cancelled.
    bool unload();
    // Brings the window to the top of the z-order.
    void zOrderTop();
    // Brings the window in front of every other program's windows and gives it the
    // keyboard (the foreground window), as a click on the program's tray icon asks.
    void bringToForeground();
    // Shows a pop-up menu at a point in screen pixels, owned by this form's window, and
    // waits until the user chooses or dismisses it. Returns the chosen command, 0 for none.
    int popUpMenu(const std::vector<MenuEntry>& entries, int x, int y);

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);

    // Outer bounds in twips (always twips, whatever the scale mode).
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v) { move(v, top_, width_, height_); }
    void setTop(double v) { move(left_, v, width_, height_); }
    void move(double left, double top, double width, double height);
    // Sets the designed client size; the outer size follows from the window's frame.
    void setClientSizeTwips(double width, double height);
    // The smallest client size the user can drag a sizable window to (0: no limit).
    void setMinimumClientSizeTwips(double width, double height) { minClientWidth_ = width, minClientHeight_ = height; }
    double minimumClientWidth() const { return minClientWidth_; }
    double minimumClientHeight() const { return minClientHeight_; }

    // Client area size in the form's scale.
    double scaleWidth() const;
    double scaleHeight() const;
    ScaleMode scaleMode() const { return scaleMode_; }
    void setScaleMode(ScaleMode m) { scaleMode_ = m; }
    double toScaleX(double twips) const;
    double toScaleY(double twips) const;
    double fromScaleX(double units) const;
    double fromScaleY(double units) const;

    WindowState windowState() const { return windowState_; }
    void setWindowState(WindowState s);
    StartUpPosition startUpPosition() const { return startUpPosition_; }
    void setStartUpPosition(StartUpPosition p) { startUpPosition_ = p; }
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle b) { borderStyle_ = b; }
    bool showInTaskbar() const { return showInTaskbar_; }
    void setShowInTaskbar(bool s) { showInTaskbar_ = s; }
    Color backColor() const { return backColor_; }
    void setBackColor(Color c) { backColor_ = c; }
    bool hasIcon() const { return hasIcon_; }
    void setHasIcon(bool i) { hasIcon_ = i; }
    Font font() const { return font_; }
    void setFont(const Font& f) { font_ = f; }
    // When the window becomes active with no control chosen yet, the keyboard goes to the
    // window itself rather than to its first control; Tab still reaches every control.
    bool focusFirstControl() const { return focusFirstControl_; }
    void setFocusFirstControl(bool f) { focusFirstControl_ = f; }

    WindowHandle hWnd() const { return handle_; }
    bool hasWindow() const { return handle_ != 0; }

    // Called by the backend.
    void setHandle(WindowHandle h) { handle_ = h; }
    // The window's real outer bounds and client size (twips) after the system moved or
    // sized it. Raises Resize when asked and something changed.
    void backendGeometry(double left, double top, double width, double height, double clientWidth, double clientHeight,
                         WindowState state, bool raiseResize);
    void userClose();       // close box, window menu, Alt+F4: unload with kFormControlMenu
    void userDblClick();    // double click on the form's own surface
    void activated();       // the window became the active one
    void displayChanged();  // the system reported a new resolution, work area or DPI
    void trayIconUsed(TrayIconEvent event, int x, int y) { onTrayIcon(event, x, y); }
    void taskbarCreated() { onTaskbarCreated(); }

private:
    friend class Application;
    void controlAdded(Control& c);

    Application& app_;
    std::string name_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::string caption_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    double clientWidth_ = 0, clientHeight_ = 0;
    double minClientWidth_ = 0, minClientHeight_ = 0;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    WindowState windowState_ = WindowState::Normal;
    StartUpPosition startUpPosition_ = StartUpPosition::WindowsDefault;
    BorderStyle borderStyle_ = BorderStyle::Sizable;
    bool showInTaskbar_ = true;
    Color backColor_ = kSystemButtonFace;
    bool hasIcon_ = true;
    bool focusFirstControl_ = true;
    Font font_{"MS Sans Serif", 8.25, false, false};
    bool visible_ = false;
    bool everShown_ = false;
    bool unloading_ = false;
    WindowHandle handle_ = 0;
};

}  // namespace forms
