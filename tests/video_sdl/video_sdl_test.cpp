// The SDL screen on SDL's dummy driver: the front surface converted through
// the palette, scaled with its shape kept and black bars, shown again at
// once on a palette change or a fill of the visible surface.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>

#include <cstdint>

#include "graphics/display.h"
#include "platform/sdl/sdl_window.h"
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

TEST_F(VideoSdlTest, FrameIsShownThroughThePalette)
{
    FillSurface(back_surface, 5, nullptr);
    const DisplayRect corner{600, 0, 640, 40};
    FillSurface(back_surface, 6, &corner);
    ASSERT_EQ(PresentFrame(), 1);
    EXPECT_EQ(WindowPixel(10, 10), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(639, 0), 0xFA0078u);
}

TEST_F(VideoSdlTest, PaletteChangeAndVisibleFillShowAtOnce)
{
    FillSurface(back_surface, 5, nullptr);
    PresentFrame();
    PaletteEntry entries[PALETTE_SIZE] = {};
    entries[5] = PaletteEntry{1, 2, 3, 0};
    SetPalette(entries);
    EXPECT_EQ(WindowPixel(100, 100), 0x010203u) << "no present needed";
    entries[0] = PaletteEntry{0, 0, 0, 0};
    FillSurface(primary_surface, 0, nullptr);
    EXPECT_EQ(WindowPixel(100, 100), 0u) << "the visible surface was cleared";
}

TEST_F(VideoSdlTest, PictureKeepsItsShapeWithBlackBars)
{
    FillSurface(back_surface, 5, nullptr);
    Resize(800, 480);
    EXPECT_EQ(WindowPixel(79, 240), 0u) << "bar at the left";
    EXPECT_EQ(WindowPixel(80, 240), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(719, 240), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(720, 240), 0u) << "bar at the right";
    Resize(640, 600);
    EXPECT_EQ(WindowPixel(320, 59), 0u) << "bar at the top";
    EXPECT_EQ(WindowPixel(320, 60), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(320, 540), 0u) << "bar at the bottom";
    Resize(1280, 960);
    const DisplayRect pixel{1, 1, 2, 2};
    FillSurface(back_surface, 6, &pixel);
    PresentFrame();
    EXPECT_EQ(WindowPixel(2, 2), 0xFA0078u) << "doubled: (1, 1) covers (2, 2) to (3, 3)";
    EXPECT_EQ(WindowPixel(3, 3), 0xFA0078u);
    EXPECT_EQ(WindowPixel(4, 4), 0x0AC81Eu);
}

TEST_F(VideoSdlTest, PictureGrowsByWholeFactorsAndShrinksToFit)
{
    FillSurface(back_surface, 5, nullptr);
    Resize(1000, 800);
    EXPECT_EQ(WindowPixel(179, 400), 0u) << "only 1x fits: 640 x 480 centred";
    EXPECT_EQ(WindowPixel(180, 160), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(819, 639), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(820, 400), 0u);
    EXPECT_EQ(WindowPixel(500, 640), 0u);
    Resize(1400, 1000);
    EXPECT_EQ(WindowPixel(59, 500), 0u) << "2x: 1280 x 960 centred";
    EXPECT_EQ(WindowPixel(60, 20), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(1339, 979), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(700, 19), 0u);
    Resize(320, 300);
    EXPECT_EQ(WindowPixel(160, 29), 0u) << "smaller than the picture: 320 x 240 fitted";
    EXPECT_EQ(WindowPixel(0, 30), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(319, 269), 0x0AC81Eu);
    EXPECT_EQ(WindowPixel(160, 270), 0u);
}

TEST_F(VideoSdlTest, AltEnterAndF11SwitchFullScreenOnPressOnly)
{
    const auto full_screen = [] {
        return (SDL_GetWindowFlags(SdlWindow()) & SDL_WINDOW_FULLSCREEN) != 0;
    };
    const auto press = [](SDL_Scancode code, Uint16 mod, Uint8 repeat) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.windowID = SDL_GetWindowID(SdlWindow());
        event.key.state = SDL_PRESSED;
        event.key.repeat = repeat;
        event.key.keysym.scancode = code;
        event.key.keysym.mod = mod;
        ASSERT_EQ(SDL_PushEvent(&event), 1);
        PlatformMessage msg{};
        while (PlatformPeekMessage(&msg)) {
        }
    };
    ASSERT_FALSE(full_screen()) << "the display was started windowed";
    press(SDL_SCANCODE_F11, KMOD_NONE, 0);
    EXPECT_TRUE(full_screen());
    press(SDL_SCANCODE_F11, KMOD_NONE, 1);
    EXPECT_TRUE(full_screen()) << "a held key's repeats do nothing";
    press(SDL_SCANCODE_RETURN, KMOD_LALT, 0);
    EXPECT_FALSE(full_screen());
    press(SDL_SCANCODE_RETURN, KMOD_NONE, 0);
    EXPECT_FALSE(full_screen()) << "Enter alone is not the switch";
    press(SDL_SCANCODE_KP_ENTER, KMOD_RALT, 0);
    EXPECT_TRUE(full_screen());
}
