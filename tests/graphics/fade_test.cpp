// The fade to black keeps its 80 steps of 12 ms when the machine is slow:
// steps that come too late go unshown, but every step still counts, and the
// last one is shown with the exact final palette.
#include <gtest/gtest.h>

#include <cstdint>

#include "graphics_fixture.h"
#include "app/frame_clock.h"
#include "graphics/display.h"
#include "graphics/transition.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_video.h"

namespace {

constexpr uint32_t ORIGINAL_FADE_MS = 80 * 12;

struct Channel {
    uint8_t before;
    uint8_t after;
};

// Each drops by 3 a step unless it is 4 or less, when it becomes 0.
constexpr Channel CHANNELS[] = {{255, 15}, {245, 5}, {244, 4}, {243, 3},
                                {242, 2},  {100, 0}, {5, 0},   {4, 0}};
constexpr int CHANNEL_COUNT = sizeof CHANNELS / sizeof CHANNELS[0];

using FadeTest = GraphicsTest;

}  // namespace

TEST_F(FadeTest, FadeKeepsItsLengthAndEndsOnItsExactPaletteWhenSleepsOverrun)
{
    struct Case {
        uint32_t overshoot;
        bool every_step_shown;
    };
    // Sleeps up to 10 ms late still leave each step in its time; later ones
    // leave steps behind, and the fade catches up by not showing those.
    const Case cases[] = {{0, true}, {5, true}, {20, false}, {45, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "sleeps " << c.overshoot << " ms late");
        PaletteEntry entries[PALETTE_SIZE] = {};
        entries[0] = PaletteEntry{200, 9, 100, 0};
        for (int i = 1; i < PALETTE_SIZE; ++i) {
            const Channel& ch = CHANNELS[i % CHANNEL_COUNT];
            entries[i] = PaletteEntry{ch.before, CHANNELS[(i + 1) % CHANNEL_COUNT].before,
                                      CHANNELS[(i + 2) % CHANNEL_COUNT].before, PC_EXPLICIT};
        }
        SetPalette(entries);
        HeadlessSetSleepOvershoot(c.overshoot);
        const uint32_t start = HeadlessGetTicks();
        const int shown_before = HeadlessShownCount();

        ScreenTransition(TRANSITION_FADE_BLACK, nullptr, 0);

        const uint32_t length = HeadlessGetTicks() - start;
        EXPECT_GE(length, ORIGINAL_FADE_MS);
        EXPECT_LE(length, ORIGINAL_FADE_MS * 11 / 10);
        EXPECT_EQ(clock_start, start + ORIGINAL_FADE_MS - 12) << "the frame waits from the last step";
        const int shown = HeadlessShownCount() - shown_before;
        if (c.every_step_shown) {
            EXPECT_EQ(shown, 80);
        } else {
            EXPECT_LT(shown, 80);
        }

        PaletteEntry after[PALETTE_SIZE];
        GetPalette(after);
        const HeadlessFrame* last = HeadlessLastFrame();
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(after[0].red, 200);
        EXPECT_EQ(after[0].green, 9);
        EXPECT_EQ(after[0].blue, 100);
        for (int i = 1; i < PALETTE_SIZE; ++i) {
            SCOPED_TRACE(testing::Message() << "entry " << i);
            const uint8_t red = CHANNELS[i % CHANNEL_COUNT].after;
            const uint8_t green = CHANNELS[(i + 1) % CHANNEL_COUNT].after;
            const uint8_t blue = CHANNELS[(i + 2) % CHANNEL_COUNT].after;
            EXPECT_EQ(after[i].red, red);
            EXPECT_EQ(after[i].green, green);
            EXPECT_EQ(after[i].blue, blue);
            EXPECT_EQ(after[i].flags, PC_EXPLICIT);
            EXPECT_EQ(last->palette[i].red, red) << "the last step is shown";
            EXPECT_EQ(last->palette[i].green, green);
            EXPECT_EQ(last->palette[i].blue, blue);
        }
    }
}
