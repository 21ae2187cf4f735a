#pragma once
// NetworkWindow: the network window, the program's start-up window. Its lifecycle lives here; its
// traffic panel lives in its own subsystem.
#include "forms/form.h"
#include "network/traffic_panel.h"
#include "shell/context.h"
#include "shell/models.h"
#include "shell/tray_menu.h"

namespace sparvane::shell {

class NetworkWindow : public forms::Form {
public:
    NetworkWindow(Context& ctx, Models& models);

    void onLoad() override;
    void onActivate() override;
    // Hides this window and brings up the windows the user works with: the Recent-folder
    // window measures the junk and hides itself again, then the widget comes on screen.
    void handOver();
    void onQueryUnload(int& cancel, int unloadMode) override;
    void onUnload(int& cancel) override;
    void onTerminate() override;
    void onTrayIcon(forms::TrayIconEvent event, int x, int y) override;
    void onTaskbarCreated() override;

    network::TrafficPanel& traffic() { return traffic_; }

private:
    Context& ctx_;
    network::TrafficPanel traffic_;
    TrayMenu trayMenu_;
};

}  // namespace sparvane::shell
