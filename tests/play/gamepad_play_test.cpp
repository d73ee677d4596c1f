// Play on the pad alone, with no keyboard: real frames from the main menu
// through play and back, and the bar that fills while back is held.
#include "app/frame_clock.h"
#include "app/pause.h"
#include "input/bindings.h"
#include "input/gamepad.h"
#include "platform/headless/headless_video.h"
#include "platform/window.h"
#include "play_fixture.h"
#include "shown_text.h"

namespace {

constexpr int BAR_LEFT = 220;
constexpr int BAR_WIDTH = 200;
constexpr int BAR_ROW = 44;

// The bar's white part, in pixels from its left end, up to its frame.
int BarFilled()
{
    int filled = 0;
    while (filled <= BAR_WIDTH && IsWhite(HeadlessFrameColour(HeadlessLastFrame(), BAR_LEFT + filled, BAR_ROW), 0)) {
        filled += 1;
    }
    return filled;
}

bool ShowsBarLabel()
{
    return ShowsText("Hold LB to leave the game", 220, 20, IsWhite);
}

class GamepadPlayTest : public PlayTest {
protected:
    void SetUp() override
    {
        HeadlessSetKeyboardPresent(0);
        PlayTest::SetUp();
    }

    void TearDown() override
    {
        PlayTest::TearDown();
        HeadlessSetKeyboardPresent(1);
        HeadlessSetGamepad(nullptr);
    }

    static void Pad(unsigned buttons, int stick_x = 0, int stick_y = 0)
    {
        const PlatformGamepad pad{buttons, stick_x, stick_y};
        HeadlessSetGamepad(&pad);
        AppFrame();
    }

    // Start on the main menu, then the difficulty's button, the frames that
    // set up the game and the life, and a first frame of play.
    static void StartOnPad(unsigned difficulty_button)
    {
        for (unsigned buttons : {GAMEPAD_START, 0u, difficulty_button, 0u, 0u, 0u}) Pad(buttons);
        ASSERT_EQ(game_state, STATE_PLAYING);
    }

    // Holds the buttons until play is left, or for at most two seconds;
    // returns the milliseconds they were held.
    static uint32_t HoldUntilPlayIsLeft(unsigned buttons)
    {
        const uint32_t start = HeadlessGetTicks();
        while (game_state == STATE_PLAYING && HeadlessGetTicks() - start < 2000) Pad(buttons);
        return HeadlessGetTicks() - start;
    }
};

}  // namespace

TEST_F(GamepadPlayTest, BoundBackLeavesOnlyOnceHeldASecondFillingABarThatNamesIt)
{
    BindButton(ACTION_BACK, GAMEPAD_LEFT_SHOULDER);
    StartOnPad(GAMEPAD_X);
    EXPECT_GE(HoldUntilPlayIsLeft(GAMEPAD_B), 2000u) << "B no longer leaves";
    Pad(0);
    EXPECT_EQ(BarFilled(), 0);
    EXPECT_FALSE(ShowsBarLabel());
    Pad(GAMEPAD_LEFT_SHOULDER);
    for (int ms = FRAME_PERIOD_MS; ms < 900; ms += FRAME_PERIOD_MS) {
        Pad(GAMEPAD_LEFT_SHOULDER);
        EXPECT_EQ(BarFilled(), BAR_WIDTH * ms / 1000) << ms << " ms";
    }
    EXPECT_TRUE(ShowsBarLabel());
    Pad(0);
    EXPECT_EQ(game_state, STATE_PLAYING) << "let go before the second was up";
    EXPECT_EQ(BarFilled(), 0);
    EXPECT_FALSE(ShowsBarLabel());

    const uint32_t held = HoldUntilPlayIsLeft(GAMEPAD_LEFT_SHOULDER);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_GE(held, static_cast<uint32_t>(PAD_BACK_HOLD_MS));
    EXPECT_LT(held, static_cast<uint32_t>(PAD_BACK_HOLD_MS + 2 * FRAME_PERIOD_MS));
}

TEST_F(GamepadPlayTest, ButtonHeldIntoTheNextScreenActsThereOnlyOncePressedAgain)
{
    for (unsigned buttons : {GAMEPAD_START, 0u, GAMEPAD_A, GAMEPAD_A, GAMEPAD_A, GAMEPAD_A}) Pad(buttons);
    ASSERT_EQ(game_state, STATE_PLAYING);
    EXPECT_EQ(fire_cooldown, FIRE_INTERVAL) << "the A that chose medium does not fire";
    Pad(0);
    Pad(GAMEPAD_A);
    EXPECT_EQ(fire_cooldown, 0);
    BindButton(ACTION_BACK, GAMEPAD_BACK);
    HoldUntilPlayIsLeft(GAMEPAD_BACK);
    Pad(GAMEPAD_BACK);
    EXPECT_EQ(game_state, STATE_MAIN_MENU) << "the Back that left play does not quit";
    Pad(0);
    Pad(GAMEPAD_BACK);
    EXPECT_EQ(game_state, STATE_QUIT);
}

TEST_F(GamepadPlayTest, StartPausesAndResumesAndAStickHeldWhenFocusReturnsOnlyWhenPushedAgain)
{
    StartOnPad(GAMEPAD_X);
    Pad(GAMEPAD_START);
    EXPECT_EQ(play_paused, PAUSE_BY_KEY);
    Pad(GAMEPAD_START | GAMEPAD_DPAD_UP);
    EXPECT_EQ(scroll_speed, 0) << "held Start neither resumes nor lets play run";
    Pad(0);
    Pad(GAMEPAD_START);
    EXPECT_EQ(play_paused, PAUSE_NONE);

    Pad(0, 0, GAMEPAD_AXIS_MIN);
    MainWindowProc(WM_KILLFOCUS, 0);
    Pad(0, 0, GAMEPAD_AXIS_MIN);
    ASSERT_EQ(play_paused, PAUSE_BY_FOCUS);
    MainWindowProc(WM_SETFOCUS, 0);
    Pad(0, 0, GAMEPAD_AXIS_MIN);
    EXPECT_EQ(play_paused, PAUSE_BY_FOCUS);
    Pad(0, 0, GAMEPAD_DEAD_ZONE);
    Pad(0, 0, -GAMEPAD_DEAD_ZONE - 1);
    EXPECT_EQ(play_paused, PAUSE_NONE);
}
