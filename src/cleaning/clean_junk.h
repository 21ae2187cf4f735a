#pragma once
#include "forms/application.h"
#include "seams/widget.h"

namespace sparvane::cleaning {

// The widget's Clean Junk button: runs every cleaning task through the clean-up window,
// then re-measures the Recent folder and leaves the widget's frame green.
void cleanJunk(forms::Application& app, shell::Widget& widget);

}  // namespace sparvane::cleaning
