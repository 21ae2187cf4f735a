#pragma once
// The real Windows services, one instance of each, bundled for the application.
#include "platform/services.h"
#include "win32/desktop_win32.h"
#include "win32/dialup_win32.h"
#include "win32/file_system_win32.h"
#include "win32/interface_table_win32.h"
#include "win32/registry_win32.h"
#include "win32/session_win32.h"
#include "win32/shell_win32.h"
#include "win32/tray_icon_win32.h"
#include "win32/window_manager_win32.h"

namespace win32 {

// Lives for the whole run (WinMain owns it); the bundle refers into it, so it is neither
// copied nor moved.
class RealServices {
public:
    RealServices();
    ~RealServices();
    RealServices(const RealServices&) = delete;
    RealServices& operator=(const RealServices&) = delete;

    platform::Services& services() { return services_; }

private:
    InterfaceTableWin32 interfaceTable_;
    FileSystemWin32 fileSystem_;
    RecycleBinWin32 recycleBin_;
    RecentDocumentsWin32 recentDocuments_;
    ShellWin32 shell_;
    TokenWin32 token_;
    SessionWin32 session_;
    ProcessesWin32 processes_;
    RegistryWin32 registry_;
    DialupWin32 dialup_;
    TrayIconWin32 trayIcon_;
    LastInputWin32 lastInput_;
    ClockWin32 clock_;
    LocaleWin32 locale_;
    WindowManagerWin32 windows_;
    platform::Services services_;
};

}  // namespace win32
