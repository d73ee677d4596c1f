// The fade to black keeps its 80 steps of 12 ms when the machine is slow:
// steps that come too late go unshown, but every step still counts, and the
// last one is shown with the exact final palette.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

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

// Entry i before or after the fade as red, green, blue and flags; entry 0,
// the background, the fade to black leaves as it is.
std::vector<int> Entry(int i, bool faded)
{
    if (i == 0) return {200, 9, 100, 0};
    std::vector<int> entry;
    for (int c = 0; c < 3; ++c) {
        const Channel& channel = CHANNELS[(i + c) % CHANNEL_COUNT];
        entry.push_back(faded ? channel.after : channel.before);
    }
    entry.push_back(PC_EXPLICIT);
    return entry;
}

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
        PaletteEntry entries[PALETTE_SIZE];
        for (int i = 0; i < PALETTE_SIZE; ++i) {
            const std::vector<int> e = Entry(i, false);
            entries[i] = PaletteEntry{uint8_t(e[0]), uint8_t(e[1]), uint8_t(e[2]), uint8_t(e[3])};
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
        EXPECT_LE(shown, 80);
        EXPECT_EQ(shown == 80, c.every_step_shown) << shown;

        PaletteEntry after[PALETTE_SIZE];
        GetPalette(after);
        const HeadlessFrame* last = HeadlessLastFrame();
        ASSERT_NE(last, nullptr);
        for (int i = 0; i < PALETTE_SIZE; ++i) {
            const std::vector<int> expected = Entry(i, true);
            EXPECT_EQ((std::vector<int>{after[i].red, after[i].green, after[i].blue, after[i].flags}), expected) << i;
            const PlatformColour& shown_colour = last->palette[i];
            EXPECT_EQ((std::vector<int>{shown_colour.red, shown_colour.green, shown_colour.blue}),
                      std::vector<int>(expected.begin(), expected.begin() + 3))
                << "the last step is shown, entry " << i;
        }
    }
}
