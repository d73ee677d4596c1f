// Fades step by step on the palette.
#include "graphics/transition.h"
#include "graphics_fixture.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_video.h"

namespace {

using TransitionTest = GraphicsTest;

void InstallRamp()
{
    PaletteEntry entries[PALETTE_SIZE];
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        entries[i] = PaletteEntry{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), uint8_t(i % 3)};
    }
    entries[8] = PaletteEntry{242, 243, 4, 0};
    SetPalette(entries);
}

}  // namespace

TEST_F(TransitionTest, FadesTakeTheirShownStepsToTheirEndColours)
{
    struct Case {
        unsigned mode;
        int steps;
        // Entry 8 at the end.
        uint8_t red, green, blue;
    };
    // Black: 3 off each step, 4 or less becoming 0; entry 0 is kept.
    const Case cases[] = {{TRANSITION_FADE_BLACK, 80, 2, 3, 0},     {TRANSITION_FADE_WHITE, 64, 255, 255, 255},
                          {TRANSITION_FADE_BLUE, 64, 0, 0, 255},    {TRANSITION_FADE_RED, 64, 255, 0, 0},
                          {TRANSITION_FADE_GREEN, 64, 0, 255, 0},   {9, 0, 242, 243, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        InstallRamp();
        const int shown = HeadlessShownCount();
        const uint32_t start = HeadlessGetTicks();
        ScreenTransition(c.mode, nullptr, 0);
        EXPECT_EQ(HeadlessShownCount(), shown + c.steps) << "every step is shown as it is installed";
        EXPECT_GE(HeadlessGetTicks() - start, uint32_t(12 * c.steps));
        EXPECT_EQ(palette[8].red, c.red);
        EXPECT_EQ(palette[8].green, c.green);
        EXPECT_EQ(palette[8].blue, c.blue);
        EXPECT_EQ(palette[0].green, c.steps == 64 ? c.green : 255) << "the fade to black keeps entry 0";
        for (int i = 0; i < PALETTE_SIZE; ++i) ASSERT_EQ(palette[i].flags, i == 8 ? 0 : i % 3) << i;
    }
}
