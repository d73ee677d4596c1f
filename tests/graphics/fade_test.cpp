// The fade to black keeps its 80 steps of 12 ms when the machine is slow:
// steps that come too late go unshown, but every step still counts, and the
// last one is shown with the exact final palette.
#include "app/frame_clock.h"
#include "graphics/transition.h"
#include "graphics_fixture.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_video.h"

TEST_F(GraphicsTest, FadeKeepsItsLengthAndEndsOnItsExactPaletteWhenSleepsOverrun)
{
    // Each channel drops by 3 a step unless it is 4 or less, when it becomes
    // 0; entry 0, the background, stays as it is.
    const uint8_t before[] = {200, 255, 245, 244, 243, 100, 4};
    const uint8_t after[] = {200, 15, 5, 4, 3, 0, 0};
    // Sleeps up to 10 ms late still leave each step in its time; later ones
    // leave steps behind, and the fade catches up by not showing those.
    for (const uint32_t overshoot : {0u, 5u, 20u, 45u}) {
        SCOPED_TRACE(testing::Message() << "sleeps " << overshoot << " ms late");
        PaletteEntry entries[PALETTE_SIZE] = {};
        for (int i = 0; i < 7; ++i) entries[i] = PaletteEntry{before[i], 9, before[i], PC_EXPLICIT};
        SetPalette(entries);
        HeadlessSetSleepOvershoot(overshoot);
        const uint32_t start = HeadlessGetTicks();
        const int shown_before = HeadlessShownCount();

        ScreenTransition(TRANSITION_FADE_BLACK, nullptr, 0);

        const uint32_t length = HeadlessGetTicks() - start;
        EXPECT_GE(length, 80u * 12);
        EXPECT_LE(length, 80u * 12 * 11 / 10);
        EXPECT_EQ(clock_start, start + 79 * 12) << "the frame waits from the last step";
        const int shown = HeadlessShownCount() - shown_before;
        EXPECT_EQ(shown == 80, overshoot <= 10) << shown;
        EXPECT_LE(shown, 80);
        GetPalette(entries);
        const HeadlessFrame* last = HeadlessLastFrame();
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ((std::vector<int>{entries[i].red, entries[i].green, entries[i].blue}),
                      (std::vector<int>{after[i], i == 0 ? 9 : 0, after[i]})) << i;
            EXPECT_EQ(last->palette[i].red, after[i]) << "the last step is shown, entry " << i;
        }
    }
}
