// The sound device following SDL's device events on SDL's disk driver, whose
// every open writes the output to the file named at that moment: the voices
// move, as they stand, to the device that comes after one is gone.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/audio.h"
#include "platform/mixer.h"
#include "platform/window.h"
#include "tests/platform_sdl/sdl_events.h"

namespace {

constexpr int CAPS = PLATFORM_SOUND_CAN_SET_FREQUENCY | PLATFORM_SOUND_CAN_SET_VOLUME;

// A loud square wave.
std::array<unsigned char, 441> samples = [] {
    std::array<unsigned char, 441> wave{};
    for (std::size_t i = 0; i < wave.size(); i += 2) wave[i] = 255;
    return wave;
}();

std::string OutputFile(const char* name)
{
    return testing::TempDir() + "wavedart-audio-" + std::to_string(getpid()) + "-" + name;
}

// The next device opened writes to this file.
void NextOutput(const std::string& path)
{
    std::remove(path.c_str());
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
}

// Whether the file gets a sample other than silence within a second.
bool Sounds(const std::string& path)
{
    for (int waited = 0; waited < 1000; waited += 10) {
        std::ifstream file(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        if (bytes.find_first_not_of('\0') != std::string::npos) return true;
        SDL_Delay(10);
    }
    return false;
}

class AudioSdlTest : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        NextOutput(OutputFile("first"));
        ASSERT_EQ(PlatformOpenWindow("audio test", 640, 480), 1) << SDL_GetError();
        ASSERT_EQ(PlatformOpenAudio(), 1) << SDL_GetError();
    }

    void TearDown() override
    {
        PlatformCloseAudio();
        PlatformCloseWindow();
        for (const char* name : {"first", "second", "third", "fourth"}) std::remove(OutputFile(name).c_str());
    }

    // The one open device; SDL says stopped for an id that is not open.
    static SDL_AudioDeviceID OpenDevice()
    {
        for (SDL_AudioDeviceID id = 1; id < 16; ++id) {
            if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
        }
        return 0;
    }

    static void DeviceEvent(Uint32 type, Uint32 which)
    {
        SDL_Event event{};
        event.adevice.type = type;
        event.adevice.which = which;
        SDL_PushEvent(&event);
        RunTurns();
    }
};

}  // namespace

TEST_F(AudioSdlTest, TheDeviceAddedAfterOneRemovedPlaysOnEveryVoice)
{
    struct Case {
        const char* output;
        bool paused;
        bool ours_removed;
    };
    const Case cases[] = {
        {"second", false, true},
        {"third", true, true},
        {"fourth", false, false},
    };
    PlatformSoundBuffer* engine = PlatformCreateSoundBuffer(samples.data(), 441, 11025, CAPS);
    ASSERT_EQ(PlatformPlaySoundBuffer(engine, 1), 1);
    ASSERT_TRUE(Sounds(OutputFile("first")));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output);
        PlatformPauseAudio(c.paused);
        DeviceEvent(SDL_AUDIODEVICEREMOVED, c.ours_removed ? OpenDevice() : 0);
        const std::string output = OutputFile(c.output);
        NextOutput(output);
        DeviceEvent(SDL_AUDIODEVICEADDED, 0);
        ASSERT_EQ(std::ifstream(output).good(), c.ours_removed) << "reopened";
        if (!c.ours_removed) continue;
        EXPECT_EQ(SDL_GetAudioDeviceStatus(OpenDevice()),
                  c.paused ? SDL_AUDIO_PAUSED : SDL_AUDIO_PLAYING);
        PlatformPauseAudio(0);
        EXPECT_TRUE(Sounds(output)) << "the engine's loop goes on on the new device";
    }
}

TEST(Mixer, AVoiceKeepsItsPitchAtAnotherOutputRate)
{
    MixerStart(44100, nullptr, nullptr);
    PlatformSoundBuffer* voice = PlatformCreateSoundBuffer(samples.data(), 441, 11025, CAPS);
    ASSERT_EQ(PlatformSetSoundFrequency(voice, 22050), 1);
    MixerSetOutputRate(22050);
    PlatformPlaySoundBuffer(voice, 0);
    // 441 samples at 22050 a second last 441 output samples at 22050.
    std::array<int16_t, 1024> out{};
    MixerRender(out.data(), 440);
    EXPECT_EQ(PlatformGetSoundStatus(voice), PLATFORM_SOUND_PLAYING);
    MixerRender(out.data(), 1);
    EXPECT_EQ(PlatformGetSoundStatus(voice), 0);
    MixerStop();
}
