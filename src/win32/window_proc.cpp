#include "win32/window_proc.h"

#include <cwchar>

namespace win32 {

void reportHandlerFailure(UINT message, const char* what) noexcept {
    // A fixed buffer: formatting must not need the memory whose lack may be the failure.
    wchar_t line[400];
    int n = std::swprintf(line, 64, L"Sparvane: window message 0x%04X failed: ", message);
    if (n < 0) n = 0;
    const char* text = what != nullptr && *what != '\0' ? what : "unknown exception";
    const int room = static_cast<int>(sizeof line / sizeof line[0]) - n - 2;
    int written = MultiByteToWideChar(CP_UTF8, 0, text, -1, line + n, room);
    if (written <= 0) {
        // Longer than the buffer or not UTF-8: the bytes as they are, cut to fit.
        written = 0;
        while (written < room - 1 && text[written] != '\0') {
            line[n + written] = static_cast<unsigned char>(text[written]);
            ++written;
        }
    } else {
        --written;  // the count includes the terminator
    }
    line[n + written] = L'\n';
    line[n + written + 1] = L'\0';
    OutputDebugStringW(line);
}

}  // namespace win32
