#include "shell/form3.h"

#include "cleaning/clean_up_window.h"
#include "cleaning/recent_folder_window.h"
#include "forms/application.h"
#include "shell/form1.h"

namespace sparvane::shell {

namespace {

// What the window hands its two parts: the monitor feeds the widget; the dial-up panel's
// Settings and Connect To Internet open the folder and the temp-file clean-up window.
network::TrafficMonitor::Services trafficServices(Context& ctx, Widget& widget) {
    auto& s = ctx.services;
    return {s.interfaceTable, s.trayIcon, s.locale, s.clock, widget};
}

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

Form3::Form3(Context& ctx)
    : forms::Form(ctx.app, "Form3"),
      ctx_(ctx),
      widget_(ctx.app),
      traffic_(*this, trafficServices(ctx, widget_)),
      dialup_(*this, dialupServices(ctx)) {
    // A tiny window: its controls all lie outside the client area, so even while it is
    // shown for its first activation none of them is seen.
    setCaption("Form3");
    setStartUpPosition(forms::StartUpPosition::CenterScreen);
    setClientSizeTwips(495, 210);
}

void Form3::Form_Initialize() { dialup_.prepare(); }

void Form3::Form_Load() { traffic_.setUp(); }

// The start-up window's first activation hands over to the windows the user works with.
void Form3::Form_Activate() {
    // Hidden twice on purpose: the second request finds the window hidden and changes
    // nothing, and the start-up goes on issuing both so that the sequence of window changes
    // anything outside sees at start-up stays the one it has always been.
    hide();
    hide();
    ctx_.app.form<cleaning::RecentFolderWindow>().show();  // measures the junk and hides itself again
    ctx_.app.form<Form1>().show();
}

void Form3::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel, (void)unloadMode;  // never cancelled
    traffic_.removeTrayIcon();
    dialup_.release();
}

// Removing the icon again is harmless and covers an unload that skipped QueryUnload.
void Form3::Form_Unload(int&) { traffic_.removeTrayIcon(); }
void Form3::Form_Terminate() { traffic_.removeTrayIcon(); }

}  // namespace sparvane::shell
