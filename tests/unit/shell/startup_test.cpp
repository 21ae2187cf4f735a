#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cleaning/form2.h"
#include "shell/form3.h"
#include "widget_fixture.h"

namespace {

using sparvane::cleaning::Form2;
using sparvane::shell::Form1;
using sparvane::shell::Form3;

// The network window with its lifecycle events written down, the rest of it unchanged.
class RecordingForm3 : public Form3 {
public:
    RecordingForm3(sparvane::Context& ctx, std::vector<std::string>& log) : Form3(ctx), log_(log) {}
    void Form_Initialize() override { log_.push_back("Initialize"), Form3::Form_Initialize(); }
    void Form_Load() override { log_.push_back("Load"), Form3::Form_Load(); }
    void Form_Activate() override {
        log_.push_back("Activate");
        Form3::Form_Activate();
        log_.push_back("Activate done");
    }

private:
    std::vector<std::string>& log_;
};

class StartUp : public WidgetTest {
protected:
    void startRecorded() {
        sparvane::shell::registerForms(world.ctx);
        world.app.registerForm<Form3>([this] { return std::make_unique<RecordingForm3>(world.ctx, events); });
        sparvane::shell::startProgram(world.ctx);
    }
    std::vector<std::string> events;
};

TEST_F(StartUp, TheNetworkWindowHandsOverToTheWidget) {
    startRecorded();
    EXPECT_EQ(events, (std::vector<std::string>{"Initialize", "Load", "Activate", "Activate done"}));
    // Form3 hides itself twice before the others come up; Form2 is shown, then hides
    // itself; Form1 is shown last.
    const long form3Shown = logIndex("show:Form3");
    const long form3Hidden = logIndex("hide:Form3");
    const long form2Shown = logIndex("show:Form2");
    const long form2Hidden = logIndex("hide:Form2");
    const long form1Created = logIndex("create:Form1");
    const long form1Shown = logIndex("show:Form1");
    ASSERT_GE(form3Shown, 0);
    EXPECT_EQ(world.backend.windowLog.at(static_cast<std::size_t>(form3Hidden + 1)), "hide:Form3");
    EXPECT_LT(form3Shown, form3Hidden);
    EXPECT_LT(form3Hidden, form2Shown);
    EXPECT_LT(form2Shown, form2Hidden);
    EXPECT_LT(form2Hidden, form1Created);
    EXPECT_LT(form1Created, form1Shown);
}

TEST_F(StartUp, OnlyTheWidgetIsOnScreenAfterwards) {
    start();
    ASSERT_NE(world.app.loadedForm<Form3>(), nullptr);
    ASSERT_NE(world.app.loadedForm<Form2>(), nullptr);
    EXPECT_FALSE(world.app.loadedForm<Form3>()->visible());
    EXPECT_FALSE(world.app.loadedForm<Form2>()->visible());
    EXPECT_TRUE(widget().visible());
    EXPECT_EQ(world.app.activeForm(), &widget());
    EXPECT_EQ(world.backend.windowLog.back(), "show:Form1");
}

TEST_F(StartUp, TheNetworkWindowIsATinyCentredWindow) {
    start();
    Form3& f = *world.app.loadedForm<Form3>();
    EXPECT_EQ(f.caption(), "Form3");
    EXPECT_EQ(f.scaleWidth(), 495);
    EXPECT_EQ(f.scaleHeight(), 210);
    EXPECT_DOUBLE_EQ(f.left(), (1600 * 15 - f.width()) / 2);
    EXPECT_DOUBLE_EQ(f.top(), (900 * 15 - f.height()) / 2);
}

TEST_F(StartUp, SessionEndUnloadsEveryWindowInLoadOrderAndRemovesTheTrayIcon) {
    start();
    world.app.endSession();
    EXPECT_FALSE(world.backend.processEnded) << "session end is not Close Widget";
    EXPECT_TRUE(world.app.forms().empty());
    const long form3 = logIndex("destroy:Form3"), form2 = logIndex("destroy:Form2"), form1 = logIndex("destroy:Form1");
    ASSERT_GE(form3, 0);
    EXPECT_LT(form3, form2);
    EXPECT_LT(form2, form1);
    EXPECT_FALSE(world.trayIcon.entry.has_value());
}

TEST_F(StartUp, TheWidgetsTimerNoLongerTicksAfterSessionEnd) {
    start();
    world.app.endSession();
    const int queries = world.lastInput.queries;
    world.backend.advance(5000);
    EXPECT_EQ(world.lastInput.queries, queries);
}

}  // namespace
