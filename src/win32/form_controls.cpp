// The backend's side of a form's controls: the native control made when the model adds a
// control (its window comes when the form first comes on screen), and the model's changes
// handed to the native control they are about.
#include <windows.h>

#include "forms/control.h"
#include "forms/form.h"
#include "win32/win32_backend.h"

namespace win32 {

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

}  // namespace win32
