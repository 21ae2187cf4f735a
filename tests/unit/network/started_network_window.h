#pragma once
// The network window as start-up leaves it: loaded, then handed over to the widget (the
// tray entry is added then). Later calls return the same window.
#include "forms/application.h"
#include "shell/network_window.h"

inline sparvane::shell::NetworkWindow& startedNetworkWindow(forms::Application& app) {
    if (auto* loaded = app.loadedForm<sparvane::shell::NetworkWindow>()) return *loaded;
    auto& window = app.form<sparvane::shell::NetworkWindow>();
    window.handOver();
    return window;
}
