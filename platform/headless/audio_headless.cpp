// Headless sound device: the mixer with no audio thread, driven by tests.
#include "platform/audio.h"
#include "platform/headless/headless_audio.h"
#include "platform/mixer.h"

namespace {

int audio_present = 1;
int next_rate = HEADLESS_AUDIO_DEFAULT_RATE;
int open_rate = 0;
int audio_paused = 0;

}  // namespace

void HeadlessSetAudioPresent(int present)
{
    audio_present = present;
}

void HeadlessSetAudioRate(int rate)
{
    next_rate = rate;
}

int HeadlessAudioRate()
{
    return open_rate;
}

void HeadlessMixAudio(int16_t* out, int count)
{
    if (audio_paused) {
        for (int i = 0; i < count; ++i) out[i] = 0;
        return;
    }
    MixerRender(out, count);
}

int PlatformOpenAudio()
{
    if (!audio_present) return 0;
    MixerStart(next_rate, nullptr, nullptr);
    open_rate = next_rate;
    return 1;
}

void PlatformPauseAudio(int paused)
{
    audio_paused = open_rate != 0 && paused;
}

void PlatformCloseAudio()
{
    MixerStop();
    open_rate = 0;
    audio_paused = 0;
}
