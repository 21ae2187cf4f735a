#include "shell/registration.h"

#include <memory>

#include "cleaning/form2.h"
#include "cleaning/frm_main.h"
#include "screenguard/screen_guard_window.h"
#include "shell/models.h"
#include "shell/network_window.h"
#include "shell/widget_link.h"
#include "shell/widget_window.h"

namespace sparvane::shell {

void registerForms(Context& ctx) {
    auto& app = ctx.app;
    // The factories hold the link the folder clean-up window colours the widget through;
    // the runtime keeps them, and so the link, until after its last form is gone.
    auto widget = std::make_shared<WidgetLink>(app);
    // The models outlive every window in the same way.
    auto models = std::make_shared<Models>(ctx);
    app.registerForm<WidgetWindow>([&ctx] { return std::make_unique<WidgetWindow>(ctx); });
    app.registerForm<NetworkWindow>([&ctx, models] { return std::make_unique<NetworkWindow>(ctx, *models); });
    app.registerForm<cleaning::Form2>([&ctx, widget] {
        auto& s = ctx.services;
        return std::make_unique<cleaning::Form2>(
            ctx.app, cleaning::Form2::Services{s.fileSystem, s.locale, s.clock, ctx.orderlyExit, *widget});
    });
    app.registerForm<cleaning::frmMain>([&ctx] {
        auto& s = ctx.services;
        return std::make_unique<cleaning::frmMain>(
            ctx.app, cleaning::frmMain::Services{s.fileSystem, s.recycleBin, s.recentDocuments, s.shell, s.windows,
                                                 s.clock, ctx.orderlyExit});
    });
    app.registerForm<screenguard::ScreenGuardWindow>(
        [&ctx] { return std::make_unique<screenguard::ScreenGuardWindow>(ctx.app, ctx.services.windows); });
}

void startProgram(Context& ctx) { ctx.app.form<NetworkWindow>().show(); }

}  // namespace sparvane::shell
