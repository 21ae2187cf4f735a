#pragma once
// The widget's two auto-start boxes: they write and delete the program's value in the
// current user's Run key, which every user may change without administrator rights.
#include "forms/application.h"
#include "platform/registry.h"

namespace sparvane::shell {

void switchAutoStartOn(forms::Application& app, platform::Registry& registry);   // autoStartOnBox
void switchAutoStartOff(forms::Application& app, platform::Registry& registry);  // autoStartOffBox

}  // namespace sparvane::shell
