#include "shell/registration.h"

#include <memory>

#include "cleaning/clean_junk.h"
#include "cleaning/clean_up_window.h"
#include "cleaning/recent_folder_window.h"
#include "screenguard/form4.h"
#include "shell/form1.h"
#include "shell/form3.h"
#include "shell/models.h"
#include "shell/widget_link.h"

namespace sparvane::shell {

namespace {

std::shared_ptr<Models> makeModels(Context& ctx, Widget& widget) {
    auto& s = ctx.services;
    const cleaning::EventPacing pacing{ctx.app, s.clock, ctx.orderlyExit};
    return std::make_shared<Models>(
        cleaning::JunkMeter::Services{s.fileSystem, s.locale, widget, pacing},
        cleaning::CleanUpRun::Services{s.fileSystem, s.recycleBin, s.recentDocuments, s.windows, pacing});
}

}  // namespace

void registerForms(Context& ctx) {
    auto& app = ctx.app;
    // The factories hold the models and the link the windows colour the widget through; the
    // runtime keeps them, and so the models and the link, until after its last form is gone.
    auto widget = std::make_shared<WidgetLink>(app);
    auto models = makeModels(ctx, *widget);
    app.registerForm<Form1>([&ctx, models, widget] {
        auto form = std::make_unique<Form1>(ctx);
        // Clean Junk works on the models, which the widget itself does not hold.
        form->Command63.onClick = [&app = ctx.app, models, widget] {
            cleaning::cleanJunk(app, models->cleanUpRun, models->junkMeter, *widget);
        };
        return form;
    });
    app.registerForm<Form3>([&ctx] { return std::make_unique<Form3>(ctx); });
    app.registerForm<cleaning::RecentFolderWindow>([&ctx, models, widget] {
        return std::make_unique<cleaning::RecentFolderWindow>(
            ctx.app, cleaning::RecentFolderWindow::Services{models->junkMeter, *widget});
    });
    app.registerForm<cleaning::CleanUpWindow>([&ctx, models] {
        auto& s = ctx.services;
        return std::make_unique<cleaning::CleanUpWindow>(
            ctx.app, cleaning::CleanUpWindow::Services{models->cleanUpRun, s.shell, s.windows, ctx.orderlyExit});
    });
    app.registerForm<screenguard::Form4>(
        [&ctx] { return std::make_unique<screenguard::Form4>(ctx.app, ctx.services.windows); });
}

void startProgram(Context& ctx) { ctx.app.form<Form3>().show(); }

}  // namespace sparvane::shell
