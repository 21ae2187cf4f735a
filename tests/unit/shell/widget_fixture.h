#pragma once
// A started program on the headless backend: the network window shown, the Recent-folder
// window and the widget brought up by it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fakes/test_world.h"
#include "shell/registration.h"
#include "shell/widget_window.h"

class WidgetTest : public ::testing::Test {
protected:
    void start(int screenWidthPx = 1600, int screenHeightPx = 900) {
        world.backend.screenWidthPx = screenWidthPx;
        world.backend.screenHeightPx = screenHeightPx;
        sparvane::shell::registerForms(world.ctx);
        sparvane::shell::startProgram(world.ctx);
    }
    sparvane::shell::WidgetWindow& widget() { return *world.app.loadedForm<sparvane::shell::WidgetWindow>(); }
    const platform::RegionPlan& widgetRegion() {
        auto& r = world.windows.windows[widget().hWnd()].region;
        EXPECT_TRUE(r.has_value());
        if (!r) r.emplace();
        return *r;
    }
    // Bounding box of the rectangles added to the region.
    forms::PixelRect boundingBox(const platform::RegionPlan& plan) {
        forms::PixelRect box{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
        for (const auto& r : plan.added)
            box = {std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
                   std::max(box.bottom, r.bottom)};
        return box;
    }
    long logIndex(const std::string& entry) {
        const auto& log = world.backend.windowLog;
        auto it = std::find(log.begin(), log.end(), entry);
        return it == log.end() ? -1 : static_cast<long>(it - log.begin());
    }
    fakes::TestWorld world;
};
