// Keys bound to other actions, through real frames: play reads its actions
// from the bound keys alone, its pause says which they are, and the menus
// keep their own keys whatever is bound.
#include <cstring>

#include "app/pause.h"
#include "input/bindings.h"
#include "play_fixture.h"
#include "platform/window.h"
#include "shown_text.h"

namespace {

// The pause's second line, centred under PAUSED.
bool ShowsPauseHint(const char* hint)
{
    return ShowsText(hint, 320 - 4 * static_cast<int>(std::strlen(hint)), 256, IsWhite);
}

}  // namespace

TEST_F(PlayTest, PlayReadsTheBoundKeysAndNotTheOldOnesWhileMenusKeepTheirOwn)
{
    BindKey(ACTION_FIRE, DIK_LCONTROL);
    BindKey(ACTION_STEER_LEFT, DIK_N);
    BindKey(ACTION_BACK, DIK_I);
    Frame({DIK_I});
    EXPECT_EQ(game_state, STATE_INSTRUCTIONS) << "I, bound to back, still shows the instructions";
    Frame();
    Frame({DIK_BACK});
    EXPECT_EQ(game_state, STATE_MAIN_MENU) << "Backspace still goes back from a menu";
    Frame();
    StartGame();
    Frame({DIK_SPACE, DIK_LEFT});
    EXPECT_EQ(fire_cooldown, FIRE_INTERVAL) << "Space no longer fires";
    EXPECT_EQ(player_dx, 0) << "Left no longer steers";
    Frame({DIK_LCONTROL, DIK_N});
    EXPECT_EQ(fire_cooldown, 0);
    EXPECT_EQ(player_dx, -PLAYER_STEP);
    Frame({DIK_BACK});
    EXPECT_EQ(game_state, STATE_PLAYING) << "Backspace no longer leaves play";
    Frame({DIK_I});
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
}

TEST_F(PlayTest, PauseNamesTheBoundKeysAndButtonAndTheyEndIt)
{
    BindKey(ACTION_PAUSE, DIK_F1);
    BindButton(ACTION_PAUSE, GAMEPAD_RIGHT_SHOULDER);
    StartGame();
    Frame({DIK_P});
    EXPECT_EQ(play_paused, PAUSE_NONE) << "P no longer pauses";
    Frame({DIK_F1});
    ASSERT_EQ(play_paused, PAUSE_BY_KEY);
    EXPECT_TRUE(ShowsPauseHint("Press F1 or RB to go on"));
    Frame();
    Frame({DIK_F1});
    EXPECT_EQ(play_paused, PAUSE_NONE);

    MainWindowProc(WM_KILLFOCUS, 0);
    Frame();
    EXPECT_TRUE(ShowsPauseHint("Press F1, RB or an arrow to go on"));
    MainWindowProc(WM_SETFOCUS, 0);
    Frame({DIK_F1});
    EXPECT_EQ(play_paused, PAUSE_NONE);

    BindKey(ACTION_SLOWER, DIK_S);
    MainWindowProc(WM_KILLFOCUS, 0);
    Frame();
    EXPECT_TRUE(ShowsPauseHint("Press F1, RB or a steering key to go on"));
    MainWindowProc(WM_SETFOCUS, 0);
    Frame({DIK_DOWN});
    EXPECT_EQ(play_paused, PAUSE_BY_FOCUS) << "Down no longer flies";
    Frame({DIK_S});
    EXPECT_EQ(play_paused, PAUSE_NONE);
}
