// The real message loop, driven turn by turn through the headless backend.
#include <gtest/gtest.h>

#include "app/game_state.h"
#include "app/shell.h"
#include "input/key_codes.h"
#include "input/keyboard.h"
#include "platform/headless/headless.h"
#include "platform/window.h"

namespace {

unsigned turns_seen = 0;
unsigned escape_turn = 0;

int PressEscapeOnce(unsigned turn)
{
    turns_seen = turn + 1;
    const int escape = DIK_ESCAPE;
    if (turn == escape_turn) {
        HeadlessHoldKeys(&escape, 1);
    } else {
        HeadlessReleaseAllKeys();
    }
    return 0;
}

int RequestCloseOnce(unsigned turn)
{
    turns_seen = turn + 1;
    if (turn == 3) PlatformRequestClose();
    return 0;
}

int PaintBurstThenEscape(unsigned turn)
{
    turns_seen = turn + 1;
    if (turn == 0) {
        for (int i = 0; i < 5; ++i) PlatformPostMessage(WM_PAINT, 0);
    }
    const int escape = DIK_ESCAPE;
    if (turn == 10) {
        HeadlessHoldKeys(&escape, 1);
    } else {
        HeadlessReleaseAllKeys();
    }
    return 0;
}

}  // namespace

TEST(MessageLoop, EscapeOnMainMenuEndsTheLoopWithCodeZeroAfterShutDown)
{
    escape_turn = 4;
    HeadlessSetTurnHook(PressEscapeOnce);
    EXPECT_EQ(WinMain(), 0);
    // Turn 4 reads Escape and posts the destroy message, turn 5 turns it into
    // the quit message and fades, turn 6 takes the quit message.
    EXPECT_EQ(turns_seen, 7u);
    EXPECT_EQ(game_state, STATE_CLOSING);
    EXPECT_EQ(keyboard_device, 0) << "shut-down closed the keyboard";
}

TEST(MessageLoop, CloseRequestQuitsTheSameWayFromAnyState)
{
    game_state = STATE_PLAYING;
    HeadlessSetTurnHook(RequestCloseOnce);
    EXPECT_EQ(WinMain(), 0);
    EXPECT_EQ(game_state, STATE_CLOSING);
    EXPECT_EQ(keyboard_device, 0);
}

TEST(MessageLoop, OneMessageIsTakenPerTurnAndFramesKeepRunning)
{
    HeadlessSetTurnHook(PaintBurstThenEscape);
    const uint32_t start = 50000;
    HeadlessSetTicks(start);
    EXPECT_EQ(WinMain(), 0);
    // Five paint messages take five turns, each of them a full frame.
    EXPECT_EQ(turns_seen, 13u);
    EXPECT_GE(HeadlessGetTicks() - start, 12u * 30u);
}

namespace {

int frames_run = 0;

int StopAfterThreeFrames(unsigned turn)
{
    frames_run = static_cast<int>(turn);
    return turn == 3;
}

}  // namespace

TEST(MessageLoop, ScriptedQuitEndsTheLoopBeforeAnotherFrame)
{
    HeadlessSetTurnHook(StopAfterThreeFrames);
    HeadlessSetTicks(0);
    EXPECT_EQ(WinMain(), 0);
    EXPECT_EQ(frames_run, 3);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_GE(HeadlessGetTicks(), 90u);
    EXPECT_LT(HeadlessGetTicks(), 120u);
}
