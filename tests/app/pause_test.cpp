// Pausing play through real frames: P presses and focus messages go in the
// way the message loop hands them over, and nothing of the game may move
// while paused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/hud.h"
#include "app/pause.h"
#include "app_fixture.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "game/terrain.h"
#include "input/key_codes.h"
#include "platform/audio.h"
#include "platform/headless/headless_audio.h"
#include "platform/headless/headless_video.h"
#include "platform/random.h"
#include "platform/window.h"

namespace {

constexpr unsigned char WHITE_INDEX = 255;

// Every byte of game state a frame of play can change.
std::vector<unsigned char> GameSnapshot()
{
    std::vector<unsigned char> bytes;
    const auto add = [&bytes](const void* data, std::size_t size) {
        const std::size_t at = bytes.size();
        bytes.resize(at + size);
        std::memcpy(bytes.data() + at, data, size);
    };
    const int globals[] = {game_state,    score,       lives,      level,        fuel,
                           difficulty,    scroll_speed, player_dx, fire_cooldown, engine_sound_on,
                           death_frames,  camera_x,    camera_y,   bridge_x,     bridge_y,
                           fuel_blink};
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

bool Audible()
{
    std::vector<int16_t> out(4096);
    HeadlessMixAudio(out.data(), 4096);
    return std::any_of(out.begin(), out.end(), [](int16_t sample) { return sample != 0; });
}

class PauseTest : public AppTest {
protected:
    // A game on hard, a few frames into its first life with the craft moving
    // and firing, so that every actor has something to do.
    void SetUp() override
    {
        AppTest::SetUp();
        world_palette[WHITE_INDEX] = PaletteEntry{255, 255, 255, 0};
        Frame({DIK_N});
        Frame({DIK_D});
        Frame();
        Frame();
        ASSERT_EQ(game_state, STATE_PLAYING);
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
    for (int i = 0; i < 100; ++i) {
        Frame({DIK_UP, DIK_DOWN, DIK_LEFT, DIK_RIGHT, DIK_SPACE, DIK_BACK, DIK_P});
    }
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

TEST_F(PauseTest, EachPauseShowsTheLastFrameWithItsTitleAndTheWayOnInWhiteAndNoSound)
{
    // How each kind of pause starts, and the length of the two centred lines
    // it shows: PAUSED (saying why when a pad went) and the presses that end
    // it, which take the arrows too unless P paused.
    struct Case {
        const char* kind;
        void (*pause)();
        int title_chars;
        int hint_chars;
    };
    const Case cases[] = {
        {"P", [] { Frame({DIK_P}); }, 6, 25},
        {"focus", [] { MainWindowProc(WM_KILLFOCUS, 0); Frame(); }, 6, 35},
        {"unplug", [] { HeadlessSetGamepad(nullptr); Frame(); }, 21, 35},
    };
    const unsigned char samples[64] = {255, 0, 255, 0, 255, 0, 255, 0};
    PlatformSoundBuffer* tone = PlatformCreateSoundBuffer(samples, 64, 11025, 0);
    const PlatformGamepad pad{};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        HeadlessSetGamepad(&pad);
        ASSERT_EQ(PlatformPlaySoundBuffer(tone, 1), 1);
        Frame({DIK_UP});
        ASSERT_EQ(play_paused, PAUSE_NONE);
        EXPECT_TRUE(Audible());
        const HeadlessFrame last_play = *HeadlessLastFrame();
        c.pause();
        ASSERT_NE(play_paused, PAUSE_NONE);
        EXPECT_FALSE(Audible());
        const HeadlessFrame* paused = HeadlessLastFrame();
        ASSERT_EQ(paused->pixels.size(), last_play.pixels.size());

        // 8 x 16 characters, the title's top on the screen's middle line
        // less half a character, the way on 24 pixels below; each line's
        // shadow one pixel right and down.
        const struct {
            int y;
            int chars;
        } lines[] = {{232, c.title_chars}, {256, c.hint_chars}};
        for (const auto& line : lines) {
            const int left = 320 - 4 * line.chars;
            int first_white = 640;
            int last_white = -1;
            for (int y = line.y; y < line.y + 16; ++y) {
                for (int x = 0; x < 640; ++x) {
                    if (paused->pixels[static_cast<std::size_t>(y * 640 + x)] != WHITE_INDEX) continue;
                    first_white = std::min(first_white, x);
                    last_white = std::max(last_white, x);
                }
            }
            EXPECT_GE(first_white, left) << "line at " << line.y;
            EXPECT_LT(last_white, left + 8 * line.chars) << "line at " << line.y;
            EXPECT_GT(last_white - first_white, 8 * line.chars - 8) << "line at " << line.y;
        }
        for (std::size_t at = 0; at < last_play.pixels.size(); ++at) {
            const int x = static_cast<int>(at % 640);
            const int y = static_cast<int>(at / 640);
            bool in_text = false;
            for (const auto& line : lines) {
                const int left = 320 - 4 * line.chars;
                in_text |= x >= left && x <= left + 8 * line.chars && y >= line.y && y <= line.y + 16;
            }
            if (!in_text) {
                ASSERT_EQ(paused->pixels[at], last_play.pixels[at]) << x << ", " << y;
            }
        }
        const PlatformColour colour = paused->palette[WHITE_INDEX];
        EXPECT_EQ(colour.red + colour.green + colour.blue, 3 * 255);

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
    MainWindowProc(WM_KILLFOCUS, 0);
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

TEST_F(PauseTest, WithoutPauseOnFocusLossPlayGoesOnWhileTheWindowHasNoFocus)
{
    pause_on_focus_loss = 0;
    MainWindowProc(WM_KILLFOCUS, 0);
    const std::vector<unsigned char> before = GameSnapshot();
    Frame({DIK_UP});
    EXPECT_EQ(play_paused, PAUSE_NONE);
    EXPECT_FALSE(GameSnapshot() == before);
    Frame({DIK_P});
    EXPECT_EQ(play_paused, PAUSE_BY_KEY) << "P still pauses";
}
