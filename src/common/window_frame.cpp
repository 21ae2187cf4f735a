#include "common/window_frame.h"

namespace sparvane::common {

void refreshFormFrame(platform::WindowManager& windows, const forms::Form& form) {
    const forms::WindowHandle window = form.hWnd();
    // Writing back a style that could not be read would replace it with 0.
    const auto style = windows.style(window);
    if (!style) return;
    // The write returns the previous style; 0 means it did not go through.
    if (windows.setStyle(window, *style) == 0) return;
    constexpr unsigned kFrameOnly = platform::swp::kNoSize | platform::swp::kNoMove | platform::swp::kNoZOrder |
                                    platform::swp::kNoActivate | platform::swp::kFrameChanged;
    (void)windows.setWindowPos(window, platform::InsertAfter::None, kFrameOnly);
}

}  // namespace sparvane::common
