#include <gtest/gtest.h>

#include "app_fixture.h"
#include "input/key_codes.h"
#include "platform/window.h"

namespace {

int TakeMessage()
{
    PlatformMessage msg{0, 0};
    return PlatformPeekMessage(&msg) ? msg.message : 0;
}

}  // namespace

TEST_F(AppTest, EscapeOnMainMenuQuitsAndPostsDestroy)
{
    Frame({DIK_ESCAPE, DIK_N, DIK_I});
    EXPECT_EQ(game_state, STATE_QUIT);
    EXPECT_EQ(TakeMessage(), WM_DESTROY);
    Frame();
    EXPECT_EQ(game_state, STATE_CLOSING);
    Frame({DIK_N});
    EXPECT_EQ(game_state, STATE_CLOSING);
}

TEST_F(AppTest, MainMenuKeysInPriorityOrder)
{
    Frame({DIK_N, DIK_I});
    EXPECT_EQ(game_state, STATE_NEW_GAME_MENU);
    Frame({DIK_BACK});
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    Frame({DIK_I});
    EXPECT_EQ(game_state, STATE_INSTRUCTIONS);
    Frame({DIK_ESCAPE});
    EXPECT_EQ(game_state, STATE_INSTRUCTIONS) << "Escape acts only on the main menu";
    Frame({DIK_BACK});
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    Frame({DIK_BACK, DIK_E});
    EXPECT_EQ(game_state, STATE_MAIN_MENU) << "Backspace does nothing on the main menu";
    EXPECT_EQ(TakeMessage(), 0);
}

TEST_F(AppTest, NewGameMenuChoosesDifficulty)
{
    struct Case {
        std::vector<int> keys;
        int expected;
    };
    const Case cases[] = {
        {{DIK_E, DIK_M, DIK_D}, 0},
        {{DIK_M, DIK_D}, 1},
        {{DIK_D}, 2},
    };
    for (const Case& c : cases) {
        game_state = STATE_NEW_GAME_MENU;
        difficulty = -1;
        Frame(c.keys);
        EXPECT_EQ(game_state, STATE_NEW_GAME);
        EXPECT_EQ(difficulty, c.expected);
    }
    game_state = STATE_NEW_GAME_MENU;
    Frame({DIK_BACK, DIK_E});
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_EQ(difficulty, 2) << "leaving the menu keeps the last choice";
}

TEST_F(AppTest, NewGameRunsThroughLifeStartIntoPlay)
{
    game_state = STATE_NEW_GAME_MENU;
    Frame({DIK_M});
    Frame();
    EXPECT_EQ(game_state, STATE_START_LIFE);
    Frame();
    EXPECT_EQ(game_state, STATE_PLAYING);
}

TEST_F(AppTest, EndScreensReturnToMenuOnBackspaceOnly)
{
    for (int state : {STATE_GAME_OVER, STATE_GAME_FINISHED, STATE_INSTRUCTIONS}) {
        game_state = state;
        Frame({DIK_ESCAPE, DIK_N});
        EXPECT_EQ(game_state, state);
        Frame({DIK_BACK});
        EXPECT_EQ(game_state, STATE_MAIN_MENU);
    }
}

TEST_F(AppTest, StatesWithoutHandlerOnlyWaitOutTheFrame)
{
    for (int state : {3, 8, 13, -1, 1000}) {
        game_state = state;
        const uint32_t before = HeadlessGetTicks();
        Frame({DIK_ESCAPE, DIK_BACK, DIK_N});
        EXPECT_EQ(game_state, state);
        EXPECT_GE(HeadlessGetTicks() - before, 30u);
    }
    EXPECT_EQ(TakeMessage(), 0);
}
