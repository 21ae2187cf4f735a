#pragma once
// The traffic monitor that lives on the network window: its controls, timers and tray entry.
#include "common/context.h"
#include "forms/form.h"

namespace sparvane::network {

class TrafficMonitor {
public:
    // Adds the monitor's controls to the network window and wires their handlers.
    TrafficMonitor(forms::Form& networkWindow, Context& ctx);
    // The network window's Load: series, charts, interface reader, tray entry, records.
    void setUp();
    // NIM_DELETE of the tray entry; harmless when it is already gone.
    void removeTrayIcon();

private:
    forms::Form& form_;
    Context& ctx_;
};

}  // namespace sparvane::network
