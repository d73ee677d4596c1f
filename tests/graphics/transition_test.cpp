// Fades step by step on the palette, line wipes and the dissolve, and the
// clipped line primitives under them.
#include <cstring>
#include <vector>

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
    entries[7] = PaletteEntry{255, 255, 255, 4};
    entries[8] = PaletteEntry{242, 243, 4, 0};
    SetPalette(entries);
}

}  // namespace

TEST_F(TransitionTest, FadeToBlackTakesEightyVisibleStepsAndKeepsEntryZero)
{
    InstallRamp();
    PaletteEntry before[PALETTE_SIZE];
    GetPalette(before);
    const int shown = HeadlessShownCount();
    const uint32_t start = HeadlessGetTicks();
    ScreenTransition(TRANSITION_FADE_BLACK, nullptr, 0);
    EXPECT_EQ(HeadlessShownCount(), shown + 80) << "every step is shown as it is installed";
    EXPECT_GE(HeadlessGetTicks() - start, 80u * 12u);
    EXPECT_EQ(palette[0].green, 255) << "entry 0 is not faded";
    EXPECT_EQ(palette[7].red, 15);
    EXPECT_EQ(palette[7].blue, 15);
    EXPECT_EQ(palette[7].flags, 4);
    EXPECT_EQ(palette[8].red, 2) << "242 - 80 * 3";
    EXPECT_EQ(palette[8].green, 3);
    EXPECT_EQ(palette[8].blue, 0) << "4 or less becomes 0";
    for (int i = 1; i < PALETTE_SIZE; ++i) EXPECT_EQ(palette[i].flags, before[i].flags);
}

TEST_F(TransitionTest, FadesToColoursReachTheirEndValues)
{
    struct Case {
        unsigned mode;
        uint8_t red, green, blue;
    };
    const Case cases[] = {{TRANSITION_FADE_WHITE, 255, 255, 255},
                          {TRANSITION_FADE_BLUE, 0, 0, 255},
                          {TRANSITION_FADE_RED, 255, 0, 0},
                          {TRANSITION_FADE_GREEN, 0, 255, 0}};
    for (const Case& c : cases) {
        InstallRamp();
        const int shown = HeadlessShownCount();
        ScreenTransition(c.mode, nullptr, 0);
        EXPECT_EQ(HeadlessShownCount(), shown + 64) << c.mode;
        for (int i = 0; i < PALETTE_SIZE; ++i) {
            ASSERT_EQ(palette[i].red, c.red) << c.mode << " entry " << i;
            ASSERT_EQ(palette[i].green, c.green) << c.mode << " entry " << i;
            ASSERT_EQ(palette[i].blue, c.blue) << c.mode << " entry " << i;
            ASSERT_EQ(palette[i].flags, i == 7 ? 4 : (i == 8 ? 0 : i % 3));
        }
    }
}

TEST_F(TransitionTest, UnknownModesChangeNothing)
{
    InstallRamp();
    const int shown = HeadlessShownCount();
    const uint32_t start = HeadlessGetTicks();
    ScreenTransition(9, nullptr, 0);
    ScreenTransition(0xFFFFFFFFu, nullptr, 0);
    EXPECT_EQ(HeadlessShownCount(), shown);
    EXPECT_EQ(HeadlessGetTicks(), start);
    EXPECT_EQ(palette[7].red, 255);
}

TEST_F(TransitionTest, LineWipesPaintTheWholeScreenBlack)
{
    for (unsigned mode : {TRANSITION_CLOSE_SIDES, TRANSITION_CLOSE_TOP_BOTTOM,
                          TRANSITION_CLOSE_ALL, TRANSITION_DISSOLVE}) {
        std::vector<unsigned char> memory(640 * 480, 5);
        const uint32_t start = HeadlessGetTicks();
        ScreenTransition(mode, memory.data(), 640);
        int left = 0;
        for (unsigned char v : memory) left += v != 0;
        if (mode == TRANSITION_DISSOLVE) {
            EXPECT_LT(left, 640 * 480 / 20) << "four random pixels a place leave few";
        } else {
            EXPECT_EQ(left, 0) << mode;
            const uint32_t steps = mode == TRANSITION_CLOSE_TOP_BOTTOM ? 120 : 160;
            EXPECT_GE(HeadlessGetTicks() - start, steps * 12) << mode;
        }
    }
}

TEST_F(TransitionTest, WipesDrawSixteenBitPixelsAndNothingAtOtherDepths)
{
    std::vector<uint16_t> wide(640 * 480, 0x1234);
    ScreenTransition(TRANSITION_CLOSE_SIDES, reinterpret_cast<unsigned char*>(wide.data()), 1280);
    screen_bpp = 16;
    ScreenTransition(TRANSITION_CLOSE_TOP_BOTTOM, reinterpret_cast<unsigned char*>(wide.data()),
                     1280);
    int left = 0;
    for (uint16_t v : wide) left += v != 0;
    EXPECT_EQ(left, 0);

    screen_bpp = 24;
    std::vector<unsigned char> memory(640 * 480, 5);
    const uint32_t start = HeadlessGetTicks();
    ScreenTransition(TRANSITION_CLOSE_SIDES, memory.data(), 640);
    ScreenTransition(TRANSITION_DISSOLVE, memory.data(), 640);
    EXPECT_GE(HeadlessGetTicks() - start, 160u * 12u) << "the wipe still waits its steps";
    for (unsigned char v : memory) ASSERT_EQ(v, 5);
}

TEST(LinePrimitives, HorizontalLinesAreOrderedAndClipped)
{
    std::vector<unsigned char> memory(640 * 480, 1);
    EXPECT_EQ(HLine8(700, -5, 0, 0x1FF, memory.data(), 640), 1);
    for (int x = 0; x < 640; ++x) ASSERT_EQ(memory[x], 0xFF);
    EXPECT_EQ(memory[640], 1);
    EXPECT_EQ(HLine8(10, 12, 480, 7, memory.data(), 640), 0);
    EXPECT_EQ(HLine8(10, 12, -1, 7, memory.data(), 640), 0);
    EXPECT_EQ(HLine8(640, 700, 5, 7, memory.data(), 640), 0);
    EXPECT_EQ(HLine8(-9, -1, 5, 7, memory.data(), 640), 0);
    EXPECT_EQ(HLine8(5, 5, 5, 7, memory.data(), 640), 1);
    EXPECT_EQ(memory[5 * 640 + 5], 7);
    EXPECT_EQ(memory[5 * 640 + 4], 1);
    EXPECT_EQ(memory[5 * 640 + 6], 1);

    clip_min_x = 100;
    clip_max_x = 102;
    HLine8(0, 639, 6, 9, memory.data(), 640);
    EXPECT_EQ(memory[6 * 640 + 99], 1);
    EXPECT_EQ(memory[6 * 640 + 100], 9);
    EXPECT_EQ(memory[6 * 640 + 102], 9);
    EXPECT_EQ(memory[6 * 640 + 103], 1);
}

TEST(LinePrimitives, VerticalLinesAreOrderedAndClipped)
{
    std::vector<unsigned char> memory(640 * 480, 1);
    EXPECT_EQ(VLine8(1000, -100, 3, 0, memory.data(), 640), 1);
    for (int y = 0; y < 480; ++y) ASSERT_EQ(memory[y * 640 + 3], 0);
    EXPECT_EQ(memory[2], 1);
    EXPECT_EQ(VLine8(0, 479, 640, 0, memory.data(), 640), 0);
    EXPECT_EQ(VLine8(0, 479, -1, 0, memory.data(), 640), 0);
    EXPECT_EQ(VLine8(480, 500, 5, 0, memory.data(), 640), 0);
    EXPECT_EQ(memory[479 * 640 + 5], 1);
}

TEST(LinePrimitives, SixteenBitLinesAndUnclippedPixels)
{
    std::vector<uint16_t> memory(640 * 480, 1);
    auto* bytes = reinterpret_cast<unsigned char*>(memory.data());
    EXPECT_EQ(HLine16(-5, 700, 2, 0x12345, bytes, 1280), 1);
    EXPECT_EQ(memory[2 * 640 + 0], 0x2345);
    EXPECT_EQ(memory[2 * 640 + 639], 0x2345);
    EXPECT_EQ(memory[3 * 640], 1);
    EXPECT_EQ(VLine16(-5, 700, 9, 0xABCD, bytes, 1280), 1);
    EXPECT_EQ(memory[479 * 640 + 9], 0xABCD);
    EXPECT_EQ(VLine16(0, 10, 640, 7, bytes, 1280), 0);
    EXPECT_EQ(PlotPixel16(4, 5, 0x777, bytes, 1280), 1);
    EXPECT_EQ(memory[5 * 640 + 4], 0x777);

    std::vector<unsigned char> wide(1000 * 10, 1);
    EXPECT_EQ(PlotPixel8(900, 3, 0x142, wide.data(), 1000), 1) << "no clipping: x 900 is written";
    EXPECT_EQ(wide[3 * 1000 + 900], 0x42);
}
