// Quitting from play: the fade out is silent whatever began it.
#include "app/pause.h"
#include "play_fixture.h"
#include "platform/window.h"

namespace {

// One turn of the message loop, as the shell runs it.
void Turn()
{
    PlatformMessage msg{0, 0};
    if (PlatformPeekMessage(&msg)) MainWindowProc(msg.message, msg.wparam);
    AppFrame();
}

void CloseTheWindow()
{
    PlatformPostMessage(WM_CLOSE, 0);
}

}  // namespace

TEST_F(PlayTest, QuittingFromPlayOrPauseStopsTheEngineAndTheFuelAlarm)
{
    struct Case {
        const char* what;
        bool paused;
        void (*close)();
    };
    const Case cases[] = {
        {"window closed in play", false, CloseTheWindow},
        {"termination signal in play", false, PlatformRequestClose},
        {"window closed while paused", true, CloseTheWindow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        game_state = STATE_MAIN_MENU;
        StartGame();
        fuel = 150;
        Frame({DIK_UP});
        Frame();
        ASSERT_TRUE(Audible()) << "the engine and the fuel alarm loop";
        if (c.paused) Frame({DIK_P});
        c.close();
        Turn();
        EXPECT_EQ(game_state, STATE_CLOSING) << "the quit fade ran";
        EXPECT_FALSE(Audible());
        Turn();
        Turn();
        EXPECT_FALSE(Audible());
    }
}
