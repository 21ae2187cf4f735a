#include <gtest/gtest.h>

#include "fakes/test_world.h"
#include "shell/form3.h"
#include "shell/registration.h"

TEST(StartUp, NetworkWindowLoadsThroughTheRuntime) {
    fakes::TestWorld world;
    sparvane::shell::registerForms(world.ctx);
    sparvane::shell::startProgram(world.ctx);
    EXPECT_NE(world.app.loadedForm<sparvane::shell::Form3>(), nullptr);
}
