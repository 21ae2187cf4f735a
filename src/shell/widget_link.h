#pragma once
// The widget as the other windows reach it. Each call goes to the widget's default
// instance, so the widget is loaded when it is not (closing and reopening it leaves no
// stale reference behind), and works on its controls.
#include "forms/application.h"
#include "seams/widget.h"

namespace sparvane::shell {

class WidgetLink final : public Widget {
public:
    explicit WidgetLink(forms::Application& app) : app_(app) {}

    void setFrameColor(forms::Color color) override;
    [[nodiscard]] platform::WindowHandle ownerWindow() override;
    void show() override;

private:
    forms::Application& app_;
};

}  // namespace sparvane::shell
