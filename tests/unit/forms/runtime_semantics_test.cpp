// How the forms runtime behaves as the program's logic relies on it: synchronous events,
// default instances and their lifecycle, virtual-time timers, End and scale.
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
          Button(add<forms::CommandButton>("Button")),
          Caption(add<forms::Label>("Caption")),
          Check(add<forms::CheckBox>("Check")),
          Bar(add<forms::ProgressBar>("Bar")),
          Ticker(add<forms::Timer>("Ticker")),
          log_(log) {}

    forms::CommandButton& Button;
    forms::Label& Caption;
    forms::CheckBox& Check;
    forms::ProgressBar& Bar;
    forms::Timer& Ticker;
    int cancelQueryUnload = 0;
    std::function<void()> duringQueryUnload;

    void onInitialize() override { log_.push_back("Initialize"); }
    void onLoad() override { log_.push_back("Load"); }
    void onResize() override { log_.push_back("Resize"); }
    void onActivate() override { log_.push_back("Activate"); }
    void onQueryUnload(int& cancel, int mode) override {
        log_.push_back("QueryUnload(" + std::to_string(mode) + ")");
        cancel = cancelQueryUnload;
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

TEST_F(Runtime, AButtonPressedFromCodeRunsItsWholeClickBeforeTheNextStatement) {
    Probe& p = probe();
    p.Button.onClick = [&] {
        log.push_back("click begins");
        EXPECT_TRUE(p.Button.value());
        p.Caption.setCaption("set inside the click");
        log.push_back("click ends");
    };
    log.clear();
    p.Button.setValue(true);
    log.push_back("next statement");
    EXPECT_EQ(log, (Log{"click begins", "click ends", "next statement"}));
    EXPECT_EQ(p.Caption.caption(), "set inside the click");
    EXPECT_FALSE(p.Button.value());
    p.Button.setValue(false);  // releasing is not a press
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(Runtime, ALabelsChangeAndACheckBoxsClickRunInsideTheAssignmentOnlyWhenTheValueChanges) {
    Probe& p = probe();
    std::string seen;
    int clicks = 0;
    p.Caption.onChange = [&] { seen = p.Caption.caption(); };
    p.Check.onClick = [&] { ++clicks; };
    p.Caption.setCaption("42");
    EXPECT_EQ(seen, "42");
    seen.clear();
    p.Caption.setCaption("42");
    EXPECT_EQ(seen, "");
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

TEST_F(Runtime, CancelInQueryUnloadKeepsTheForm) {
    Probe& p = probe();
    p.show();
    p.cancelQueryUnload = 1;
    EXPECT_FALSE(p.unload());
    p.userClose();
    EXPECT_EQ(app.loadedForm<Probe>(), &p);
    EXPECT_TRUE(p.visible());
    EXPECT_EQ(log.back(), "QueryUnload(0)");
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
    EXPECT_EQ(backend.liveWindowCount(), 1u + 4u) << "windows were torn down after End";
}

TEST_F(Runtime, PixelScaleConvertsWithTheScreensTwipsPerPixel) {
    backend.twipsPerPixel = 12;  // 120 dots per inch
    Probe& p = probe();
    p.Bar.setBoundsTwips(1200, 240, 855, 135);
    p.setScaleMode(forms::ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(p.Bar.left(), 100);
    EXPECT_DOUBLE_EQ(p.Bar.top(), 20);
    EXPECT_DOUBLE_EQ(p.Bar.width(), 71.25);
    p.Bar.setLeft(50);
    EXPECT_DOUBLE_EQ(p.Bar.leftTwips(), 600);
    p.move(0, 0, 6000, 4800);
    EXPECT_DOUBLE_EQ(p.scaleWidth() * 12, p.width() - backend.frameWidthTwips(p));
    p.setScaleMode(forms::ScaleMode::Twips);
    EXPECT_DOUBLE_EQ(p.Bar.left(), 600);
}

}  // namespace
