#include "shell/registration.h"

#include "cleaning/form2.h"
#include "cleaning/frm_main.h"
#include "screenguard/form4.h"
#include "shell/form1.h"
#include "shell/form3.h"

namespace sparvane::shell {

void registerForms(Context& ctx) {
    auto& app = ctx.app;
    app.registerForm<Form1>([&ctx] { return std::make_unique<Form1>(ctx); });
    app.registerForm<Form3>([&ctx] { return std::make_unique<Form3>(ctx); });
    app.registerForm<cleaning::Form2>([&ctx] { return std::make_unique<cleaning::Form2>(ctx); });
    app.registerForm<cleaning::frmMain>([&ctx] { return std::make_unique<cleaning::frmMain>(ctx); });
    app.registerForm<screenguard::Form4>([&ctx] { return std::make_unique<screenguard::Form4>(ctx); });
}

void startProgram(Context& ctx) { ctx.app.form<Form3>().show(); }

}  // namespace sparvane::shell
