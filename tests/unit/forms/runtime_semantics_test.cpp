// How the forms runtime behaves as the program's logic relies on it: synchronous events,
// default instances and their lifecycle, virtual-time timers and End.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/headless_backend.h"
#include "forms/application.h"

namespace {

using Log = std::vector<std::string>;

class Probe : public forms::Form {
public:
    Probe(forms::Application& app, Log& log)
        : forms::Form(app, "Probe"),
          Caption(add<forms::Label>("Caption")),
          Check(add<forms::CheckBox>("Check")),
          Ticker(add<forms::Timer>("Ticker")),
          log_(log) {}

    forms::Label& Caption;
    forms::CheckBox& Check;
    forms::Timer& Ticker;
    std::function<void()> duringQueryUnload;

    void onInitialize() override { log_.push_back("Initialize"); }
    void onLoad() override { log_.push_back("Load"); }
    void onResize() override { log_.push_back("Resize"); }
    void onActivate() override { log_.push_back("Activate"); }
    void onQueryUnload(int&, int mode) override {
        log_.push_back("QueryUnload(" + std::to_string(mode) + ")");
        if (duringQueryUnload) duringQueryUnload();
    }
    void onUnload(int&) override { log_.push_back("Unload"); }
    void onTerminate() override { log_.push_back("Terminate"); }

private:
    Log& log_;
};

class Runtime : public ::testing::Test {
protected:
    Runtime() {
        backend.attach(app);
        app.registerForm<Probe>([this] { return std::make_unique<Probe>(app, log); });
    }
    Probe& probe() { return app.form<Probe>(); }

    fakes::HeadlessBackend backend;
    forms::Application app{backend, forms::AppInfo{}};
    Log log;
};

TEST_F(Runtime, ACheckBoxsClickRunsInsideTheAssignmentOnlyWhenTheValueChanges) {
    Probe& p = probe();
    int clicks = 0;
    p.Check.onClick = [&] { ++clicks; };
    p.Check.setValue(1);
    EXPECT_EQ(clicks, 1);
    p.Check.setValue(1);
    EXPECT_EQ(clicks, 1);
    p.Check.setValue(0);
    EXPECT_EQ(clicks, 2);
}

TEST_F(Runtime, ASecondTimerTicksTwentyTimesInTwentySecondsAndStopsWhenDisabledOrItsFormIsUnloaded) {
    Probe& p = probe();
    int ticks = 0;
    p.Ticker.onTimer = [&] {
        ++ticks;
        EXPECT_TRUE(p.Ticker.timerEnabled());
        EXPECT_NE(app.loadedForm<Probe>(), nullptr);
    };
    p.Ticker.setInterval(1000);
    backend.advance(19'999);
    EXPECT_EQ(ticks, 19);
    backend.advance(1);
    EXPECT_EQ(ticks, 20);
    p.Ticker.setTimerEnabled(false);
    backend.advance(5000);
    EXPECT_EQ(ticks, 20);
    p.Ticker.setTimerEnabled(true);
    backend.advance(1000);
    EXPECT_EQ(ticks, 21);
    ASSERT_TRUE(p.unload());
    backend.advance(5000);
    EXPECT_EQ(ticks, 21);
}

TEST_F(Runtime, ADefaultInstanceLivesThroughItsEventsInOrderAndAReferenceAfterUnloadMakesAFreshOne) {
    EXPECT_EQ(app.loadedForm<Probe>(), nullptr);
    Probe& p = probe();
    EXPECT_EQ(log, (Log{"Initialize", "Load"}));
    EXPECT_EQ(&probe(), &p) << "a second reference made a second instance";
    p.show();
    p.show();  // already shown and active: nothing more
    p.Caption.setCaption("changed");
    forms::Application::EventScope scope(app);  // keep the old object alive for the comparison
    ASSERT_TRUE(p.unload());
    EXPECT_EQ(log, (Log{"Initialize", "Load", "Resize", "Activate", "QueryUnload(1)", "Unload", "Terminate"}));
    EXPECT_EQ(app.loadedForm<Probe>(), nullptr);
    EXPECT_EQ(backend.liveWindowCount(), 0u);
    log.clear();
    Probe& second = probe();
    EXPECT_NE(&second, &p);
    EXPECT_EQ(second.Caption.caption(), "");
    EXPECT_EQ(log, (Log{"Initialize", "Load"}));
}

TEST_F(Runtime, EndRunsNoHandlerAndStopsEveryTimer) {
    Probe& p = probe();
    p.show();
    int ticks = 0;
    p.Ticker.onTimer = [&] { ++ticks; };
    p.Ticker.setInterval(100);
    log.clear();
    app.end(0);
    EXPECT_TRUE(backend.processEnded);
    EXPECT_EQ(backend.exitStatus, 0);
    backend.advance(1000);
    p.userClose();
    app.endSession();
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(log.empty()) << log.front();
}

TEST_F(Runtime, EndInsideQueryUnloadStopsTheUnload) {
    Probe& p = probe();
    p.show();
    p.duringQueryUnload = [&] { app.end(3); };
    log.clear();
    p.userClose();
    EXPECT_EQ(log, (Log{"QueryUnload(0)"})) << "handlers ran after End";
    EXPECT_EQ(backend.exitStatus, 3);
    EXPECT_EQ(backend.liveWindowCount(), 1u + 2u) << "windows were torn down after End";
}

}  // namespace
