/* A stand-in for a system DLL, the kind a Downloads folder may hold beside a program. Loaded
 * into a process, it appends that process's path to "<its own path>.loaded", so a test can
 * tell that it ran and who loaded it. Built without the C runtime (DllMain is the entry
 * point) and exporting nothing: one build serves under every name it is planted as. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char marker[MAX_PATH + 8], loader[MAX_PATH + 2];
    DWORD n = GetModuleFileNameA(self, marker, MAX_PATH);
    DWORD m = GetModuleFileNameA(NULL, loader, MAX_PATH);
    if (n == 0 || n >= MAX_PATH || m >= MAX_PATH) return TRUE;
    lstrcpyA(marker + n, ".loaded");
    lstrcpyA(loader + m, "\n");
    HANDLE f = CreateFileA(marker, FILE_APPEND_DATA, FILE_SHARE_READ, NULL, OPEN_ALWAYS, 0, NULL);
    if (f != INVALID_HANDLE_VALUE) {
        DWORD written;
        WriteFile(f, loader, m + 1, &written, NULL);
        CloseHandle(f);
    }
    return TRUE; /* the load succeeds, as a planted DLL's would */
}
