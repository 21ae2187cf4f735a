#pragma once
// NetworkWindow: the network window, the program's start-up window. Its lifecycle lives here; its
// traffic panel and dial-up panel live in their own subsystems.
#include "dialup/dialup_panel.h"
#include "forms/form.h"
#include "network/traffic_panel.h"
#include "shell/context.h"
#include "shell/models.h"

namespace sparvane::shell {

class NetworkWindow : public forms::Form {
public:
    NetworkWindow(Context& ctx, Models& models);

    void onInitialize() override;
    void onLoad() override;
    void onActivate() override;
    // Hides this window and brings up the windows the user works with: the Recent-folder
    // window measures the junk and hides itself again, then the widget comes on screen.
    void handOver();
    void onQueryUnload(int& cancel, int unloadMode) override;
    void onUnload(int& cancel) override;
    void onTerminate() override;

    network::TrafficPanel& traffic() { return traffic_; }
    dialup::DialupPanel& dialupPanel() { return dialup_; }

private:
    Context& ctx_;
    network::TrafficPanel traffic_;
    dialup::DialupPanel dialup_;
};

}  // namespace sparvane::shell
