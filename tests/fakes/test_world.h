#pragma once
// Everything a test needs to run the program's forms headless: the runtime on the headless
// backend, a fake of every platform service, and the context the forms are built with.
#include "fakes/fake_desktop.h"
#include "fakes/fake_dialup.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_interface_table.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_session.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_tray_icon.h"
#include "fakes/fake_window_manager.h"
#include "fakes/headless_backend.h"
#include "forms/application.h"
#include "shell/context.h"
#include "sparvane/version.h"

namespace fakes {

struct TestWorld {
    HeadlessBackend backend;
    FakeInterfaceTable interfaceTable;
    FakeFileSystem fileSystem;
    FakeRecycleBin recycleBin;
    FakeRecentDocuments recentDocuments;
    FakeShell shell;
    FakeToken token;
    FakeSession session;
    FakeProcesses processes;
    FakeRegistry registry;
    FakeDialup dialup;
    FakeTrayIcon trayIcon;
    FakeLastInput lastInput;
    FakeClock clock;
    FakeLocale locale;
    FakeWindowManager windows;
    platform::Services services{interfaceTable, fileSystem, recycleBin, recentDocuments, shell,
                                token,          session,    processes,  registry,        dialup,
                                trayIcon,       lastInput,  clock,      locale,          windows};
    forms::Application app{backend,
                           forms::AppInfo{"Sparvane", "sparvane", "C:\\Program Files\\Sparvane",
                                          "C:\\Program Files\\Sparvane\\sparvane.exe", sparvane::version::kMajor,
                                          sparvane::version::kMinor, sparvane::version::kPatch}};
    sparvane::Context ctx{app, services};

    TestWorld() {
        backend.attach(app);
        clock.virtualTime = [this] { return backend.now(); };
    }
};

}  // namespace fakes
