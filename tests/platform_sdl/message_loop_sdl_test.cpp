// The SDL backend's events as the message loop takes them out of SDL's own
// queue: the window message each window event becomes, and a pad's stream of
// stick events, which must not hold up the messages behind it.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>

#include "app/game_state.h"
#include "app/shell.h"
#include "platform/gamepad.h"
#include "tests/platform_sdl/sdl_events.h"

namespace {

class MessageLoopSdlTest : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        // SDL keeps pads from a window without the focus unless told otherwise.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_EQ(PlatformOpenWindow("message loop test", 640, 480), 1) << SDL_GetError();
        RunTurns();
    }

    void TearDown() override
    {
        PlatformCloseGamepads();
        PlatformCloseWindow();
    }

    // One turn of the game's loop without its frame; the message taken, or 0.
    static int Turn()
    {
        PlatformMessage msg{0, 0};
        if (!PlatformPeekMessage(&msg)) return 0;
        MainWindowProc(msg.message, msg.wparam);
        return msg.message;
    }
};

}  // namespace

TEST_F(MessageLoopSdlTest, EachWindowEventBecomesItsMessageOneATurn)
{
    struct Case {
        const char* what;
        SDL_WindowEventID event;
        int message;
    };
    const Case cases[] = {
        {"focus gained", SDL_WINDOWEVENT_FOCUS_GAINED, WM_SETFOCUS},
        {"focus lost", SDL_WINDOWEVENT_FOCUS_LOST, WM_KILLFOCUS},
        {"exposed", SDL_WINDOWEVENT_EXPOSED, WM_PAINT},
        {"close", SDL_WINDOWEVENT_CLOSE, WM_CLOSE},
        {"moved", SDL_WINDOWEVENT_MOVED, WM_OTHER},
    };
    for (const Case& c : cases) PushWindowEvent(c.event);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlatformMessage msg{0, 0};
        ASSERT_EQ(PlatformPeekMessage(&msg), 1);
        EXPECT_EQ(msg.message, c.message);
    }
    EXPECT_EQ(Turn(), WM_CLOSE) << "the application's quit request";
    EXPECT_EQ(Turn(), WM_DESTROY) << "the game began its quit";
}

TEST_F(MessageLoopSdlTest, AStickInMotionHoldsNoCloseUpAndItsLastPlaceIsRead)
{
    ASSERT_EQ(PlatformOpenGamepads(), 1);
    const VirtualPad pad;
    SDL_Joystick* stick = pad.stick;
    ASSERT_NE(stick, nullptr) << SDL_GetError();
    RunTurns();
    // Each move of the stick queues a joystick and a controller event.
    constexpr int EVENTS = 10000;
    for (int i = 0; i < EVENTS / 2; ++i) {
        SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(i % 2 ? 9000 : -9000 - i));
        SDL_PumpEvents();
    }
    ASSERT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_JOYAXISMOTION, SDL_CONTROLLERAXISMOTION), EVENTS);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    game_state = STATE_PLAYING;
    for (int turn = 0; turn < 2 && game_state != STATE_QUIT; ++turn) Turn();
    EXPECT_EQ(game_state, STATE_QUIT) << "the quit began within two frames";
    PlatformGamepad read{};
    EXPECT_EQ(PlatformReadGamepad(&read), 1);
    EXPECT_EQ(read.stick_x, 9000);
}

TEST_F(MessageLoopSdlTest, APadPluggedInIsAMessageOfItsOwnAmongKeyEvents)
{
    ASSERT_EQ(PlatformOpenGamepads(), 1);
    for (int i = 0; i < 100; ++i) PushKey(i % 2 ? SDL_KEYUP : SDL_KEYDOWN, SDL_SCANCODE_LEFT);
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    for (int i = 0; i < 100; ++i) PushKey(i % 2 ? SDL_KEYUP : SDL_KEYDOWN, SDL_SCANCODE_RIGHT);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    PlatformGamepad pad{};
    EXPECT_EQ(PlatformReadGamepad(&pad), 0);
    // SDL reports a new pad twice: as a joystick, then as a controller.
    EXPECT_EQ(Turn(), WM_OTHER);
    EXPECT_EQ(Turn(), WM_OTHER);
    EXPECT_EQ(PlatformReadGamepad(&pad), 1) << "the pad was taken up in a turn of its own";
    EXPECT_EQ(Turn(), WM_CLOSE);
}
