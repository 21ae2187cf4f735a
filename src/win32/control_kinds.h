#pragma once
// One maker per kind of native control, each defined in that kind's own file; the one
// factory, makeNativeControl, picks among them by the model control's type.
#include <memory>

#include "forms/control.h"
#include "win32/native_control.h"

namespace win32 {

std::unique_ptr<NativeControl> makeLabelWindow(forms::Label& label, FormWindow& owner);
std::unique_ptr<NativeControl> makeTextBoxWindow(forms::TextBox& box, FormWindow& owner);
std::unique_ptr<NativeControl> makeButtonWindow(forms::CommandButton& button, FormWindow& owner);
std::unique_ptr<NativeControl> makeCheckBoxWindow(forms::CheckBox& box, FormWindow& owner);
std::unique_ptr<NativeControl> makeListBoxWindow(forms::ListBox& list, FormWindow& owner);
std::unique_ptr<NativeControl> makeProgressWindow(forms::ProgressBar& bar, FormWindow& owner);
std::unique_ptr<NativeControl> makeChartWindow(forms::Chart& chart, FormWindow& owner);
std::unique_ptr<NativeControl> makeFrameWindow(forms::Frame& frame, FormWindow& owner);
std::unique_ptr<NativeControl> makePictureBoxWindow(forms::PictureBox& box, FormWindow& owner);
std::unique_ptr<NativeControl> makeImageWindow(forms::Image& image, FormWindow& owner);
std::unique_ptr<NativeControl> makeShapeOutline(forms::Shape& shape, FormWindow& owner);

}  // namespace win32
