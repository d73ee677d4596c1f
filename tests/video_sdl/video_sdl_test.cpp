// The SDL screen on SDL's dummy driver, written into the window's pixels and
// through SDL's software renderer: the front surface converted through the
// palette, scaled in either mode with its shape kept and black bars, shown
// again at once on a palette change or a fill of the visible surface, and a
// picture already shown not drawn again unless the window is uncovered.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "graphics/display.h"
#include "platform/sdl/sdl_window.h"
#include "platform/video.h"
#include "platform/window.h"
#include "tests/platform_sdl/sdl_events.h"

namespace {

// The renderer named in SDL_RENDER_DRIVER, or none for the window's pixels.
class VideoSdlTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        // The dummy driver's window pixels and its software renderer keep
        // the presented picture readable; a GL back buffer is undefined
        // after a present.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (GetParam()) {
            setenv("SDL_RENDER_DRIVER", GetParam(), 1);
        } else {
            unsetenv("SDL_RENDER_DRIVER");
        }
        ASSERT_EQ(PlatformOpenWindow("video test", 640, 480), 1) << SDL_GetError();
        ASSERT_EQ(StartDisplay(640, 480, 8, 1), 1) << SDL_GetError();
        PaletteEntry entries[PALETTE_SIZE] = {};
        entries[5] = PaletteEntry{10, 200, 30, 0};
        entries[6] = PaletteEntry{250, 0, 120, 0};
        SetPalette(entries);
    }

    void TearDown() override
    {
        StopDisplay();
        PlatformCloseWindow();
    }

    // The window's pixel (x, y) as 0xRRGGBB, read back from the renderer or,
    // without one, from the window's own pixels.
    static uint32_t WindowPixel(int x, int y)
    {
        SDL_Renderer* renderer = SDL_GetRenderer(SdlWindow());
        if (!renderer) {
            SDL_Surface* surface = SDL_GetWindowSurface(SdlWindow());
            uint32_t pixel = 0;
            const auto* row = static_cast<unsigned char*>(surface->pixels) + y * surface->pitch;
            std::memcpy(&pixel, row + 4 * x, 4);
            uint8_t r = 0, g = 0, b = 0;
            SDL_GetRGB(pixel, surface->format, &r, &g, &b);
            return uint32_t{r} << 16 | uint32_t{g} << 8 | b;
        }
        const SDL_Rect one{x, y, 1, 1};
        uint32_t pixel = 0;
        EXPECT_EQ(SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4), 0)
            << SDL_GetError();
        return pixel & 0xFFFFFF;
    }

    static void Resize(int width, int height)
    {
        SDL_SetWindowSize(SdlWindow(), width, height);
        SDL_PumpEvents();
        PresentFrame();
    }

    // The longest run of pixels along row y, from x to x + count, that are
    // neither of two colours.
    static int LongestBlend(int x, int y, int count, uint32_t one, uint32_t other)
    {
        int longest = 0;
        int run = 0;
        for (int i = x; i < x + count; ++i) {
            const uint32_t pixel = WindowPixel(i, y);
            run = pixel == one || pixel == other ? 0 : run + 1;
            if (run > longest) longest = run;
        }
        return longest;
    }
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(WindowPixelsAndRenderer, VideoSdlTest,
                         testing::Values(nullptr, "software"),
                         [](const testing::TestParamInfo<const char*>& param) {
                             return std::string(param.param ? param.param : "window_pixels");
                         });

TEST_P(VideoSdlTest, FrameIsShownThroughThePaletteAndPaletteChangesAndVisibleFillsAtOnce)
{
    FillSurface(back_surface, 5, nullptr);
    const DisplayRect corner{600, 0, 640, 40};
    FillSurface(back_surface, 6, &corner);
    ASSERT_EQ(PresentFrame(), 1);
    EXPECT_EQ(WindowPixel(10, 10), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(639, 0), 0xFA0078u);
    PaletteEntry entries[PALETTE_SIZE] = {};
    entries[5] = PaletteEntry{1, 2, 3, 0};
    SetPalette(entries);
    EXPECT_EQ(WindowPixel(100, 100), 0x010203u) << "no present needed";
    FillSurface(primary_surface, 0, nullptr);
    EXPECT_EQ(WindowPixel(100, 100), 0u) << "the visible surface was cleared";
}

TEST(VideoSdlChoice, ThePlayersChoiceForTheRunOverridesWhatTheGameAsks)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    struct Case {
        int chosen, asked;
        bool full_screen;
    };
    for (const Case c : {Case{-1, 1, true}, Case{0, 1, false}, Case{1, 0, true}, Case{-1, 0, false}}) {
        PlatformChooseFullScreen(c.chosen);
        ASSERT_EQ(PlatformOpenWindow("video test", 640, 480), 1) << SDL_GetError();
        ASSERT_EQ(StartDisplay(640, 480, 8, c.asked ? 0 : 1), 1) << SDL_GetError();
        EXPECT_EQ((SDL_GetWindowFlags(SdlWindow()) & SDL_WINDOW_FULLSCREEN) != 0, c.full_screen)
            << c.chosen << " " << c.asked;
        StopDisplay();
        PlatformCloseWindow();
    }
}

TEST_P(VideoSdlTest, SharpShowsWholePixelsAndFillAsLargeAsItsShapeFitsWithCrispEdgesAndBlackBars)
{
    // Stripes four pixels wide, so that each edge's blend stands apart.
    FillSurface(back_surface, 5, nullptr);
    for (int x = 0; x < 640; x += 8) {
        const DisplayRect stripe{x, 0, x + 4, 480};
        FillSurface(back_surface, 6, &stripe);
    }
    const uint32_t bar = 0, green = 0x0AC81E, pink = 0xFA0078;
    constexpr int SHARP = PLATFORM_SCALING_SHARP, FILL = PLATFORM_SCALING_FILL;
    struct Case {
        int width, height, scaling, x, y;
        uint32_t colour;
    };
    const Case cases[] = {
        // Sharp at 1366 x 768: 640 x 480 at (363, 144); fill: 1024 x 768 at (171, 0).
        {1366, 768, SHARP, 362, 300, bar},   {1366, 768, SHARP, 363, 300, pink},  {1366, 768, SHARP, 1002, 300, green},
        {1366, 768, SHARP, 1003, 300, bar},  {1366, 768, SHARP, 367, 143, bar},   {1366, 768, SHARP, 367, 144, green},
        {1366, 768, SHARP, 367, 623, green}, {1366, 768, SHARP, 367, 624, bar},   {1366, 768, FILL, 170, 300, bar},
        {1366, 768, FILL, 171, 300, pink},   {1366, 768, FILL, 1194, 300, green}, {1366, 768, FILL, 1195, 300, bar},
        {1366, 768, FILL, 179, 0, green},    {1366, 768, FILL, 179, 767, green},
        // Sharp doubled at 1280 x 960, and shrunk to 320 x 240 at (0, 30).
        {1280, 960, SHARP, 7, 5, pink},      {1280, 960, SHARP, 8, 5, green},     {1280, 960, SHARP, 1279, 959, green},
        {320, 300, SHARP, 160, 29, bar},     {320, 300, SHARP, 0, 30, pink},      {320, 300, SHARP, 160, 270, bar},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " mode " << c.scaling << " at " << c.x << "," << c.y);
        PlatformSetScaling(c.scaling);
        Resize(c.width, c.height);
        EXPECT_EQ(WindowPixel(c.x, c.y), c.colour);
    }
    Resize(1366, 768);
    PlatformSetScaling(SHARP);
    EXPECT_EQ(LongestBlend(363, 300, 640, pink, green), 0);
    PlatformSetScaling(FILL);
    EXPECT_EQ(LongestBlend(171, 300, 1024, pink, green), 1);
    // At another size fill scales anew, rather than stretch what it made before.
    Resize(1400, 1050);
    EXPECT_EQ(LongestBlend(0, 500, 1400, pink, green), 1);
}

TEST_P(VideoSdlTest, PictureAlreadyShownIsNotDrawnAgainUnlessTheWindowIsUncovered)
{
    if (GetParam()) GTEST_SKIP() << "a renderer's window pixels cannot be marked";
    FillSurface(back_surface, 5, nullptr);
    Resize(800, 480);
    SDL_Surface* pixels = SDL_GetWindowSurface(SdlWindow());
    const uint32_t mark = SDL_MapRGB(pixels->format, 0x12, 0x34, 0x56);
    for (const int x : {10, 400}) {
        auto* row = static_cast<unsigned char*>(pixels->pixels) + 100 * pixels->pitch;
        std::memcpy(row + 4 * x, &mark, 4);
    }
    PresentFrame();
    EXPECT_EQ(WindowPixel(400, 100), 0x123456u) << "the same picture again";
    EXPECT_EQ(WindowPixel(10, 100), 0x123456u);
    PushWindowEvent(SDL_WINDOWEVENT_EXPOSED);
    RunTurns();
    EXPECT_EQ(WindowPixel(400, 100), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(10, 100), 0u) << "the bars too";
}
