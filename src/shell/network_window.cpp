#include "shell/network_window.h"

#include "cleaning/recent_folder_window.h"
#include "forms/application.h"
#include "network/traffic_window.h"
#include "shell/widget_window.h"

namespace sparvane::shell {

NetworkWindow::NetworkWindow(Context& ctx, Models& models)
    : forms::Form(ctx.app, "Form3"),
      ctx_(ctx),
      traffic_(*this, models.traffic, {ctx.services.trayIcon, ctx.services.locale}),
      trayMenu_(ctx.app) {
    // Every tick's figures go on to the widget; referring to it loads it if it is not
    // loaded (it is not shown by that). The traffic window gets them only while it is
    // loaded: it is made when the user first opens it, never by a tick.
    traffic_.onTicked = [this, &models] {
        ctx_.app.form<WidgetWindow>().showTraffic(models.traffic);
        if (auto* trafficWindow = ctx_.app.loadedForm<network::TrafficWindow>()) trafficWindow->showTraffic();
    };
    // A tiny window: its controls all lie outside the client area, so even while it is
    // shown for its first activation none of them is seen.
    setCaption("Form3");
    setStartUpPosition(forms::StartUpPosition::CenterScreen);
    setClientSizeTwips(495, 210);
}

void NetworkWindow::onLoad() { traffic_.setUp(); }

// Start-up hands over without showing this window; should anything show it, it goes again.
void NetworkWindow::onActivate() { handOver(); }

void NetworkWindow::handOver() {
    hide();
    ctx_.app.form<cleaning::RecentFolderWindow>().show();  // measures the junk and hides itself again
    ctx_.app.form<WidgetWindow>().show();
    // Nothing on screen needs the icon before the widget; adding it waits for Explorer.
    traffic_.showTrayIcon();
}

void NetworkWindow::onQueryUnload(int& cancel, int unloadMode) {
    (void)cancel, (void)unloadMode;  // never cancelled
    traffic_.removeTrayIcon();
}

// Removing the icon again is harmless and covers an unload that skipped QueryUnload.
void NetworkWindow::onUnload(int&) { traffic_.removeTrayIcon(); }
void NetworkWindow::onTerminate() { traffic_.removeTrayIcon(); }

// The window owns the notification-area icon, so the shell tells it about the icon.
void NetworkWindow::onTrayIcon(forms::TrayIconEvent event, int x, int y) { trayMenu_.iconUsed(*this, event, x, y); }
void NetworkWindow::onTaskbarCreated() { traffic_.trayEntry().taskbarCreated(); }

}  // namespace sparvane::shell
