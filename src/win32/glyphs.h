#pragma once
// The program's own pictures (button faces, the speed arrows, the check-list marks),
// drawn with GDI at whatever size the control has, so they stay sharp at any DPI.
#include <windows.h>

#include "forms/types.h"

namespace win32 {

// Draws the picture centred in `area`, as large as the smaller side allows. Disabled
// pictures are drawn in grey. Picture::None draws nothing.
void drawPicture(HDC dc, const RECT& area, forms::Picture picture, bool enabled = true);

}  // namespace win32
