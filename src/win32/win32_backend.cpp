#include "win32/win32_backend.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "platform/rounding.h"
#include "win32/gdi_guards.h"
#include "win32/off_thread_work.h"
#include "win32/screen_dpi_win32.h"
#include "win32/text.h"
#include "win32/window_names.h"
#include "win32/window_proc.h"

namespace win32 {
namespace {

constexpr wchar_t kFormClass[] = L"Sparvane.Form";

// AdjustWindowRectExForDpi where the system has it (Windows 10 1607 and later), else the
// older call, which assumes the system DPI (the same as ours on the primary screen).
BOOL adjustWindowRect(RECT& r, DWORD style, DWORD exStyle, UINT dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const AdjustForDpi forDpi = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        FARPROC p = user32 ? GetProcAddress(user32, "AdjustWindowRectExForDpi") : nullptr;
        return reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(p));
    }();
    if (forDpi) return forDpi(&r, style, FALSE, exStyle, dpi);
    return AdjustWindowRectEx(&r, style, FALSE, exStyle);
}

forms::WindowState stateOf(HWND hwnd) {
    if (IsIconic(hwnd)) return forms::WindowState::Minimized;
    if (IsZoomed(hwnd)) return forms::WindowState::Maximized;
    return forms::WindowState::Normal;
}

int showCommandFor(forms::WindowState state) {
    switch (state) {
        case forms::WindowState::Maximized: return SW_SHOWMAXIMIZED;
        case forms::WindowState::Minimized: return SW_SHOWMINIMIZED;
        case forms::WindowState::Normal: break;
    }
    return SW_SHOWNORMAL;
}

struct Styles {
    DWORD style = 0;
    DWORD exStyle = 0;
};

Styles formStyles(const forms::Form& form) {
    Styles s;
    switch (form.borderStyle()) {
        case forms::BorderStyle::None: s.style = WS_POPUP; break;
        case forms::BorderStyle::FixedSingle: s.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; break;
        case forms::BorderStyle::Sizable: s.style = WS_OVERLAPPEDWINDOW; break;
        case forms::BorderStyle::FixedDialog:
            s.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
            s.exStyle = WS_EX_DLGMODALFRAME;
            break;
        case forms::BorderStyle::FixedToolWindow:
            s.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
            s.exStyle = WS_EX_TOOLWINDOW;
            break;
    }
    if (!form.showInTaskbar()) s.exStyle |= WS_EX_TOOLWINDOW;
    s.style |= WS_CLIPCHILDREN;
    return s;
}

}  // namespace

Win32Backend::InputScope::InputScope(Win32Backend& backend) : backend_(backend) {
    ++backend_.depth_;
    if (backend_.app_) event_.emplace(*backend_.app_);
}

Win32Backend::InputScope::~InputScope() {
    event_.reset();                                           // forms unloaded meanwhile are released first...
    if (--backend_.depth_ == 0) backend_.releaseGraveyard();  // ...then their windows' records
}

Win32Backend::Win32Backend(HINSTANCE instance)
    : instance_(instance), dpi_(primaryMonitorDpi()), twipsPerPixel_(1440.0 / dpi_), gdi_(dpi_) {
    hand_ = LoadCursorW(nullptr, IDC_HAND);
    wait_ = LoadCursorW(nullptr, IDC_WAIT);
    arrow_ = LoadCursorW(nullptr, IDC_ARROW);
    bigIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                             GetSystemMetrics(SM_CYICON), LR_SHARED));
    smallIcon_ =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    registerClasses();
}

Win32Backend::~Win32Backend() {
    // Normally the application has destroyed every form already; windows left over die
    // here, before the fonts and brushes they use.
    forms_.clear();
    graveyard_.clear();
}

void Win32Backend::releaseGraveyard() { graveyard_.clear(); }

void Win32Backend::registerClasses() {
    // Every class of ours: double clicks reported, the arrow cursor, our procedure.
    const auto registerClass = [this](const wchar_t* name, WNDPROC proc) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = proc;
        wc.hInstance = instance_;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        return RegisterClassExW(&wc);
    };
    // No exception may leave a window procedure (see window_proc.h).
    static_assert(noexcept(windowProcedure<FormWindow>(HWND{}, 0, 0, 0)));
    static_assert(noexcept(windowProcedure<NativeControl>(HWND{}, 0, 0, 0)));
    formClass_ = registerClass(kFormClass, &windowProcedure<FormWindow>);
    makeChildWindowsMessage_ = RegisterWindowMessageW(kMakeControlWindowsMessage);
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");

    // Labels, picture boxes, images, frames, charts and bars are drawn by the program itself.
    for (const wchar_t* name :
         {L"Sparvane.Label", L"Sparvane.Picture", L"Sparvane.Chart", L"Sparvane.Frame", L"Sparvane.Progress"})
        registerClass(name, &windowProcedure<NativeControl>);
}

RECT Win32Backend::frameOf(const forms::Form& form) const {
    const Styles s = formStyles(form);
    RECT r{0, 0, 0, 0};
    if (!adjustWindowRect(r, s.style, s.exStyle, static_cast<UINT>(dpi_))) r = RECT{0, 0, 0, 0};
    return r;
}

double Win32Backend::frameWidthTwips(const forms::Form& form) const {
    const RECT r = frameOf(form);
    return toTwips(r.right - r.left);
}

double Win32Backend::frameHeightTwips(const forms::Form& form) const {
    const RECT r = frameOf(form);
    return toTwips(r.bottom - r.top);
}

int Win32Backend::toPixels(double twips) const { return platform::roundHalfEven(twips / twipsPerPixel_); }

double Win32Backend::screenWidthTwips() const { return toTwips(GetSystemMetrics(SM_CXSCREEN)); }
double Win32Backend::screenHeightTwips() const { return toTwips(GetSystemMetrics(SM_CYSCREEN)); }

void Win32Backend::applyDpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    twipsPerPixel_ = 1440.0 / dpi;
    gdi_.setDpi(dpi);
    // Positions and sizes are kept in twips, so every control's pixels change with the DPI.
    for (const auto& [form, fw] : forms_) {
        for (const auto& control : fw->controls) {
            control->place();
            control->changed(forms::Property::Font);
        }
        InvalidateRect(fw->window.get(), nullptr, TRUE);
    }
}

bool Win32Backend::anyFormOnScreen() const {
    return std::any_of(forms_.begin(), forms_.end(),
                       [](const auto& entry) { return IsWindowVisible(entry.second->window.get()) != FALSE; });
}

void Win32Backend::adoptDpiOf(FormWindow& fw) {
    const int dpi = dpiOfWindow(fw.window.get());
    if (dpi == dpi_) return;
    applyDpi(dpi);
    formChanged(fw.form);  // its size in pixels was worked out at the old DPI
}

double Win32Backend::workAreaRightTwips() const {
    // The primary monitor's work area, where the widget lives. Not SPI_GETWORKAREA: under
    // Wine a process keeps the work area it first read when the resolution changes.
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (!GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi) ||
        mi.rcWork.right <= mi.rcWork.left)
        return screenWidthTwips();
    return toTwips(mi.rcWork.right);
}

FormWindow* Win32Backend::windowOf(const forms::Form& form) const {
    auto it = forms_.find(&form);
    return it == forms_.end() ? nullptr : it->second.get();
}

NativeControl* Win32Backend::windowOf(const forms::Control& control) const {
    FormWindow* fw = windowOf(control.form());
    if (!fw) return nullptr;
    auto it = fw->byControl.find(&control);
    return it == fw->byControl.end() ? nullptr : it->second;
}

// Where a new form window goes and how large it is, in pixels.
Win32Backend::Placement Win32Backend::initialPlacement(const forms::Form& form, bool popup) const {
    const bool sized = form.width() > 0 && form.height() > 0;
    const int w = sized ? toPixels(form.width()) : (popup ? 320 : CW_USEDEFAULT);
    const int h = sized ? toPixels(form.height()) : (popup ? 240 : CW_USEDEFAULT);
    int x = popup ? 0 : CW_USEDEFAULT, y = popup ? 0 : CW_USEDEFAULT;
    if (form.startUpPosition() == forms::StartUpPosition::Manual) {
        x = toPixels(form.left());
        y = toPixels(form.top());
    }
    return Placement{x, y, w, h};
}

void Win32Backend::centreOnScreen(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const int rw = r.right - r.left, rh = r.bottom - r.top;
    SetWindowPos(hwnd, nullptr, std::max(0, (sw - rw) / 2), std::max(0, (sh - rh) / 2), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Backend::createForm(forms::Form& form) {
    DepthGuard depth(*this);
    auto owned = std::make_unique<FormWindow>(*this, form);
    FormWindow& fw = *owned;
    const Styles s = formStyles(form);
    const Placement place = initialPlacement(form, (s.style & WS_POPUP) != 0);
    fw.caption = widen(form.caption());
    HWND hwnd = CreateWindowExW(s.exStyle, kFormClass, fw.caption.c_str(), s.style, place.x, place.y, place.width,
                                place.height, nullptr, nullptr, instance_, &fw);
    if (hwnd == nullptr) return;  // the form lives on without a window; nothing is shown
    fw.window.reset(hwnd);
    const bool anyOnScreen = anyFormOnScreen();
    forms_[&form] = std::move(owned);
    // The windows made before anything is on screen are start-up's, the widget last: the
    // program is drawn at the DPI of the monitor they open on, which need not be the one
    // the start-up DPI came from. Later windows follow the widget's DPI.
    if (!anyOnScreen) adoptDpiOf(fw);

    if (form.startUpPosition() == forms::StartUpPosition::CenterScreen) centreOnScreen(hwnd);
    // A window without its name is still usable; only the outside driver will not find it.
    (void)setWindowName(hwnd, form.name());

    form.setHandle(reinterpret_cast<forms::WindowHandle>(hwnd));
    fw.created = true;
    // Only the records here: the controls' windows are made when the form first comes on
    // screen (makeChildWindows). Two of the three forms loaded at start-up hide themselves
    // in their first activation and are never seen again, and their sixty-odd child
    // windows were most of the start-up time under Wine.
    for (const auto& c : form.controls()) createControl(*c);
    // Focus rectangles and access-key underlines appear once the keyboard is used.
    SendMessageW(hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    reportGeometry(fw, false);
}

void Win32Backend::destroyForm(forms::Form& form) {
    auto it = forms_.find(&form);
    if (it == forms_.end()) return;
    DepthGuard depth(*this);
    std::unique_ptr<FormWindow> owned = std::move(it->second);
    forms_.erase(it);
    FormWindow& fw = *owned;
    fw.created = false;
    ++hiding_;
    for (const auto& [id, timer] : fw.timers) KillTimer(fw.window.get(), id);
    fw.timers.clear();
    fw.byWindow.clear();
    fw.byControl.clear();
    for (auto& native : fw.controls) native->destroyWindow();
    fw.tooltip.reset();
    fw.window.reset();
    --hiding_;
    form.setHandle(0);
    graveyard_.push_back(std::move(owned));  // freed when the outermost window procedure returns
    if (forms_.empty()) PostQuitMessage(0);
}

void Win32Backend::reportGeometry(FormWindow& fw, bool raiseResize) {
    HWND hwnd = fw.window.get();
    if (!fw.created || hwnd == nullptr) return;
    RECT wr{}, cr{};
    GetWindowRect(hwnd, &wr);
    GetClientRect(hwnd, &cr);
    // A hidden window has not taken its designed state yet (showForm applies it), so the
    // model keeps the state it asked for until the window is on screen.
    const forms::WindowState state = IsWindowVisible(hwnd) ? stateOf(hwnd) : fw.form.windowState();
    fw.form.backendGeometry(toTwips(wr.left), toTwips(wr.top), toTwips(wr.right - wr.left), toTwips(wr.bottom - wr.top),
                            toTwips(cr.right - cr.left), toTwips(cr.bottom - cr.top), state, raiseResize);
}

void Win32Backend::showForm(forms::Form& form) {
    FormWindow* fw = windowOf(form);
    if (!fw) return;
    DepthGuard depth(*this);
    HWND hwnd = fw->window.get();
    ++showing_;
    // Posted, so it comes before the first paint, and finds the form hidden again when
    // its Activate handler put it away at once.
    if (!fw->childWindows) PostMessageW(hwnd, makeChildWindowsMessage_, 0, 0);
    setIcons(*fw);
    if (!IsWindowVisible(hwnd)) {
        ShowWindow(hwnd, showCommandFor(form.windowState()));
    } else {
        if (stateOf(hwnd) != form.windowState()) ShowWindow(hwnd, showCommandFor(form.windowState()));
        SetActiveWindow(hwnd);
    }
    UpdateWindow(hwnd);
    --showing_;
    if (windowOf(form) == fw) reportGeometry(*fw, false);
}

// Once, as the window first shows: the icons are for the taskbar and the window switcher,
// and the window manager converts them for every window that gets them, the start-up
// windows that are never seen included.
void Win32Backend::setIcons(FormWindow& fw) {
    if (fw.iconsSet || !fw.form.hasIcon()) return;
    fw.iconsSet = true;
    HWND hwnd = fw.window.get();
    if (bigIcon_) SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    if (smallIcon_) SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void Win32Backend::hideForm(forms::Form& form) {
    FormWindow* fw = windowOf(form);
    if (!fw) return;
    DepthGuard depth(*this);
    ++hiding_;
    ShowWindow(fw->window.get(), SW_HIDE);
    --hiding_;
}

void Win32Backend::formChanged(forms::Form& form) {
    FormWindow* fw = windowOf(form);
    if (!fw) return;
    DepthGuard depth(*this);
    HWND hwnd = fw->window.get();
    const std::wstring caption = widen(form.caption());
    if (caption != fw->caption) {
        fw->caption = caption;
        SetWindowTextW(hwnd, caption.c_str());
    }
    const forms::WindowState wanted = form.windowState();
    if (IsWindowVisible(hwnd) && stateOf(hwnd) != wanted) {
        const int cmd = wanted == forms::WindowState::Maximized   ? SW_MAXIMIZE
                        : wanted == forms::WindowState::Minimized ? SW_MINIMIZE
                                                                  : SW_RESTORE;
        ShowWindow(hwnd, cmd);
        return;  // WM_SIZE reports the new geometry
    }
    if (wanted == forms::WindowState::Normal && stateOf(hwnd) == forms::WindowState::Normal && form.width() > 0 &&
        form.height() > 0) {
        RECT r;
        GetWindowRect(hwnd, &r);
        const int x = toPixels(form.left()), y = toPixels(form.top());
        const int w = toPixels(form.width()), h = toPixels(form.height());
        if (x != r.left || y != r.top || w != r.right - r.left || h != r.bottom - r.top)
            SetWindowPos(hwnd, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (windowOf(form) == fw) reportGeometry(*fw, true);
}

void Win32Backend::bringToFront(forms::Form& form) {
    FormWindow* fw = windowOf(form);
    if (!fw) return;
    DepthGuard depth(*this);
    SetWindowPos(fw->window.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Backend::setFocus(forms::Control& control) {
    if (FormWindow* fw = windowOf(control.form())) fw->makeChildWindows();  // the keyboard needs a window
    HWND h = reinterpret_cast<HWND>(control.handle());
    if (h != nullptr && IsWindow(h)) SetFocus(h);
}

void Win32Backend::timerChanged(forms::Timer& timer) {
    FormWindow* fw = windowOf(timer.form());
    if (!fw) return;
    UINT_PTR id = 0;
    for (const auto& [key, t] : fw->timers)
        if (t == &timer) id = key;
    if (id != 0) {
        KillTimer(fw->window.get(), id);
        fw->timers.erase(id);
    }
    if (!timer.running()) return;
    // A fresh id each time: a WM_TIMER of the old period already queued finds nothing.
    id = nextTimerId_++;
    if (SetTimer(fw->window.get(), id, static_cast<UINT>(timer.interval()), nullptr) != 0) fw->timers[id] = &timer;
}

int Win32Backend::messageBox(const std::string& text, int style, const std::string& title) {
    HWND owner = nullptr;
    if (app_ != nullptr) {
        if (forms::Form* active = app_->activeForm()) {
            if (FormWindow* fw = windowOf(*active); fw && IsWindowVisible(fw->window.get())) owner = fw->window.get();
        }
    }
    const std::wstring wText = widen(text), wTitle = widen(title);
    return MessageBoxW(owner, wText.c_str(), wTitle.c_str(), static_cast<UINT>(style) | MB_SETFOREGROUND);
}

bool Win32Backend::translateDialogKeys(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root == nullptr || static_cast<ATOM>(GetClassLongPtrW(root, GCW_ATOM)) != formClass_) return false;
    if (auto* fw = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(root, GWLP_USERDATA));
        fw != nullptr && !fw->keyboardCues && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
        fw->keyboardCues = true;
        InvalidateRect(root, nullptr, TRUE);
        for (const auto& native : fw->controls)
            if (HWND h = native->hwnd()) InvalidateRect(h, nullptr, TRUE);
    }
    // Tab between controls and access keys (&Ok) as on a dialog.
    return IsDialogMessageW(root, &msg) != FALSE;
}

void Win32Backend::setBusyCursor(bool busy) {
    busy_ = busy;
    // At once, not only at the next mouse move; WM_SETCURSOR keeps it while the mouse moves.
    if (HCURSOR cursor = busy ? wait_ : arrow_) SetCursor(cursor);
}

void Win32Backend::doEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
            return;
        }
        if (!translateDialogKeys(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

int Win32Backend::runMessageLoop() {
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) return 1;
        if (!translateDialogKeys(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

void Win32Backend::endProcess(int exitStatus) { exitProcessAfterOffThreadWork(static_cast<unsigned>(exitStatus)); }

}  // namespace win32
