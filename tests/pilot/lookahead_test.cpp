// The pilot's view of the game: the river openings it steers by agree with
// the game's own bank test, and a try on a copy of the game foretells
// exactly what the running game does with the same keys.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "app/game_state.h"
#include "app/shell.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/terrain.h"
#include "graphics/display.h"
#include "input/key_codes.h"
#include "platform/headless/headless.h"
#include "tools/pilot/lookahead.h"
#include "tools/pilot/river_spans.h"

namespace {

class PilotView : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* data = std::getenv("WAVEDART_DATA_DIR");
        ASSERT_NE(data, nullptr);
        ASSERT_EQ(chdir(data), 0) << data;
        HeadlessSetTicks(777);
        AppStartUp();
        BuildCraftSpans();
    }
    void TearDown() override { AppShutDown(); }

    static void Frame(unsigned keys)
    {
        HoldPilotKeys(keys);
        AppFrame();
    }

    static void StartEasyGame()
    {
        const int menu_keys[] = {DIK_N, DIK_E};
        for (int key : menu_keys) {
            HeadlessHoldKeys(&key, 1);
            AppFrame();
        }
        while (game_state != STATE_PLAYING) Frame(0);
    }

    // Whether the game's bank test finds land under the craft centred on
    // world (x, y), with the camera putting that row mid-screen.
    static bool GameSeesBank(int x, int y)
    {
        camera_x = 0;
        camera_y = y - 240;
        FillSurface(back_surface, 0, nullptr);
        DrawTerrain();
        craft.vars[VAR_WORLD_X] = x;
        craft.vars[VAR_WORLD_Y] = y;
        craft.x = static_cast<float>(x - CRAFT_WIDTH / 2 - camera_x);
        craft.y = static_cast<float>(y - CRAFT_HEIGHT / 2 - camera_y);
        return TouchesBank(craft) != 0;
    }
};

TEST_F(PilotView, OpeningsEndWhereTheGameFindsTheBank)
{
    int checked = 0;
    for (int y = 300; y < WORLD_HEIGHT - 300; y += 97) {
        const CraftSpan span = CraftSpanAt(y, WORLD_WIDTH / 2);
        ASSERT_LE(span.left, span.right) << "no opening at row " << y;
        EXPECT_FALSE(GameSeesBank(span.left, y)) << y;
        EXPECT_FALSE(GameSeesBank(span.right, y)) << y;
        EXPECT_FALSE(GameSeesBank((span.left + span.right) / 2, y)) << y;
        if (span.left > CRAFT_WIDTH / 2) {
            EXPECT_TRUE(GameSeesBank(span.left - 1, y)) << y;
        }
        if (span.right < WORLD_WIDTH - CRAFT_WIDTH / 2) {
            EXPECT_TRUE(GameSeesBank(span.right + 1, y)) << y;
        }
        checked += 1;
    }
    EXPECT_GT(checked, 30);
    // Every life starts in the opening at the bottom of the river.
    const CraftSpan start = CraftSpanAt(416 + CAMERA_START_Y, 288);
    EXPECT_LE(start.left, 288);
    EXPECT_GE(start.right, 288);
}

TEST_F(PilotView, TryForetellsTheRunningGameAndLeavesItAlone)
{
    StartEasyGame();
    for (int i = 0; i < 40; ++i) Frame(PILOT_UP | PILOT_FIRE);
    const int start_y = craft.vars[VAR_WORLD_Y];
    const int start_fuel = fuel;
    const int start_camera = camera_y;

    PlanResult result{};
    ASSERT_TRUE(TryAhead(PlanTry{DEFAULT_STYLE, 0, 0}, LOOKAHEAD_FRAMES, &result));
    // The copy played; the running game did not move.
    EXPECT_EQ(result.frames, LOOKAHEAD_FRAMES);
    EXPECT_EQ(result.outcome, PLAN_ALIVE);
    EXPECT_GT(result.progress, 0);
    EXPECT_EQ(craft.vars[VAR_WORLD_Y], start_y);
    EXPECT_EQ(fuel, start_fuel);
    EXPECT_EQ(camera_y, start_camera);
    EXPECT_EQ(game_state, STATE_PLAYING);

    for (int i = 0; i < result.frames; ++i) Frame(result.keys[i]);
    EXPECT_EQ(game_state, STATE_PLAYING);
    EXPECT_EQ(start_y - craft.vars[VAR_WORLD_Y], result.progress);
    EXPECT_EQ(TriesMade(), 1);
    EXPECT_EQ(FramesTried(), LOOKAHEAD_FRAMES);
}

TEST_F(PilotView, TryIntoTheBankReportsTheCrashFrame)
{
    StartEasyGame();
    PlanResult result{};
    ASSERT_TRUE(TryAhead(PlanTry{DEFAULT_STYLE, PILOT_LEFT | PILOT_UP, LOOKAHEAD_FRAMES}, LOOKAHEAD_FRAMES, &result));
    EXPECT_EQ(result.outcome, PLAN_DIED);
    ASSERT_LT(result.frames, LOOKAHEAD_FRAMES);
    for (int i = 0; i < result.frames - 1; ++i) {
        EXPECT_EQ(result.keys[i] & PILOT_STEER_KEYS, PILOT_LEFT | PILOT_UP);
        Frame(result.keys[i]);
        ASSERT_EQ(game_state, STATE_PLAYING) << "crashed early, at frame " << i + 1;
    }
    Frame(result.keys[result.frames - 1]);
    EXPECT_EQ(game_state, STATE_DYING);
}

}  // namespace
