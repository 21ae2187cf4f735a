#include "shell/window_region.h"

#include "forms/application.h"
#include "platform/rounding.h"

namespace sparvane::shell {

namespace {

forms::PixelRect rect(float left, float top, float right, float bottom) {
    using platform::roundHalfEven;
    return {roundHalfEven(left), roundHalfEven(top), roundHalfEven(right), roundHalfEven(bottom)};
}

}  // namespace

platform::RegionPlan regionPlanFor(const forms::Form& form) {
    // Single precision throughout, as the layout's working values always were, so that the
    // halves fall where they fell.
    const auto& app = form.app();
    const bool pixels = form.scaleMode() == forms::ScaleMode::Pixels;
    const auto toPixelsX = [&](double v) { return static_cast<float>(pixels ? v : v / app.twipsPerPixelX()); };
    const auto toPixelsY = [&](double v) { return static_cast<float>(pixels ? v : v / app.twipsPerPixelY()); };
    // The outer size is kept in twips whatever the scale.
    const float outerWidth = static_cast<float>(form.width() / app.twipsPerPixelX());
    const float outerHeight = static_cast<float>(form.height() / app.twipsPerPixelY());
    const float border = (outerWidth - toPixelsX(form.scaleWidth())) / 2;
    const float caption = outerHeight - border - toPixelsY(form.scaleHeight());

    platform::RegionPlan plan;
    plan.outer = rect(0, 0, outerWidth, outerHeight);
    plan.inner = rect(border, caption, outerWidth - border, outerHeight - border);
    for (const auto& control : form.controls()) {
        if (control->container() != nullptr || !control->hasSize()) continue;
        const float left = toPixelsX(control->left()) + border;
        const float top = toPixelsY(control->top()) + caption;
        plan.added.push_back(rect(left, top, left + toPixelsX(control->width()), top + toPixelsY(control->height())));
    }
    return plan;
}

void shapeFormToControls(forms::Form& form, platform::WindowManager& windows) {
    form.setScaleMode(forms::ScaleMode::Pixels);
    if (form.windowState() == forms::WindowState::Minimized) return;
    if (!form.hasWindow()) return;
    (void)windows.setWindowRegion(form.hWnd(), regionPlanFor(form));
}

}  // namespace sparvane::shell
