#pragma once
// Form3: the network window, the program's start-up window. Its lifecycle lives here; its
// traffic panel and dial-up panel live in their own subsystems.
#include "dialup/dialup_panel.h"
#include "forms/form.h"
#include "network/traffic_panel.h"
#include "shell/context.h"
#include "shell/models.h"

namespace sparvane::shell {

class Form3 : public forms::Form {
public:
    Form3(Context& ctx, Models& models);

    void Form_Initialize() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;
    void Form_Terminate() override;

    network::TrafficPanel& traffic() { return traffic_; }
    dialup::DialupPanel& dialupPanel() { return dialup_; }

private:
    Context& ctx_;
    network::TrafficPanel traffic_;
    dialup::DialupPanel dialup_;
};

}  // namespace sparvane::shell
