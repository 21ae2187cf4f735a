#include "common/process_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/test_world.h"

namespace {

using sparvane::common::terminateProgram;

// A form that logs its unload handlers and can be told to ask for the exit in them.
class LoggingForm : public forms::Form {
public:
    LoggingForm(sparvane::Context& ctx, std::string name, std::vector<std::string>& log)
        : forms::Form(ctx.app, std::move(name)), ctx_(ctx), log_(log) {}
    bool terminateOnUnload = false;

    void onQueryUnload(int&, int mode) override {
        log_.push_back(name() + ":QueryUnload(" + std::to_string(mode) + ")");
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

// Every form unloaded once, in load order, as from code; an unload handler asking for the
// exit again starts no second one.
TEST_F(Orderly, TerminateUnloadsEveryFormOnceAndEndsOnceWithStatusZero) {
    world.app.form<First>().terminateOnUnload = true;
    world.app.form<Second>().terminateOnUnload = true;
    terminateProgram(world.ctx.orderlyExit);
    EXPECT_TRUE(world.app.forms().empty());
    // Status 0 even though the exit-code query answers non-zero (STILL_ACTIVE).
    EXPECT_EQ(world.processes.exitStatuses, (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(log, (std::vector<std::string>{"First:QueryUnload(1)", "First:Unload", "Second:QueryUnload(1)",
                                             "Second:Unload"}));
}

}  // namespace
