#pragma once
// Shell special folders, looked up on behalf of the widget window.
#include <string>

#include "platform/file_system.h"
#include "seams/widget.h"

namespace sparvane::cleaning {

// The path of a shell special folder (CSIDL number, 8 for Recent), with the widget window
// WidgetWindow as owner (referring to it creates it). "" when the shell cannot resolve it.
std::string getSpecialFolderPath(platform::FileSystem& fs, shell::Widget& widget, int csidl);

}  // namespace sparvane::cleaning
