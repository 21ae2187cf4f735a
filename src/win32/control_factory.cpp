// The one place that turns a model control into its native class.
#include "win32/control_kinds.h"

namespace win32 {

std::unique_ptr<NativeControl> makeNativeControl(forms::Control& c, FormWindow& owner) {
    using forms::ControlType;
    switch (c.type()) {
        case ControlType::Label: return makeLabelWindow(static_cast<forms::Label&>(c), owner);
        case ControlType::TextBox: return makeTextBoxWindow(static_cast<forms::TextBox&>(c), owner);
        case ControlType::CommandButton: return makeButtonWindow(static_cast<forms::CommandButton&>(c), owner);
        case ControlType::CheckBox: return makeCheckBoxWindow(static_cast<forms::CheckBox&>(c), owner);
        case ControlType::ListBox: return makeListBoxWindow(static_cast<forms::ListBox&>(c), owner);
        case ControlType::ProgressBar: return makeProgressWindow(static_cast<forms::ProgressBar&>(c), owner);
        case ControlType::Chart: return makeChartWindow(static_cast<forms::Chart&>(c), owner);
        case ControlType::Frame: return makeFrameWindow(static_cast<forms::Frame&>(c), owner);
        case ControlType::PictureBox: return makePictureBoxWindow(static_cast<forms::PictureBox&>(c), owner);
        case ControlType::Image: return makeImageWindow(static_cast<forms::Image&>(c), owner);
        case ControlType::Shape: return makeShapeOutline(static_cast<forms::Shape&>(c), owner);
        case ControlType::Timer: break;  // ticks on the form's window, kept by the backend
    }
    return nullptr;
}

}  // namespace win32
