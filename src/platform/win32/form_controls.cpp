// The backend's side of a form's controls: the records made when the model adds a control,
// the child windows made when the form first comes on screen, and the model's changes
// handed to the native control they are about.
#include <windows.h>
#include <commctrl.h>

#include "forms/control.h"
#include "forms/form.h"
#include "platform/win32/win32_backend.h"

namespace platform::win32 {

void Win32Backend::createControl(forms::Control& control) {
    FormWindow* fw = windowOf(control.form());
    if (!fw || fw->byControl.count(&control) != 0) return;
    if (control.type() == forms::ControlType::Timer) {
        timerChanged(static_cast<forms::Timer&>(control));
        return;
    }
    std::unique_ptr<NativeControl> made = makeNativeControl(control, *fw);
    if (made == nullptr) return;
    DepthGuard depth(*this);
    NativeControl& native = *made;
    fw->byControl[&control] = &native;
    fw->controls.push_back(std::move(made));
    if (native.drawnOnForm()) {
        native.place();
        return;
    }
    if (!fw->childWindows) return;
    native.createWindow();
    native.raiseAboveContainer();
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
    for (const auto& native : fw.controls) native->createWindow();
    // Children are created in the model's order, which may put a frame after its contents.
    for (const auto& native : fw.controls) native->raiseAboveContainer();
    if (onScreen) {
        SendMessageW(form, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(form, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    // The form may have been activated before it had anything to give the keyboard to.
    if (GetActiveWindow() == form && GetFocus() == form) focusFirstControl(fw);
}

void Win32Backend::placeContainedControls(FormWindow& fw) {
    for (const auto& native : fw.controls)
        if (native->control().container() != nullptr) native->place();
}

HFONT Win32Backend::fontFor(const forms::Control& control) {
    const forms::Font& f = control.font();
    return gdi_.font(f.name.empty() ? control.form().font() : f);
}

void Win32Backend::controlChanged(forms::Control& control, forms::Property what) {
    NativeControl* native = windowOf(control);
    if (native == nullptr) return;
    DepthGuard depth(*this);
    native->changed(what);
}

}  // namespace platform::win32
