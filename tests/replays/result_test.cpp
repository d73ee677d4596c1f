// The result a replay ends with shows the level as the heads-up display does,
// and a finished game's tenth level rather than an eleventh.
#include <gtest/gtest.h>

#include "app/game_state.h"
#include "replays/demo_play.h"

TEST(ReplayResult, TheLevelIsTheOneShownAndAFinishedGameStaysAtTheTenth)
{
    struct Case {
        int state, level, lives;
        DemoResult expected;
    };
    const Case cases[] = {
        {STATE_GAME_OVER, 0, -1, DemoResult{1, 1234, -1, 77, false}},
        {STATE_GAME_OVER, 9, -1, DemoResult{10, 1234, -1, 77, false}},
        {STATE_GAME_FINISHED, 10, 2, DemoResult{10, 1234, 2, 77, true}},
        {STATE_MAIN_MENU, 10, 3, DemoResult{10, 1234, 3, 77, false}},
    };
    for (const Case& c : cases) {
        game_state = c.state;
        level = c.level;
        lives = c.lives;
        score = 1234;
        EXPECT_EQ(FormatDemoResult(CurrentResult(77)), FormatDemoResult(c.expected));
    }
}
