#pragma once
// The bundle of platform services the application hands to its forms.
#include "platform/desktop.h"
#include "platform/dialup.h"
#include "platform/file_system.h"
#include "platform/interface_table.h"
#include "platform/registry.h"
#include "platform/session.h"
#include "platform/shell.h"
#include "platform/tray_icon.h"
#include "platform/window_manager.h"

namespace platform {

struct Services {
    InterfaceTable& interfaceTable;
    FileSystem& fileSystem;
    RecycleBin& recycleBin;
    RecentDocuments& recentDocuments;
    Shell& shell;
    Token& token;
    Session& session;
    Processes& processes;
    Registry& registry;
    Dialup& dialup;
    TrayIcon& trayIcon;
    LastInput& lastInput;
    Clock& clock;
    Locale& locale;
    WindowManager& windows;
};

}  // namespace platform
