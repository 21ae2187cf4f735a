#pragma once
// Names by which another process (the end-to-end driver, assistive tools) finds the
// program's windows: the window property "Sparvane.Name" holds a global atom whose name is
// the form name or the control's qualified name. Global atoms are reference counted, so
// every name set is released again when its window goes.
#include <windows.h>

#include <string_view>

namespace win32 {

inline constexpr wchar_t kWindowNameProperty[] = L"Sparvane.Name";

// A form's controls get their windows when the form first comes on screen; the network and
// junk-measuring windows never do. Sent to a form window, this registered message makes
// them at once, shown or not, so that their texts can be read from outside.
inline constexpr wchar_t kMakeControlWindowsMessage[] = L"Sparvane.MakeControlWindows";

// False when the atom or the property could not be made (the window then has no name).
[[nodiscard]] bool setWindowName(HWND window, std::string_view utf8Name);
// Removes the property and releases its atom; harmless on a window without a name.
void clearWindowName(HWND window);

}  // namespace win32
