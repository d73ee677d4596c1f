// What a run reports: the line at each level's end and end screen, the
// deaths counted on the way, and the fields of the trace line in order.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/game_state.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "tools/demo/run_report.h"

namespace {

class RunReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        out_ = std::tmpfile();
        ASSERT_NE(out_, nullptr);
    }
    void TearDown() override { std::fclose(out_); }

    // Sets the state and reports the frame.
    void Frame(unsigned frame, int state, bool trace = false)
    {
        game_state = state;
        ReportFrame(out_, frame, trace);
    }

    std::string Printed()
    {
        std::fflush(out_);
        std::rewind(out_);
        std::string text;
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, out_)) text += buffer;
        return text;
    }

    std::FILE* out_ = nullptr;
};

TEST_F(RunReport, OneLinePerLevelEndAndEndScreenWithDeathsSoFar)
{
    score = 0;
    lives = 3;
    fuel = 1000;
    level = 0;
    Frame(1, STATE_MAIN_MENU);
    Frame(2, STATE_NEW_GAME_MENU);
    Frame(3, STATE_START_LIFE);
    Frame(4, STATE_PLAYING);
    Frame(5, STATE_DYING);
    Frame(6, STATE_DYING);
    lives = 2;
    Frame(7, STATE_START_LIFE);
    Frame(8, STATE_PLAYING);
    score = 2300;
    fuel = 412;
    level = 1;  // the craft counts the level done as it reports it
    Frame(9, STATE_LEVEL_COMPLETE);
    lives = 3;
    fuel = 1000;
    Frame(10, STATE_START_LIFE);
    Frame(11, STATE_PLAYING);
    Frame(12, STATE_DYING);
    lives = -1;
    Frame(13, STATE_GAME_OVER);
    Frame(14, STATE_GAME_OVER);
    EXPECT_EQ(Printed(),
              "level-complete level 1 score 2300 ships 2 fuel 412 frames 9 deaths 1\n"
              "game-over level 2 score 2300 ships -1 fuel 1000 frames 13 deaths 2\n");
    EXPECT_EQ(ReportedDeaths(), 2);
}

TEST_F(RunReport, FinishedGameNamesTheTenthLevel)
{
    score = 123456;
    lives = 3;
    fuel = 77;
    level = 10;
    Frame(500, STATE_PLAYING);
    Frame(501, STATE_LEVEL_COMPLETE);
    Frame(502, STATE_GAME_FINISHED);
    EXPECT_EQ(Printed(),
              "level-complete level 10 score 123456 ships 3 fuel 77 frames 501 deaths 0\n"
              "game-finished level 10 score 123456 ships 3 fuel 77 frames 502 deaths 0\n");
}

TEST_F(RunReport, TraceLineFieldsInOrder)
{
    score = 4500;
    lives = 2;
    level = 3;
    fuel = 640;
    camera_y = 1234;
    craft.vars[VAR_WORLD_X] = 276;
    craft.vars[VAR_WORLD_Y] = 1500;
    scroll_speed = -4;
    boats[0].state = 1;
    boats[9].state = 1;
    jets[4].state = 1;
    cruisers[1].state = 0;
    missiles[0].state = 1;
    missiles[63].state = 1;
    missiles[5].state = 1;
    missiles[6].state = 0;
    fuel_depots[2].state = 1;
    bridge.state = 1;
    Frame(42, STATE_PLAYING, true);
    EXPECT_EQ(Printed(), "42 5 4500 2 3 640 1234 276 1500 -4 3 3 1 1\n");
}

}  // namespace
