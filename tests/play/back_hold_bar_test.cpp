// The bar over play that fills while the pad's back is held, naming the
// button bound to it.
#include "app/frame_clock.h"
#include "input/bindings.h"
#include "platform/headless/headless_video.h"
#include "play_fixture.h"
#include "shown_text.h"

namespace {

constexpr int BAR_LEFT = 220;
constexpr int BAR_WIDTH = 200;
constexpr int BAR_ROW = 44;
constexpr int LABEL_Y = 20;

bool WhiteAt(int x, int y)
{
    return IsWhite(HeadlessFrameColour(HeadlessLastFrame(), x, y), 0);
}

// The bar's white part, in pixels from its left end.
int BarFilled()
{
    int filled = 0;
    while (filled < BAR_WIDTH && WhiteAt(BAR_LEFT + filled, BAR_ROW)) filled += 1;
    return filled;
}

void PadFrame(unsigned buttons)
{
    const PlatformGamepad pad{buttons, 0, 0};
    HeadlessSetGamepad(&pad);
    AppFrame();
}

}  // namespace

TEST_F(PlayTest, BackHeldOnThePadFillsABarInStepWithTheTimeNamingItsButton)
{
    BindButton(ACTION_BACK, GAMEPAD_LEFT_SHOULDER);
    StartGame();
    PadFrame(0);
    EXPECT_FALSE(ShowsText("Hold LB to leave the game", 220, LABEL_Y, IsWhite));
    EXPECT_EQ(BarFilled(), 0);
    PadFrame(GAMEPAD_LEFT_SHOULDER);
    int frames = 0;
    for (; frames < 30; ++frames) {
        PadFrame(GAMEPAD_LEFT_SHOULDER);
        const int ms = (frames + 1) * static_cast<int>(FRAME_PERIOD_MS);
        EXPECT_EQ(BarFilled(), BAR_WIDTH * ms / 1000) << ms << " ms";
    }
    EXPECT_TRUE(ShowsText("Hold LB to leave the game", 220, LABEL_Y, IsWhite));
    EXPECT_FALSE(WhiteAt(BAR_LEFT + BAR_WIDTH, BAR_ROW)) << "the bar's frame";
    PadFrame(0);
    EXPECT_EQ(BarFilled(), 0);
    EXPECT_FALSE(ShowsText("Hold LB to leave the game", 220, LABEL_Y, IsWhite));
    HeadlessSetGamepad(nullptr);
}
