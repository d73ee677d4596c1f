// Plays the real game on the headless backend from the generated data: the
// state machine, the keys held per frame and a fixed random seed.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "app/game_state.h"
#include "app/shell.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "input/key_codes.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_audio.h"

class PlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* data = std::getenv("WAVEDART_DATA_DIR");
        ASSERT_NE(data, nullptr);
        ASSERT_EQ(chdir(data), 0) << data;
        HeadlessSetTicks(4242);
        AppStartUp();
    }

    void TearDown() override { AppShutDown(); }

    // One frame through the state machine with exactly these keys held.
    static void Frame(std::initializer_list<int> keys = {})
    {
        const std::vector<int> held(keys);
        HeadlessHoldKeys(held.data(), static_cast<int>(held.size()));
        AppFrame();
    }

    // From the main menu to the first play frame of a new game, chosen with
    // the difficulty key, with every enemy pool emptied.
    static void StartGame(int difficulty_key = DIK_E)
    {
        Frame({DIK_N});
        Frame({difficulty_key});
        Frame();
        Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
        for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) ClearEnemies(kind);
    }

    // Whether the mixer's next samples hold anything but silence.
    static bool Audible()
    {
        std::vector<int16_t> out(4096);
        HeadlessMixAudio(out.data(), static_cast<int>(out.size()));
        return std::any_of(out.begin(), out.end(), [](int16_t sample) { return sample != 0; });
    }
};
