#pragma once
// Cuts a form's window down to its frame plus the rectangles of its controls, so that the
// form's own background becomes see-through and click-through.
#include "forms/form.h"
#include "platform/window_manager.h"

namespace sparvane::shell {

// Switches the form's scale to pixels (and leaves it so), then, unless the form is
// minimized, gives its window the region: outer rectangle minus client area, plus one
// rectangle per control held by the form itself. Controls inside a frame or picture box
// are covered by their container; timers have no size and add nothing. Errors are ignored.
void shapeFormToControls(forms::Form& form, platform::WindowManager& windows);

// The region as shapeFormToControls computes it (no scale change, no window call).
platform::RegionPlan regionPlanFor(const forms::Form& form);

}  // namespace sparvane::shell
