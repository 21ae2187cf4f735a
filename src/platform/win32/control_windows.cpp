// One native child window per control, kept in step with the model.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "forms/control.h"
#include "forms/form.h"
#include "platform/win32/control_layout.h"
#include "platform/win32/gdi_guards.h"
#include "platform/win32/glyphs.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/window_names.h"

namespace platform::win32 {
namespace {

struct ClassAndStyle {
    const wchar_t* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
};

bool isGraphical(const forms::Control& c) {
    return c.type() == forms::ControlType::CommandButton && static_cast<const forms::CommandButton&>(c).graphical();
}

ClassAndStyle classFor(const forms::Control& c) {
    using forms::ControlType;
    const DWORD base = WS_CHILD | WS_CLIPSIBLINGS;
    switch (c.type()) {
        case ControlType::Label: return {L"Sparvane.Label", base, 0};
        case ControlType::TextBox: {
            const auto& t = static_cast<const forms::TextBox&>(c);
            DWORD s = base | WS_TABSTOP | ES_LEFT;
            if (t.multiLine())
                s |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (t.verticalScrollBar() ? WS_VSCROLL : 0);
            else
                s |= ES_AUTOHSCROLL;
            if (t.locked()) s |= ES_READONLY;
            return {L"EDIT", s, WS_EX_CLIENTEDGE};
        }
        case ControlType::CommandButton:
            return {L"BUTTON", base | WS_TABSTOP | (isGraphical(c) ? BS_OWNERDRAW : BS_PUSHBUTTON), 0};
        case ControlType::CheckBox: return {L"BUTTON", base | WS_TABSTOP | BS_CHECKBOX, 0};
        case ControlType::PictureBox:
            return {L"Sparvane.Picture", base | (static_cast<const forms::PictureBox&>(c).tabStop() ? WS_TABSTOP : 0), 0};
        case ControlType::Image: return {L"Sparvane.Picture", base, 0};
        case ControlType::ProgressBar: return {L"Sparvane.Progress", base, 0};
        case ControlType::ListBox:
            return {L"LISTBOX", base | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
        case ControlType::Frame: return {L"Sparvane.Frame", base, 0};
        case ControlType::Chart: return {L"Sparvane.Chart", base, 0};
        case ControlType::Shape:
        case ControlType::Timer: break;
    }
    return {};
}

// Controls with no caption that act on a click carry their tool tip as their window text,
// which is the name screen readers announce.
bool tipIsName(const forms::Control& c) {
    switch (c.type()) {
        case forms::ControlType::PictureBox:
        case forms::ControlType::Image: return true;
        case forms::ControlType::CommandButton:
            return isGraphical(c) && static_cast<const forms::CommandButton&>(c).caption().empty();
        default: return false;
    }
}

// Multi-line edit controls break lines only at CR LF.
std::wstring editText(const std::string& utf8, bool multiLine) {
    std::wstring w = widen(utf8);
    if (!multiLine) return w;
    std::wstring out;
    out.reserve(w.size() + 8);
    for (size_t i = 0; i < w.size(); ++i) {
        if (w[i] == L'\n' && (i == 0 || w[i - 1] != L'\r')) out.push_back(L'\r');
        out.push_back(w[i]);
    }
    return out;
}

UINT alignmentFlags(forms::Alignment a) {
    switch (a) {
        case forms::Alignment::Right: return DT_RIGHT;
        case forms::Alignment::Center: return DT_CENTER;
        case forms::Alignment::Left: break;
    }
    return DT_LEFT;
}

// Repaints a control that is on screen. Hidden windows (the network window's monitor)
// change every tick; they paint from the model whenever they are shown, so invalidating
// them only costs a round trip to the window server.
void invalidateIfShown(HWND h, BOOL erase) {
    if (h != nullptr && IsWindowVisible(h)) InvalidateRect(h, nullptr, erase);
}

// Frames draw only their outline; whatever they contain must sit above them in the
// z-order, or the frame's interior covers it.
void raiseAboveContainer(const ControlWindow& cw) {
    if (cw.control.container() != nullptr && cw.window.get() != nullptr)
        SetWindowPos(cw.window.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void Win32Backend::createControl(forms::Control& control) {
    FormWindow* fw = windowOf(control.form());
    if (!fw || fw->byControl.count(&control) != 0) return;
    if (control.type() == forms::ControlType::Timer) {
        timerChanged(static_cast<forms::Timer&>(control));
        return;
    }
    DepthGuard depth(*this);
    auto cw = std::make_unique<ControlWindow>(control, *fw);
    ControlWindow& ref = *cw;
    fw->byControl[&control] = &ref;
    fw->controls.push_back(std::move(cw));
    if (control.type() == forms::ControlType::Shape) {
        invalidateShape(ref);
        return;
    }
    if (!fw->childWindows) return;
    createControlWindow(*fw, ref);
    raiseAboveContainer(ref);
}

void Win32Backend::makeChildWindows(FormWindow& fw) {
    if (fw.childWindows || !fw.created) return;
    DepthGuard depth(*this);
    fw.childWindows = true;
    // The tool tips belong to the controls, so they come with them.
    fw.tooltip.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, fw.window.get(),
                                     nullptr, instance_, nullptr));
    if (fw.tooltip) SendMessageW(fw.tooltip.get(), TTM_SETMAXTIPWIDTH, 0, 400);
    HWND form = fw.window.get();
    // One repaint for the lot instead of one visible-region update per child.
    const bool onScreen = IsWindowVisible(form) != FALSE;
    if (onScreen) SendMessageW(form, WM_SETREDRAW, FALSE, 0);
    for (const auto& cw : fw.controls)
        if (cw->window.get() == nullptr) createControlWindow(fw, *cw);
    // Children are created in the model's order, which may put a frame after its contents.
    for (const auto& cw : fw.controls) raiseAboveContainer(*cw);
    if (onScreen) {
        SendMessageW(form, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(form, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    // The form may have been activated before it had anything to give the keyboard to.
    if (GetActiveWindow() == form && GetFocus() == form) focusFirstControl(fw);
}

void Win32Backend::createControlWindow(FormWindow& fw, ControlWindow& cw) {
    forms::Control& control = cw.control;
    const ClassAndStyle cs = classFor(control);
    if (cs.className == nullptr) return;
    const UINT id = fw.nextControlId++;
    // Made in place and shown at once: under Wine every later move or show is another
    // round trip to the window server, and a form has dozens of controls.
    const forms::PixelRect r = clientRectOf(control, twipsPerPixel_, twipsPerPixel_);
    const DWORD style = cs.style | (shownOnScreen(control) ? WS_VISIBLE : 0) | (control.enabled() ? 0 : WS_DISABLED);
    HWND hwnd = CreateWindowExW(cs.exStyle, cs.className, L"", style, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, fw.window.get(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                instance_, &cw);
    if (hwnd == nullptr) return;
    cw.window.reset(hwnd);
    // Our own classes took it from the creation parameters; the system's need it here.
    if (GetWindowLongPtrW(hwnd, GWLP_USERDATA) == 0) SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&cw));
    fw.byWindow[hwnd] = &cw;
    if (!setWindowName(hwnd, control.qualifiedName())) {
        // The control works; it just cannot be found by name from outside.
    }
    control.setHandle(reinterpret_cast<forms::WindowHandle>(hwnd));

    syncFont(cw);
    syncText(cw);
    switch (control.type()) {
        case forms::ControlType::ProgressBar:
        case forms::ControlType::CheckBox: syncValue(cw); break;
        case forms::ControlType::ListBox: syncItems(cw); break;
        case forms::ControlType::TextBox: syncSelection(cw); break;
        default: break;
    }
    syncToolTip(cw);
}

void Win32Backend::placeControl(ControlWindow& cw) {
    HWND hwnd = cw.window.get();
    if (hwnd == nullptr) return;
    const forms::PixelRect r = clientRectOf(cw.control, twipsPerPixel_, twipsPerPixel_);
    const bool shown = shownOnScreen(cw.control);
    // A contained control sits above its frame or picture box, which is its sibling here.
    HWND after = cw.control.container() != nullptr ? HWND_TOP : nullptr;
    UINT flags = SWP_NOACTIVATE | (after ? 0 : SWP_NOZORDER) | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    SetWindowPos(hwnd, after, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
}

void Win32Backend::placeContainedControls(FormWindow& fw) {
    for (const auto& cw : fw.controls) {
        if (cw->control.container() == nullptr) continue;
        if (cw->control.type() == forms::ControlType::Shape)
            invalidateShape(*cw);
        else
            placeControl(*cw);
    }
}

void Win32Backend::invalidateShape(ControlWindow& cw) {
    HWND form = cw.owner.window.get();
    if (form == nullptr) return;
    // The outline may have moved or changed colour: the whole client area is cheap to
    // repaint (the children clip themselves out of it).
    InvalidateRect(form, nullptr, FALSE);
}

HFONT Win32Backend::fontFor(const forms::Control& control) {
    const forms::Font& f = control.font();
    return gdi_.font(f.name.empty() ? control.form().font() : f);
}

void Win32Backend::syncFont(ControlWindow& cw) {
    if (HWND h = cw.window.get()) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(cw.control)), TRUE);
}

void Win32Backend::syncText(ControlWindow& cw) {
    HWND h = cw.window.get();
    if (h == nullptr) return;
    forms::Control& c = cw.control;
    std::wstring text;
    switch (c.type()) {
        case forms::ControlType::TextBox: {
            auto& box = static_cast<forms::TextBox&>(c);
            text = editText(box.text(), box.multiLine());
            {
                // The user's own typing comes back here through the model: the window already
                // shows it, and writing it again would put the caret back at the start.
                const int length = GetWindowTextLengthW(h);
                std::wstring shown(static_cast<size_t>(length) + 1, L'\0');
                shown.resize(static_cast<size_t>(GetWindowTextW(h, shown.data(), length + 1)));
                if (shown == text) return;
            }
            cw.settingText = true;  // not the user's typing: no echo back into the model
            SetWindowTextW(h, text.c_str());
            cw.settingText = false;
            return;
        }
        case forms::ControlType::Label: {
            // Labels are our own windows: they answer WM_GETTEXT from cw.text, so a caption
            // that changes every traffic tick costs no call into the window server.
            // WM_GETTEXT gives the caption itself (a figure's full value, for screen
            // readers and the driver); the window draws its shown form. A label with a
            // display rule also keeps the shown form as its window title, which another
            // process reads with GetWindowText without a message, and which changes only
            // when the rounded text does.
            auto& label = static_cast<forms::Label&>(c);
            std::wstring value = widen(label.caption());
            std::wstring shown = label.hasDisplayRule() ? widen(label.shownText()) : value;
            if (cw.text == value && cw.shown == shown) return;
            if (label.hasDisplayRule() && shown != cw.shown) SetWindowTextW(h, shown.c_str());
            cw.text = std::move(value);
            cw.shown = std::move(shown);
            invalidateIfShown(h, FALSE);
            return;
        }
        case forms::ControlType::CommandButton:
        case forms::ControlType::CheckBox:
        case forms::ControlType::Frame: text = widen(static_cast<forms::TextControl&>(c).caption()); break;
        default: break;
    }
    if (tipIsName(c)) text = widen(c.toolTip());
    cw.text = text;
    SetWindowTextW(h, text.c_str());
}

void Win32Backend::syncToolTip(ControlWindow& cw) {
    HWND tip = cw.owner.tooltip.get();
    HWND h = cw.window.get();
    if (h == nullptr) return;
    if (tipIsName(cw.control)) syncText(cw);
    if (tip == nullptr) return;
    std::wstring text = widen(cw.control.toolTip());
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = cw.owner.window.get();
    ti.uId = reinterpret_cast<UINT_PTR>(h);
    if (text.empty()) {
        if (cw.hasTool) SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        cw.hasTool = false;
        return;
    }
    ti.lpszText = text.data();
    SendMessageW(tip, cw.hasTool ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    cw.hasTool = true;
}

void Win32Backend::syncValue(ControlWindow& cw) {
    HWND h = cw.window.get();
    if (h == nullptr) return;
    if (cw.control.type() == forms::ControlType::CheckBox) {
        const int v = static_cast<forms::CheckBox&>(cw.control).value();
        SendMessageW(h, BM_SETCHECK, v == 1 ? BST_CHECKED : v == 2 ? BST_INDETERMINATE : BST_UNCHECKED, 0);
    } else if (cw.control.type() == forms::ControlType::ProgressBar) {
        progressChanged(cw);
    }
}

void Win32Backend::syncItems(ControlWindow& cw) {
    HWND h = cw.window.get();
    if (h == nullptr) return;
    const auto& list = static_cast<forms::ListBox&>(cw.control);
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    for (const auto& item : list.items()) {
        const std::wstring w = widen(item);
        SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
    }
    SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(list.listIndex()), 0);
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(h, nullptr, TRUE);
}

void Win32Backend::syncSelection(ControlWindow& cw) {
    HWND h = cw.window.get();
    if (h == nullptr) return;
    if (cw.control.type() == forms::ControlType::ListBox) {
        SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(static_cast<forms::ListBox&>(cw.control).listIndex()), 0);
    } else if (cw.control.type() == forms::ControlType::TextBox) {
        // The model counts UTF-8 bytes of its own text; the edit control counts UTF-16
        // units of what it shows (CR LF line breaks included).
        const auto& box = static_cast<forms::TextBox&>(cw.control);
        const std::string& t = box.text();
        const size_t start = std::min(box.selStart(), t.size());
        const size_t end = std::min(start + box.selLength(), t.size());
        const auto from = editText(t.substr(0, start), box.multiLine()).size();
        const auto to = editText(t.substr(0, end), box.multiLine()).size();
        SendMessageW(h, EM_SETSEL, from, to);
        SendMessageW(h, EM_SCROLLCARET, 0, 0);
    }
}

void Win32Backend::controlChanged(forms::Control& control, forms::Property what) {
    ControlWindow* cw = windowOf(control);
    if (cw == nullptr) return;
    DepthGuard depth(*this);
    HWND h = cw->window.get();
    using forms::Property;
    switch (what) {
        case Property::Geometry:
        case Property::Visible:
            if (control.type() == forms::ControlType::Shape)
                invalidateShape(*cw);
            else
                placeControl(*cw);
            if (control.canContain()) placeContainedControls(cw->owner);
            break;
        case Property::Enabled:
            if (h) EnableWindow(h, control.enabled());
            if (h && control.type() == forms::ControlType::Label) InvalidateRect(h, nullptr, FALSE);
            break;
        case Property::Text: syncText(*cw); break;
        case Property::Colors:
            if (control.type() == forms::ControlType::Shape)
                invalidateShape(*cw);
            else
                invalidateIfShown(h, TRUE);
            break;
        case Property::Font:
            syncFont(*cw);
            if (h) InvalidateRect(h, nullptr, TRUE);
            break;
        case Property::ToolTip: syncToolTip(*cw); break;
        case Property::Value:
        case Property::Range: syncValue(*cw); break;
        case Property::Items: syncItems(*cw); break;
        case Property::Selection: syncSelection(*cw); break;
        case Property::Data:
        case Property::Picture:
            if (h && control.type() == forms::ControlType::CommandButton) {
                // Graphical and standard buttons are different button styles.
                LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE) & ~static_cast<LONG_PTR>(BS_TYPEMASK);
                style |= isGraphical(control) ? BS_OWNERDRAW : BS_PUSHBUTTON;
                SetWindowLongPtrW(h, GWL_STYLE, style);
                syncText(*cw);
            }
            invalidateIfShown(h, TRUE);
            break;
        case Property::Timer: break;
        case Property::ZOrder:
            if (h) SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
    }
}

LRESULT Win32Backend::colorControl(FormWindow& fw, HDC dc, HWND child, bool& handled) {
    auto it = fw.byWindow.find(child);
    if (it == fw.byWindow.end()) return 0;
    const forms::Control& c = it->second->control;
    handled = true;
    SetTextColor(dc, toColorRef(c.foreColor()));
    SetBkColor(dc, toColorRef(c.backColor()));
    return reinterpret_cast<LRESULT>(gdi_.brush(c.backColor()));
}

void Win32Backend::drawGraphicalButton(ControlWindow& cw, const DRAWITEMSTRUCT& item) {
    const auto& button = static_cast<const forms::CommandButton&>(cw.control);
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &r, gdi_.brush(button.backColor()));
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT inner = r;
    InflateRect(&inner, -3, -3);
    if (pressed) OffsetRect(&inner, 1, 1);
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    if (button.picture() != forms::Picture::None) {
        drawPicture(dc, inner, button.picture(), enabled);
    } else if (!button.caption().empty()) {
        const std::wstring text = widen(button.caption());
        const SelectedObject font(dc, fontFor(button));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, enabled ? toColorRef(button.foreColor()) : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    // Tracked by the form itself as well: not every system passes ODS_NOFOCUSRECT.
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT) && cw.owner.keyboardCues) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT ControlWindow::handleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Win32Backend::DepthGuard depth(owner.backend);
    return owner.backend.onControlMessage(*this, hwnd, msg, wParam, lParam);
}

LRESULT Win32Backend::onControlMessage(ControlWindow& cw, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool isLabel = cw.control.type() == forms::ControlType::Label;
    switch (msg) {
        case WM_GETTEXTLENGTH:
            if (isLabel) return static_cast<LRESULT>(cw.text.size());
            break;
        case WM_GETTEXT:
            if (isLabel) {
                // Screen readers and the e2e driver read a label's caption this way.
                auto* out = reinterpret_cast<wchar_t*>(lParam);
                if (out == nullptr || wParam == 0) return 0;
                const std::size_t n = std::min<std::size_t>(cw.text.size(), static_cast<std::size_t>(wParam) - 1);
                std::copy_n(cw.text.data(), n, out);
                out[n] = L'\0';
                return static_cast<LRESULT>(n);
            }
            break;
        case PBM_GETPOS:
        case PBM_GETRANGE:
            if (cw.control.type() == forms::ControlType::ProgressBar) return answerProgressQuery(cw, msg, wParam, lParam);
            break;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            const PaintDC paint(hwnd);
            HDC dc = paint.get();
            switch (cw.control.type()) {
                case forms::ControlType::Label: paintLabel(cw, dc); break;
                case forms::ControlType::Chart: paintChart(cw, dc); break;
                case forms::ControlType::Frame: paintFrame(cw, dc); break;
                case forms::ControlType::ProgressBar: paintProgress(cw, dc); break;
                default: paintPictureSurface(cw, dc); break;
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
            cw.mouseDown = true;
            SetCapture(hwnd);
            return 0;
        case WM_LBUTTONUP: {
            if (!cw.mouseDown) return 0;
            cw.mouseDown = false;
            ReleaseCapture();
            RECT r;
            GetClientRect(hwnd, &r);
            const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&r, p)) {
                InputScope scope(*this);
                cw.control.userClick();
            }
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            cw.mouseDown = false;
            InputScope scope(*this);
            cw.control.userDblClick();
            return 0;
        }
        case WM_CAPTURECHANGED:
            cw.mouseDown = false;
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd, nullptr, FALSE);  // the focus rectangle comes and goes
            break;
        case WM_KEYUP:
            // Space presses a picture box reached with Tab, as it presses a button.
            if (wParam == VK_SPACE && cw.control.type() == forms::ControlType::PictureBox && GetFocus() == hwnd) {
                InputScope scope(*this);
                cw.control.userClick();
                return 0;
            }
            break;
        case WM_SETFONT:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        default: break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void Win32Backend::paintTransparentBack(ControlWindow& cw, HDC dc) {
    // What shows through is the form's own surface (its back colour and shape outlines),
    // drawn here shifted to this control's place.
    HWND hwnd = cw.window.get();
    RECT r;
    GetClientRect(hwnd, &r);
    POINT origin{0, 0};
    MapWindowPoints(hwnd, cw.owner.window.get(), &origin, 1);
    const ShiftedViewport shifted(dc, -origin.x, -origin.y);
    OffsetRect(&r, origin.x, origin.y);
    paintFormSurface(cw.owner, dc, r);
}

void Win32Backend::paintLabel(ControlWindow& cw, HDC dc) {
    const auto& label = static_cast<const forms::Label&>(cw.control);
    RECT r;
    GetClientRect(cw.window.get(), &r);
    if (label.transparent())
        paintTransparentBack(cw, dc);
    else
        FillRect(dc, &r, gdi_.brush(label.backColor()));
    const SelectedObject font(dc, fontFor(label));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, label.enabled() ? toColorRef(label.foreColor()) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, cw.shown.c_str(), static_cast<int>(cw.shown.size()), &r,
              alignmentFlags(label.alignment()) | DT_WORDBREAK);
}

// A frame is an etched outline with its caption set into the top edge. It paints its whole
// rectangle (the form's surface shows inside), unlike the system group box, which leaves
// its inside unpainted and so shows whatever was on screen before.
void Win32Backend::paintFrame(ControlWindow& cw, HDC dc) {
    RECT r;
    GetClientRect(cw.window.get(), &r);
    paintTransparentBack(cw, dc);
    const SelectedObject font(dc, fontFor(cw.control));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    RECT box = r;
    box.top += tm.tmHeight / 2;
    DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
    if (!cw.text.empty()) {
        RECT text{r.left + 8, r.top, r.right - 8, r.top + tm.tmHeight};
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, toColorRef(cw.control.form().backColor()));
        SetTextColor(dc, cw.control.enabled() ? toColorRef(cw.control.foreColor()) : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, cw.text.c_str(), static_cast<int>(cw.text.size()), &text, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
    }
}

void Win32Backend::paintPictureSurface(ControlWindow& cw, HDC dc) {
    RECT r;
    GetClientRect(cw.window.get(), &r);
    forms::Picture picture = forms::Picture::None;
    if (cw.control.type() == forms::ControlType::PictureBox) {
        FillRect(dc, &r, gdi_.brush(cw.control.backColor()));
        picture = static_cast<const forms::PictureBox&>(cw.control).picture();
    } else {
        paintTransparentBack(cw, dc);  // an image has no background of its own
        picture = static_cast<const forms::Image&>(cw.control).picture();
    }
    drawPicture(dc, r, picture, cw.control.enabled());
    if (GetFocus() == cw.window.get() && cw.owner.keyboardCues) {
        // Drawn in the inverse of the box's colour, so it shows on any back colour.
        RECT focus = r;
        if (focus.right - focus.left > 6 && focus.bottom - focus.top > 6) InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace platform::win32
