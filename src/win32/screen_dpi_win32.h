#pragma once
// The lookups forms::chooseDpi chooses among, each found at run time: GetDpiForWindow in
// user32 (Windows 10 1607), GetDpiForMonitor in shcore (Windows 8.1), loaded from
// System32. Each answers 0 where the system lacks the call or it fails.
#include <windows.h>

namespace win32 {

unsigned windowDpi(HWND window);
unsigned monitorDpi(HMONITOR monitor);
int systemDpi();  // the screen DC's LOGPIXELSX

// The DPI a window is drawn at, from the three above.
int dpiOfWindow(HWND window);
// Before any window exists: the primary monitor's, where a window placed by default opens.
int primaryMonitorDpi();

}  // namespace win32
