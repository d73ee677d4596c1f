// The sound volume heard through SDL's disk audio driver, which writes the
// output to a file: the same key script played as the game plays today, at
// volume 10 and at volume 0. A voice starts at the start of an output
// block, whenever its frame comes, so one sound at a time gives the same
// samples in every run, the silences between them aside.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "app/shell.h"
#include "options/player_settings.h"
#include "platform/random.h"
#include "platform/window.h"
#include "profile/profile.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"
#include "tests/platform_sdl/sdl_events.h"
#include "tests/profile/profile_fixture.h"

namespace {

constexpr int SHOTS = 2;
constexpr int FRAMES_BETWEEN_SHOTS = 30;
// Long enough for the last shot's sound to end and reach the file.
constexpr int FRAMES_AFTER = 20;

// The sounds that play now.
int SoundsPlaying()
{
    int playing = 0;
    for (int id = 0; id < 256; ++id) playing += GetSoundStatus(id) > 0 ? 1 : 0;
    return playing;
}

void Frame()
{
    RunTurns();
    AppFrame();
    ASSERT_LE(SoundsPlaying(), 1) << "one sound at a time, or their overlap would depend on timing";
}

void Tap(SDL_Scancode scancode, SDL_Keycode keycode)
{
    PushKey(SDL_KEYDOWN, scancode, keycode);
    Frame();
    PushKey(SDL_KEYUP, scancode, keycode);
    Frame();
}

// Plays the script in the real game on SDL with the settings of the profile
// (none: the game as it is without settings) and returns the samples that
// the disk driver wrote.
std::vector<int16_t> Record(Profile* profile, const std::string& output)
{
    std::remove(output.c_str());
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    if (profile) LoadPlayerSettings(profile);
    EXPECT_EQ(PlatformOpenWindow("volume test", 640, 480), 1) << SDL_GetError();
    AppStartUp();
    wavedart::srand(4242);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    Tap(SDL_SCANCODE_N, SDLK_n);
    Tap(SDL_SCANCODE_E, SDLK_e);
    Frame();
    EXPECT_EQ(game_state, STATE_PLAYING);
    for (int shot = 0; shot < SHOTS; ++shot) {
        Tap(SDL_SCANCODE_SPACE, SDLK_SPACE);
        for (int frame = 2; frame < FRAMES_BETWEEN_SHOTS; ++frame) Frame();
    }
    for (int frame = 0; frame < FRAMES_AFTER; ++frame) Frame();
    AppShutDown();
    PlatformCloseWindow();
    if (profile) ForgetPlayerSettings();
    std::ifstream file(output, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    std::remove(output.c_str());
    std::vector<int16_t> samples(bytes.size() / sizeof(int16_t));
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(int16_t));
    return samples;
}

std::vector<int16_t> Sounding(const std::vector<int16_t>& samples)
{
    std::vector<int16_t> sounding;
    for (int16_t sample : samples) {
        if (sample != 0) sounding.push_back(sample);
    }
    return sounding;
}

}  // namespace

TEST(VolumeSdl, TenPlaysTheSamplesOfTodayAndZeroIsSilence)
{
    ASSERT_TRUE(UseDummySdlInDataFolder("disk"));
    const std::string output = testing::TempDir() + "wavedart-volume-" + std::to_string(getpid());
    ScratchFolder scratch;
    Profile profile;
    OpenProfile(scratch.path, &profile);

    const std::vector<int16_t> today = Sounding(Record(nullptr, output));
    ASSERT_GT(today.size(), 1000u) << "the shots are heard";
    WriteText(scratch.path / "settings.txt", "wavedart-settings 1\nvolume = 10\nend\n");
    EXPECT_EQ(Sounding(Record(&profile, output)), today);
    WriteText(scratch.path / "settings.txt", "wavedart-settings 1\nvolume = 0\nend\n");
    const std::vector<int16_t> silent = Record(&profile, output);
    EXPECT_GT(silent.size(), 44100u) << "the run was recorded";
    EXPECT_TRUE(Sounding(silent).empty());
    CloseProfile(&profile);
}
