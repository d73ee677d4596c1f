// Starts the whole game on the headless backend, as the binary would.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "app/game_state.h"
#include "app/shell.h"
#include "platform/headless/headless.h"

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HeadlessSetTicks(1000);
        AppStartUp();
    }

    void TearDown() override { AppShutDown(); }

    // Runs one frame with exactly these keys held.
    static void Frame(std::vector<int> keys = {})
    {
        HeadlessHoldKeys(keys.data(), static_cast<int>(keys.size()));
        AppFrame();
    }
};
