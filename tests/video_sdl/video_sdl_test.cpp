// The SDL screen on SDL's dummy driver: the front surface converted through
// the palette, scaled with its shape kept and black bars, shown again at
// once on a palette change or a fill of the visible surface.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>

#include <cstdint>

#include "graphics/display.h"
#include "platform/sdl/sdl_window.h"
#include "platform/video.h"
#include "platform/window.h"

namespace {

class VideoSdlTest : public testing::Test {
protected:
    void SetUp() override
    {
        // The software renderer of the dummy driver keeps the presented
        // picture readable; a GL back buffer is undefined after a present.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
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

    // The window's pixel (x, y) as 0xRRGGBB, read back from the renderer.
    static uint32_t WindowPixel(int x, int y)
    {
        SDL_Renderer* renderer = SDL_GetRenderer(SdlWindow());
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
};

}  // namespace

TEST_F(VideoSdlTest, FrameIsShownThroughThePaletteAndPaletteChangesAndVisibleFillsAtOnce)
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

TEST_F(VideoSdlTest, PictureGrowsByWholeFactorsOrShrinksToFitWithBlackBars)
{
    const DisplayRect pixel{1, 1, 2, 2};
    FillSurface(back_surface, 5, nullptr);
    FillSurface(back_surface, 6, &pixel);
    const uint32_t bar = 0, picture = 0x0AC81E, dot = 0xFA0078;
    struct Case {
        int width, height, x, y;
        uint32_t colour;
    };
    const Case cases[] = {
        // 1x, centred with bars left and right, then above and below.
        {800, 480, 79, 240, bar},     {800, 480, 80, 240, picture},  {800, 480, 719, 240, picture},
        {800, 480, 720, 240, bar},    {640, 600, 320, 59, bar},      {640, 600, 320, 60, picture},
        {640, 600, 320, 540, bar},    {1000, 800, 179, 400, bar},    {1000, 800, 819, 639, picture},
        {1000, 800, 500, 640, bar},
        // 2x: pixel (1, 1) covers (2, 2) to (3, 3), offset by the bars.
        {1280, 960, 2, 2, dot},       {1280, 960, 3, 3, dot},        {1280, 960, 4, 4, picture},
        {1400, 1000, 59, 500, bar},   {1400, 1000, 60, 20, picture}, {1400, 1000, 1339, 979, picture},
        {1400, 1000, 700, 19, bar},
        // Smaller than the picture: 320 x 240, fitted.
        {320, 300, 160, 29, bar},     {320, 300, 10, 40, picture},   {320, 300, 319, 269, picture},
        {320, 300, 160, 270, bar},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.x << "," << c.y);
        Resize(c.width, c.height);
        EXPECT_EQ(WindowPixel(c.x, c.y), c.colour);
    }
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
