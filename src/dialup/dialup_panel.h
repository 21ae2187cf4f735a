#pragma once
// The dial-up panel and command buttons of the network window.
#include "common/context.h"
#include "forms/form.h"

namespace sparvane::dialup {

class DialupPanel {
public:
    // Adds the panel's controls to the network window and wires their handlers.
    DialupPanel(forms::Form& networkWindow, Context& ctx);
    // The network window's Initialize: dial-up object, entry list, first log line.
    void prepare();
    // The network window's QueryUnload: releases the dial-up object.
    void release();

private:
    forms::Form& form_;
    Context& ctx_;
};

}  // namespace sparvane::dialup
