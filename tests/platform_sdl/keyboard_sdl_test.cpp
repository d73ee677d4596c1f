// The keyboard through SDL's own event queue on the dummy video driver: taps
// shorter than a frame, letters by the layout, and the focus rule.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>

#include "app/game_state.h"
#include "input/keyboard.h"
#include "platform/keyboard.h"
#include "tests/platform_sdl/sdl_events.h"

namespace {

class KeyboardSdlTest : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(PlatformOpenWindow("keyboard test", 640, 480), 1) << SDL_GetError();
        OpenInput();
        ASSERT_EQ(OpenKeyboard(), 1);
        PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        RunTurns();
    }

    void TearDown() override
    {
        CloseKeyboard();
        PlatformCloseWindow();
    }

    static bool Held(int code)
    {
        unsigned char keys[PLATFORM_KEY_COUNT];
        PlatformReadKeyboard(keys);
        return keys[code] != 0;
    }
};

}  // namespace

TEST_F(KeyboardSdlTest, ATapBetweenTwoFramesActsOnTheLetterTheKeyTypes)
{
    struct Case {
        const char* layout;
        int state;
        SDL_Scancode scancode;
        SDL_Keycode keycode;
        int next_state;
    };
    const Case cases[] = {
        {"QWERTY N", STATE_MAIN_MENU, SDL_SCANCODE_N, SDLK_n, STATE_NEW_GAME_MENU},
        {"QWERTY M", STATE_NEW_GAME_MENU, SDL_SCANCODE_M, SDLK_m, STATE_NEW_GAME},
        {"AZERTY M", STATE_NEW_GAME_MENU, SDL_SCANCODE_SEMICOLON, SDLK_m, STATE_NEW_GAME},
        {"AZERTY comma", STATE_NEW_GAME_MENU, SDL_SCANCODE_M, SDLK_COMMA, STATE_NEW_GAME_MENU},
        {"Dvorak B", STATE_MAIN_MENU, SDL_SCANCODE_N, SDLK_b, STATE_MAIN_MENU},
        {"Cyrillic soft sign", STATE_NEW_GAME_MENU, SDL_SCANCODE_M, 0x44C, STATE_NEW_GAME},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        game_state = c.state;
        difficulty = -1;
        PushKey(SDL_KEYDOWN, c.scancode, c.keycode);
        PushKey(SDL_KEYUP, c.scancode, c.keycode);
        c.state == STATE_MAIN_MENU ? RunMainMenu() : RunNewGameMenu();
        EXPECT_EQ(game_state, c.next_state);
        EXPECT_EQ(difficulty, c.next_state == STATE_NEW_GAME ? 1 : -1) << "medium";
        RunTurns();
    }
}

TEST_F(KeyboardSdlTest, HeldUntilReleasedTappedForOneTurnAndNothingWithoutTheFocus)
{
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_SPACE, SDLK_SPACE);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_UP, SDLK_UP);
    PushKey(SDL_KEYUP, SDL_SCANCODE_UP, SDLK_UP);
    EXPECT_TRUE(Held(DIK_UP));
    EXPECT_TRUE(Held(DIK_UP)) << "every read of the frame sees the tap";
    RunTurns();
    EXPECT_TRUE(Held(DIK_SPACE));
    EXPECT_FALSE(Held(DIK_UP)) << "the tap counted for one frame only";
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_N, SDLK_n);
    EXPECT_FALSE(Held(DIK_SPACE));
    EXPECT_FALSE(Held(DIK_N));
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    PushKey(SDL_KEYUP, SDL_SCANCODE_SPACE, SDLK_SPACE);
    RunTurns();
    EXPECT_FALSE(Held(DIK_SPACE));
}

TEST_F(KeyboardSdlTest, AMovingMouseQueuesNothingAheadOfTheWindowsMessages)
{
    for (int x = 0; x < 100; ++x) SDL_WarpMouseInWindow(SdlWindow(), x, x);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    PlatformMessage msg{};
    ASSERT_EQ(PlatformPeekMessage(&msg), 1);
    EXPECT_EQ(msg.message, WM_CLOSE);
}
