#pragma once
// Makes a window recompute and redraw its frame after its style was changed.
#include "forms/form.h"
#include "platform/window_manager.h"

namespace sparvane::common {

// Rewrites the window's own style and, when that write went through, asks for a frame
// change without moving, sizing, re-ordering or activating the window. Nothing is
// reported; a window whose style cannot be read or written is left as it was.
void refreshFormFrame(platform::WindowManager& windows, const forms::Form& form);

}  // namespace sparvane::common
