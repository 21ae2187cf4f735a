// The yardstick for the footprint benchmark: the smallest ordinary Win32 program that shows
// one window, built with the same toolchain and flags as sparvane.exe. Its window carries
// the same "Sparvane.Name" property the driver looks for, named "Minimal".
#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"MinimalWindow";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320,
                                240, nullptr, nullptr, instance, nullptr);
    const ATOM name = GlobalAddAtomW(L"Minimal");
    SetPropW(hwnd, L"Sparvane.Name", reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(name)));
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    RemovePropW(hwnd, L"Sparvane.Name");
    GlobalDeleteAtom(name);
    return 0;
}
