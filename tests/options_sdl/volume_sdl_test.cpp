// The sound volume heard through SDL's disk audio driver, which writes the
// output to a file: the same key script played as the game plays today, at
// volume 10 and at volume 0. A voice starts at the start of an output
// block, whenever its frame comes, so one sound at a time gives the same
// samples in every run, the silences between them aside.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "app/shell.h"
#include "options/player_settings.h"
#include "platform/random.h"
#include "platform/window.h"
#include "profile/profile.h"
#include "sound/sound_device.h"
#include "tests/platform_sdl/sdl_events.h"
#include "tests/profile/profile_fixture.h"

namespace {

void Frame()
{
    RunTurns();
    AppFrame();
    int playing = 0;
    for (int id = 0; id < 256; ++id) playing += GetSoundStatus(id) > 0 ? 1 : 0;
    ASSERT_LE(playing, 1) << "one sound at a time, or their overlap would depend on timing";
}

void Tap(SDL_Scancode scancode)
{
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        PushKey(type, scancode);
        Frame();
    }
}

// Plays two shots in the real game on SDL with the settings of the profile
// (none: the game as it is without settings) and returns the samples that
// the disk driver wrote, the silences left out unless asked for.
std::vector<int16_t> Record(Profile* profile, const std::string& output, bool silences = false)
{
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    if (profile) LoadPlayerSettings(profile);
    EXPECT_EQ(PlatformOpenWindow("volume test", 640, 480), 1) << SDL_GetError();
    AppStartUp();
    wavedart::srand(4242);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    Tap(SDL_SCANCODE_N);
    Tap(SDL_SCANCODE_E);
    Frame();
    EXPECT_EQ(game_state, STATE_PLAYING);
    for (int shot = 0; shot < 2; ++shot) {
        Tap(SDL_SCANCODE_SPACE);
        for (int frame = 2; frame < 30; ++frame) Frame();
    }
    // Long enough for the last shot's sound to end and reach the file.
    for (int frame = 0; frame < 20; ++frame) Frame();
    AppShutDown();
    PlatformCloseWindow();
    if (profile) ForgetPlayerSettings();
    const std::string bytes = ReadText(output);
    std::vector<int16_t> samples(bytes.size() / sizeof(int16_t));
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(int16_t));
    if (!silences) std::erase(samples, int16_t{0});
    return samples;
}

}  // namespace

TEST(VolumeSdl, TenPlaysTheSamplesOfTodayAndZeroIsSilence)
{
    ASSERT_TRUE(UseDummySdlInDataFolder("disk"));
    ScratchFolder scratch;
    const std::string output = (scratch.path / "output.raw").string();
    Profile profile;
    OpenProfile(scratch.path, &profile);

    const std::vector<int16_t> today = Record(nullptr, output);
    ASSERT_GT(today.size(), 1000u) << "the shots are heard";
    WriteText(scratch.path / "settings.txt", "wavedart-settings 1\nvolume = 10\nend\n");
    EXPECT_EQ(Record(&profile, output), today);
    WriteText(scratch.path / "settings.txt", "wavedart-settings 1\nvolume = 0\nend\n");
    const std::vector<int16_t> silent = Record(&profile, output, true);
    EXPECT_GT(silent.size(), 44100u) << "the run was recorded";
    EXPECT_EQ(std::count(silent.begin(), silent.end(), int16_t{0}), static_cast<std::ptrdiff_t>(silent.size()));
    CloseProfile(&profile);
}
