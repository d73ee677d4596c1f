// Pausing play through real frames: P presses, focus messages and a pad
// unplugged, the way the message loop hands them over.
#include <cstring>

#include "app/pause.h"
#include "platform/audio.h"
#include "platform/window.h"
#include "play_fixture.h"
#include "shown_text.h"

TEST_F(PlayTest, EachPauseSaysWhatPausedItCentredAndSilencesTheSound)
{
    StartGame();
    struct Case {
        const char* title;
        void (*pause)();
    };
    const Case cases[] = {
        {"PAUSED", [] { Frame({DIK_P}); }},
        {"PAUSED", [] { MainWindowProc(WM_KILLFOCUS, 0); Frame(); }},
        {"PAUSED: PAD UNPLUGGED", [] { HeadlessSetGamepad(nullptr); Frame(); }},
    };
    const unsigned char samples[64] = {255, 0, 255, 0, 255, 0, 255, 0};
    PlatformSoundBuffer* tone = PlatformCreateSoundBuffer(samples, 64, 11025, 0);
    const PlatformGamepad pad{};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        HeadlessSetGamepad(&pad);
        ASSERT_EQ(PlatformPlaySoundBuffer(tone, 1), 1);
        Frame({DIK_UP});
        ASSERT_EQ(play_paused, PAUSE_NONE);
        EXPECT_TRUE(Audible());
        c.pause();
        ASSERT_NE(play_paused, PAUSE_NONE);
        EXPECT_FALSE(Audible());
        EXPECT_TRUE(ShowsText(c.title, 320 - 4 * static_cast<int>(std::strlen(c.title)), 232, IsWhite));
        MainWindowProc(WM_SETFOCUS, 0);
        Frame();
        Frame({DIK_P});
        EXPECT_EQ(play_paused, PAUSE_NONE);
        EXPECT_TRUE(Audible());
    }
    PlatformReleaseSoundBuffer(tone);
}

TEST_F(PlayTest, FocusLossPausesUntilAPOrArrowPressWithTheFocusBackAndClosingEndsIt)
{
    StartGame();
    pause_on_focus_loss = 0;
    MainWindowProc(WM_KILLFOCUS, 0);
    Frame({DIK_UP});
    EXPECT_EQ(play_paused, PAUSE_NONE) << "play goes on unfocused when told to";
    pause_on_focus_loss = 1;
    const int craft_y = craft.vars[VAR_WORLD_Y];
    Frame({DIK_UP});
    EXPECT_EQ(play_paused, PAUSE_BY_FOCUS);
    Frame();
    Frame({DIK_LEFT});
    EXPECT_EQ(play_paused, PAUSE_BY_FOCUS) << "no resuming while the window has no focus";
    MainWindowProc(WM_SETFOCUS, 0);
    Frame({DIK_LEFT});
    EXPECT_EQ(play_paused, PAUSE_BY_FOCUS) << "the arrow was held before the focus came back";
    Frame({DIK_SPACE, DIK_BACK});
    EXPECT_EQ(play_paused, PAUSE_BY_FOCUS) << "only P and the arrows resume";
    EXPECT_EQ(craft.vars[VAR_WORLD_Y], craft_y) << "the craft stood still";
    Frame({DIK_UP});
    EXPECT_EQ(play_paused, PAUSE_NONE);
    EXPECT_NE(craft.vars[VAR_WORLD_Y], craft_y) << "play went on in the resuming frame";
    MainWindowProc(WM_KILLFOCUS, 0);
    Frame();
    MainWindowProc(WM_CLOSE, 0);
    Frame();
    EXPECT_EQ(play_paused, PAUSE_NONE);
    EXPECT_EQ(game_state, STATE_CLOSING) << "the quit fade ran";
}
