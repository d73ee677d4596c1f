// The whole game on the headless backend, from the generated data, with the
// replays' parts of every frame installed as the game's program installs
// them.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/extensions.h"
#include "app/game_state.h"
#include "app/shell.h"
#include "input/key_codes.h"
#include "platform/headless/headless.h"
#include "replays/frame_hooks.h"
#include "replays/playback.h"
#include "replays/recorder.h"
#include "session/session_profile.h"

class ReplaysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* data = std::getenv("WAVEDART_DATA_DIR");
        ASSERT_NE(data, nullptr);
        ASSERT_EQ(chdir(data), 0) << data;
        HeadlessSetTicks(777);
        AppStartUp();
        app_extensions.before_frame = ReplaysBeforeFrame;
        app_extensions.after_frame = ReplaysAfterFrame;
        SetFinishedGameHandler([this](const FinishedGame& game) { recorded = game; });
    }

    void TearDown() override
    {
        if (!profile_folder.empty()) {
            CloseSessionProfile();
            std::filesystem::remove_all(profile_folder);
        }
        app_extensions = AppExtensions{};
        AppShutDown();
    }

    // One frame with exactly these keys held.
    static void Frame(std::vector<int> keys = {})
    {
        HeadlessHoldKeys(keys.data(), static_cast<int>(keys.size()));
        AppFrame();
    }

    // From the main menu into the first play frame of a new game.
    static void StartGame(int difficulty_key)
    {
        Frame({DIK_N});
        Frame({difficulty_key});
        Frame();
        Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
    }

    // Flies left into the bank until the game is over.
    static void CrashUntilGameOver(int left = DIK_LEFT, int up = DIK_UP, int fire = DIK_SPACE)
    {
        for (int frame = 0; frame < 5000 && game_state != STATE_GAME_OVER; ++frame) {
            Frame(game_state == STATE_PLAYING ? std::vector<int>{left, up, fire} : std::vector<int>{});
        }
        ASSERT_EQ(game_state, STATE_GAME_OVER);
    }

    // A game on hard flown with these keys for faster, fire, left and right:
    // weaving while firing, then into the bank until it is over; then back
    // on the main menu, with the game in recorded.
    void PlayHardGame(int up = DIK_UP, int fire = DIK_SPACE, int left = DIK_LEFT, int right = DIK_RIGHT)
    {
        recorded = FinishedGame{};
        StartGame(DIK_D);
        for (int i = 0; i < 80; ++i) Frame({up, fire, i % 30 < 15 ? left : right});
        CrashUntilGameOver(left, up, fire);
        Frame({DIK_BACK});
        Frame();
        ASSERT_EQ(game_state, STATE_MAIN_MENU);
        ASSERT_FALSE(recorded.replay.empty());
    }

    // Runs frames with nothing held until a replay has played out; how many.
    static int PlayOut()
    {
        int frames = 0;
        for (; PlaybackActive() && !PlaybackPlayedOut() && frames < 20000; ++frames) Frame();
        return frames;
    }

    // The session's profile in a new folder of its own, removed afterwards.
    void OpenScratchProfile()
    {
        profile_folder = std::filesystem::temp_directory_path() / ("wavedart_replays_" + std::to_string(getpid()));
        std::filesystem::remove_all(profile_folder);
        OpenSessionProfile(profile_folder);
    }

    FinishedGame recorded;
    std::filesystem::path profile_folder;
};
