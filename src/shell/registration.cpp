#include "shell/registration.h"

#include <memory>

#include "cleaning/clean_up_window.h"
#include "cleaning/recent_folder_window.h"
#include "dialup/dialup_window.h"
#include "network/traffic_window.h"
#include "screenguard/screen_guard_window.h"
#include "shell/models.h"
#include "shell/network_window.h"
#include "shell/widget_link.h"
#include "shell/widget_window.h"

namespace sparvane::shell {

namespace {

// What the dial-up window's panel works with: Settings and Connect To Internet open the
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

void registerForms(Context& ctx) {
    auto& app = ctx.app;
    // The factories hold the models and the link the windows colour the widget through; the
    // runtime keeps them, and so the models and the link, until after its last form is gone.
    auto widget = std::make_shared<WidgetLink>(app);
    auto models = std::make_shared<Models>(ctx, *widget);
    app.registerForm<WidgetWindow>([&ctx, models] { return std::make_unique<WidgetWindow>(ctx, *models); });
    app.registerForm<NetworkWindow>([&ctx, models] { return std::make_unique<NetworkWindow>(ctx, *models); });
    app.registerForm<cleaning::RecentFolderWindow>([&ctx, models, widget] {
        return std::make_unique<cleaning::RecentFolderWindow>(
            ctx.app, cleaning::RecentFolderWindow::Services{models->junkMeter, *widget});
    });
    app.registerForm<cleaning::CleanUpWindow>([&ctx, models] {
        auto& s = ctx.services;
        return std::make_unique<cleaning::CleanUpWindow>(
            ctx.app, cleaning::CleanUpWindow::Services{models->cleanUpRun, s.shell, s.windows, ctx.orderlyExit});
    });
    app.registerForm<network::TrafficWindow>([&ctx, models] {
        return std::make_unique<network::TrafficWindow>(ctx.app, models->traffic, ctx.services.locale);
    });
    app.registerForm<dialup::DialupWindow>(
        [&ctx] { return std::make_unique<dialup::DialupWindow>(ctx.app, dialupServices(ctx)); });
    app.registerForm<screenguard::ScreenGuardWindow>(
        [&ctx] { return std::make_unique<screenguard::ScreenGuardWindow>(ctx.app, ctx.services.windows); });
}

// The network window is loaded (Initialize, Load) and hands over at once. Shown only to be
// activated and hidden again, it kept the widget waiting for two round trips to the window
// manager, and the user never saw it.
void startProgram(Context& ctx) { ctx.app.form<NetworkWindow>().handOver(); }

}  // namespace sparvane::shell
