// Pausing play through real frames: P presses and focus messages go in the
// way the message loop hands them over, and nothing of the game may move
// while paused.
#include <cstring>
#include <vector>

#include "app/hud.h"
#include "app/pause.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "platform/audio.h"
#include "platform/headless/headless_video.h"
#include "platform/random.h"
#include "platform/window.h"
#include "play_fixture.h"
#include "shown_text.h"

namespace {

// Every byte of game state a frame of play can change.
std::vector<unsigned char> GameSnapshot()
{
    std::vector<unsigned char> bytes;
    const auto add = [&bytes](const void* data, std::size_t size) {
        const auto* first = static_cast<const unsigned char*>(data);
        bytes.insert(bytes.end(), first, first + size);
    };
    const int globals[] = {game_state,   score,         lives,           level,        fuel,     difficulty,
                           scroll_speed, player_dx,     fire_cooldown,   engine_sound_on, death_frames,
                           camera_x,     camera_y,      bridge_x,        bridge_y,     fuel_blink};
    add(globals, sizeof globals);
    add(&craft, sizeof craft);
    add(enemy_pools, sizeof enemy_pools);
    add(explosions, sizeof explosions);
    add(missiles, sizeof missiles);
    add(fuel_depots, sizeof fuel_depots);
    add(&bridge, sizeof bridge);
    add(&hud_panel, sizeof hud_panel);
    return bytes;
}

class PauseTest : public PlayTest {
protected:
    // A game on hard, a few frames into its first life with the craft moving
    // and firing, so that every actor has something to do.
    void SetUp() override
    {
        PlayTest::SetUp();
        StartGame(DIK_D);
        for (int i = 0; i < 20; ++i) Frame({DIK_UP, DIK_SPACE, i < 10 ? DIK_LEFT : DIK_RIGHT});
        ASSERT_EQ(game_state, STATE_PLAYING);
    }
};

}  // namespace

TEST_F(PauseTest, PPauseHoldsEveryGlobalTheRandomSequenceAndTheScreenUntilANewPress)
{
    Frame({DIK_UP, DIK_SPACE, DIK_P});
    ASSERT_EQ(play_paused, PAUSE_BY_KEY);
    const std::vector<unsigned char> before = GameSnapshot();
    const int shown = HeadlessShownCount();
    wavedart::srand(1234);
    const int first_draw = wavedart::rand();
    wavedart::srand(1234);
    for (int i = 0; i < 100; ++i) Frame({DIK_UP, DIK_DOWN, DIK_LEFT, DIK_RIGHT, DIK_SPACE, DIK_BACK, DIK_P});
    EXPECT_EQ(play_paused, PAUSE_BY_KEY) << "arrows do not end a key pause, and P is only held";
    EXPECT_TRUE(GameSnapshot() == before) << "a game global or actor changed while paused";
    EXPECT_EQ(wavedart::rand(), first_draw) << "the random sequence was drawn from";
    EXPECT_EQ(HeadlessShownCount(), shown) << "nothing more was shown";
    Frame();
    Frame({DIK_P, DIK_UP});
    EXPECT_EQ(play_paused, PAUSE_NONE);
    EXPECT_FALSE(GameSnapshot() == before) << "the resuming frame is a frame of play";
    Frame({DIK_P, DIK_UP});
    EXPECT_EQ(play_paused, PAUSE_NONE) << "P still held is not a new press";
}

TEST_F(PauseTest, EachPauseSaysWhatPausedItCentredAndSilencesTheSound)
{
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

TEST_F(PauseTest, FocusLossPausesUntilAPOrArrowPressWithTheFocusBackAndClosingEndsIt)
{
    pause_on_focus_loss = 0;
    MainWindowProc(WM_KILLFOCUS, 0);
    Frame({DIK_UP});
    EXPECT_EQ(play_paused, PAUSE_NONE) << "play goes on unfocused when told to";
    pause_on_focus_loss = 1;
    const std::vector<unsigned char> before = GameSnapshot();
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
    EXPECT_TRUE(GameSnapshot() == before);
    Frame({DIK_DOWN});
    EXPECT_EQ(play_paused, PAUSE_NONE);
    EXPECT_FALSE(GameSnapshot() == before) << "play went on in the resuming frame";
    MainWindowProc(WM_KILLFOCUS, 0);
    Frame();
    MainWindowProc(WM_CLOSE, 0);
    Frame();
    EXPECT_EQ(play_paused, PAUSE_NONE);
    EXPECT_EQ(game_state, STATE_CLOSING) << "the quit fade ran";
}
