#include "shell/registration.h"

#include <memory>

#include "cleaning/form2.h"
#include "cleaning/frm_main.h"
#include "screenguard/form4.h"
#include "shell/form1.h"
#include "shell/form3.h"
#include "shell/models.h"
#include "shell/widget_link.h"

namespace sparvane::shell {

void registerForms(Context& ctx) {
    auto& app = ctx.app;
    // The factories hold the link the folder clean-up window colours the widget through;
    // the runtime keeps them, and so the link, until after its last form is gone.
    auto widget = std::make_shared<WidgetLink>(app);
    // The models outlive every window in the same way.
    auto models = std::make_shared<Models>(ctx);
    app.registerForm<Form1>([&ctx] { return std::make_unique<Form1>(ctx); });
    app.registerForm<Form3>([&ctx, models] { return std::make_unique<Form3>(ctx, *models); });
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
    app.registerForm<screenguard::Form4>(
        [&ctx] { return std::make_unique<screenguard::Form4>(ctx.app, ctx.services.windows); });
}

void startProgram(Context& ctx) { ctx.app.form<Form3>().show(); }

}  // namespace sparvane::shell
