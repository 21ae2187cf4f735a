#include "network/traffic_monitor.h"

namespace sparvane::network {

TrafficMonitor::TrafficMonitor(forms::Form& networkWindow, Context& ctx) : form_(networkWindow), ctx_(ctx) {}

void TrafficMonitor::setUp() {}

void TrafficMonitor::removeTrayIcon() {}

}  // namespace sparvane::network
