#pragma once
// Plain value types shared by the forms runtime and its backends.
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace forms {

// Colours are kept as 0x00BBGGRR values, the form Windows uses, so that the numbers the
// program writes (32768 for green, 192 for dark red) mean the same thing everywhere.
using Color = std::uint32_t;
constexpr Color rgb(int red, int green, int blue) {
    return static_cast<Color>(red) | (static_cast<Color>(green) << 8) | (static_cast<Color>(blue) << 16);
}
// Values with the top bit set name a system colour (low byte = the system colour index).
constexpr Color kSystemButtonFace = 0x8000000F;
constexpr Color kSystemButtonText = 0x80000012;
constexpr Color kSystemWindow = 0x80000005;
constexpr bool isSystemColor(Color c) { return (c & 0x80000000u) != 0; }

enum class ScaleMode { Twips = 1, Pixels = 3 };
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class StartUpPosition { Manual = 0, CenterScreen = 2, WindowsDefault = 3 };
enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3, FixedToolWindow = 4 };
enum class Alignment { Left = 0, Right = 1, Center = 2 };

// Why a form is being unloaded, as its QueryUnload handler sees it.
namespace unload_mode {
constexpr int kFormControlMenu = 0;  // the user closed it (close box, window menu, Alt+F4)
constexpr int kFormCode = 1;         // code unloaded it
constexpr int kAppWindows = 2;       // the Windows session is ending
}  // namespace unload_mode

// Message box styles and answers (the numeric values of the Windows message box).
namespace msgbox {
constexpr int kOkOnly = 0;
constexpr int kOkCancel = 1;
constexpr int kYesNo = 4;
constexpr int kCritical = 16;
constexpr int kQuestion = 32;
constexpr int kExclamation = 48;
constexpr int kInformation = 64;
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
}  // namespace msgbox

struct Font {
    std::string name;  // empty: the window's default font
    double size = 8.25;
    bool bold = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

// The platform's window handle and pixel rectangle, under the names the runtime uses.
using platform::PixelRect;
using platform::WindowHandle;

// What the user did with the notification-area icon a form owns.
enum class TrayIconEvent {
    Select,       // a click
    KeySelect,    // Enter or Space on the icon while it has the keyboard
    ContextMenu,  // a right click, Shift+F10 or the menu key: the icon's menu is wanted
};

// One entry of a pop-up menu. Command 0 is a separator; the default entry is drawn bold
// and is what a double click on the icon would choose.
struct MenuEntry {
    int command = 0;
    std::string text;
    bool isDefault = false;
};

// The program's own drawings for picture buttons, images and status pictures.
enum class Picture {
    None,
    CleanJunk,
    ScreenGuard,
    Shutdown,
    Restart,
    LogOff,
    About,
    CloseWidget,
    ArrowDown,
    ArrowUp,
    GreenCheck,
    RedCross,
    NotSelected,
};

}  // namespace forms
