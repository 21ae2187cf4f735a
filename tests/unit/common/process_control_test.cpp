#include "common/process_control.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/test_world.h"

namespace {

using sparvane::common::terminateProgram;
using sparvane::common::unloadAllForms;

// A form that logs its unload handlers and can be told to misbehave in them.
class LoggingForm : public forms::Form {
public:
    LoggingForm(sparvane::Context& ctx, std::string name, std::vector<std::string>& log)
        : forms::Form(ctx.app, std::move(name)), Ticker(add<forms::Timer>("Ticker")), ctx_(ctx), log_(log) {
        Ticker.setInterval(100);
        Ticker.onTimer = [this] { log_.push_back(this->name() + ":tick"); };
    }
    forms::Timer& Ticker;
    bool cancelUnload = false;
    bool terminateOnUnload = false;

    void onQueryUnload(int& cancel, int mode) override {
        log_.push_back(name() + ":QueryUnload(" + std::to_string(mode) + ")");
        if (cancelUnload) cancel = 1;
        if (terminateOnUnload) terminateProgram(ctx_.orderlyExit);
    }
    void onUnload(int&) override { log_.push_back(name() + ":Unload"); }

private:
    sparvane::Context& ctx_;
    std::vector<std::string>& log_;
};

struct First : LoggingForm {
    First(sparvane::Context& c, std::vector<std::string>& l) : LoggingForm(c, "First", l) {}
};
struct Second : LoggingForm {
    Second(sparvane::Context& c, std::vector<std::string>& l) : LoggingForm(c, "Second", l) {}
};

class Orderly : public ::testing::Test {
protected:
    void SetUp() override {
        world.app.registerForm<First>([this] { return std::make_unique<First>(world.ctx, log); });
        world.app.registerForm<Second>([this] { return std::make_unique<Second>(world.ctx, log); });
        world.app.form<First>().show();
        world.app.form<Second>().show();
    }
    fakes::TestWorld world;
    std::vector<std::string> log;
};

TEST_F(Orderly, AFormThatCancelsIsPassedOverHiddenWithItsTimersStopped) {
    auto& second = world.app.form<Second>();
    second.cancelUnload = true;
    unloadAllForms(world.app);
    ASSERT_EQ(world.app.forms().size(), 1u);
    EXPECT_FALSE(second.visible());
    EXPECT_EQ(second.Ticker.interval(), 0);
    EXPECT_FALSE(second.Ticker.timerEnabled());
    log.clear();
    world.backend.advance(10'000);
    EXPECT_TRUE(log.empty()) << "a visited form's timer fired";
}

TEST_F(Orderly, TerminateUnloadsAllAndEndsWithStatusZero) {
    terminateProgram(world.ctx.orderlyExit);
    EXPECT_TRUE(world.app.forms().empty());
    // Status 0 even though the exit-code query answers non-zero (STILL_ACTIVE).
    EXPECT_EQ(world.processes.exitStatuses, (std::vector<std::uint32_t>{0}));
}

// Every form unloaded once, in load order, as from code.
TEST_F(Orderly, AnUnloadHandlerAskingToTerminateDoesNotStartASecondTermination) {
    world.app.form<First>().terminateOnUnload = true;
    world.app.form<Second>().terminateOnUnload = true;
    terminateProgram(world.ctx.orderlyExit);
    EXPECT_EQ(world.processes.exitStatuses.size(), 1u);
    EXPECT_EQ(log, (std::vector<std::string>{"First:QueryUnload(1)", "First:Unload", "Second:QueryUnload(1)",
                                             "Second:Unload"}));
}

}  // namespace
