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

int PaintBurstThenEscape(unsigned turn)
{
    turns_seen = turn + 1;
    if (turn == 0) {
        for (int i = 0; i < 5; ++i) PlatformPostMessage(WM_PAINT, 0);
    }
    const int escape = DIK_ESCAPE;
    HeadlessHoldKeys(&escape, turn == 10 ? 1 : 0);
    return 0;
}

}  // namespace

TEST(MessageLoop, OneMessageATurnWithAFrameEachAndEscapeEndsTheLoopWithCodeZeroAfterShutDown)
{
    HeadlessSetTurnHook(PaintBurstThenEscape);
    HeadlessSetTicks(50000);
    EXPECT_EQ(WinMain(), 0);
    // Five paint messages take five turns, each of them a full frame; turn
    // 10 reads Escape and posts the destroy message, turn 11 turns it into
    // the quit message and fades, turn 12 takes the quit message.
    EXPECT_EQ(turns_seen, 13u);
    EXPECT_GE(HeadlessGetTicks() - 50000, 12u * 30u);
    EXPECT_EQ(game_state, STATE_CLOSING);
    EXPECT_EQ(keyboard_device, 0) << "shut-down closed the keyboard";
}
