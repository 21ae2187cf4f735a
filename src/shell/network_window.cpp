#include "shell/network_window.h"

#include "cleaning/clean_up_window.h"
#include "cleaning/recent_folder_window.h"
#include "forms/application.h"
#include "shell/widget_window.h"

namespace sparvane::shell {

namespace {

// What the window hands its dial-up panel: Settings and Connect To Internet open the
// folder and the temp-file clean-up window.
dialup::DialupPanel::Services dialupServices(Context& ctx) {
    auto& app = ctx.app;
    auto& s = ctx.services;
    return {s.dialup, s.registry, s.shell,
            [&app] {
                auto& settings = app.form<cleaning::RecentFolderWindow>();
                settings.show();
                settings.zOrderTop();
            },
            [&app] { app.form<cleaning::CleanUpWindow>().show(); }};
}

}  // namespace

NetworkWindow::NetworkWindow(Context& ctx, Models& models)
    : forms::Form(ctx.app, "Form3"),
      ctx_(ctx),
      traffic_(*this, models.traffic, {ctx.services.trayIcon, ctx.services.locale}),
      dialup_(*this, dialupServices(ctx)) {
    // Every tick's figures go on to the widget; referring to it loads it if it is not
    // loaded (it is not shown by that).
    traffic_.onTicked = [this, &models] { ctx_.app.form<WidgetWindow>().showTraffic(models.traffic); };
    // A tiny window: its controls all lie outside the client area, so even while it is
    // shown for its first activation none of them is seen.
    setCaption("Form3");
    setStartUpPosition(forms::StartUpPosition::CenterScreen);
    setClientSizeTwips(495, 210);
}

void NetworkWindow::onInitialize() { dialup_.prepare(); }

void NetworkWindow::onLoad() { traffic_.setUp(); }

// Start-up hands over without showing this window; should anything show it, it goes again.
void NetworkWindow::onActivate() { handOver(); }

void NetworkWindow::handOver() {
    hide();
    ctx_.app.form<cleaning::RecentFolderWindow>().show();  // measures the junk and hides itself again
    ctx_.app.form<WidgetWindow>().show();
}

void NetworkWindow::onQueryUnload(int& cancel, int unloadMode) {
    (void)cancel, (void)unloadMode;  // never cancelled
    traffic_.removeTrayIcon();
    dialup_.release();
}

// Removing the icon again is harmless and covers an unload that skipped QueryUnload.
void NetworkWindow::onUnload(int&) { traffic_.removeTrayIcon(); }
void NetworkWindow::onTerminate() { traffic_.removeTrayIcon(); }

}  // namespace sparvane::shell
