// The SDL sound device: the mixer runs in SDL's audio callback and its
// mono output is written in whatever format and channel count SDL granted.
#include <SDL.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "platform/audio.h"
#include "platform/mixer.h"
#include "platform/sdl/quiet_libraries.h"
#include "platform/sdl/sdl_audio.h"

namespace {

constexpr int WANTED_RATE = 44100;
// About 10 ms of output per callback, short enough for the cues to keep up
// with 30 ms frames. A power of two: some SDL drivers corrupt memory with
// any other size.
constexpr int WANTED_BUFFER_SAMPLES = 512;
constexpr int RENDER_CHUNK = 512;

SDL_AudioDeviceID device = 0;
SDL_AudioSpec granted{};
// Set once SDL reports the device gone. SDL goes on calling it back on its
// own clock, so the voices play on, silently, until another device comes.
bool device_lost = false;
int device_paused = 0;
// From a successful open to the close, whether or not a device is open now.
bool audio_started = false;
std::array<int16_t, RENDER_CHUNK> rendered;

void LockDevice()
{
    SDL_LockAudioDevice(device);
}

void UnlockDevice()
{
    SDL_UnlockAudioDevice(device);
}

// The bits of one output sample in the granted format, low byte first.
uint32_t EncodeSample(int16_t value, SDL_AudioFormat format)
{
    if (SDL_AUDIO_ISFLOAT(format)) {
        const float real = static_cast<float>(value) / 32768.0f;
        uint32_t bits = 0;
        std::memcpy(&bits, &real, sizeof bits);
        return bits;
    }
    const int size = SDL_AUDIO_BITSIZE(format);
    int32_t scaled = value;
    if (size == 8) scaled >>= 8;
    if (size == 32) scaled *= 65536;
    if (!SDL_AUDIO_ISSIGNED(format)) scaled += 1 << (size - 1);
    return static_cast<uint32_t>(scaled);
}

void WriteSamples(const int16_t* mono, int frames, Uint8* out)
{
    const int bytes = SDL_AUDIO_BITSIZE(granted.format) / 8;
    const bool big_endian = SDL_AUDIO_ISBIGENDIAN(granted.format);
    for (int frame = 0; frame < frames; ++frame) {
        const uint32_t bits = EncodeSample(mono[frame], granted.format);
        for (int channel = 0; channel < granted.channels; ++channel) {
            for (int byte = 0; byte < bytes; ++byte) {
                const int place = big_endian ? bytes - 1 - byte : byte;
                out[place] = static_cast<Uint8>(bits >> (8 * byte));
            }
            out += bytes;
        }
    }
}

void FillOutput(void*, Uint8* stream, int length)
{
    const int frame_bytes = SDL_AUDIO_BITSIZE(granted.format) / 8 * granted.channels;
    int frames = length / frame_bytes;
    while (frames > 0) {
        const int chunk = frames < RENDER_CHUNK ? frames : RENDER_CHUNK;
        MixerRender(rendered.data(), chunk);
        WriteSamples(rendered.data(), chunk, stream);
        stream += chunk * frame_bytes;
        frames -= chunk;
    }
}

// The default output device, opened paused: nothing mixes on it yet.
SDL_AudioDeviceID OpenDefaultDevice(SDL_AudioSpec* got)
{
    const QuietLibraries quiet;
    SDL_AudioSpec wanted{};
    wanted.freq = WANTED_RATE;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = WANTED_BUFFER_SAMPLES;
    wanted.callback = FillOutput;
    return SDL_OpenAudioDevice(nullptr, 0, &wanted, got, SDL_AUDIO_ALLOW_ANY_CHANGE);
}

// Moves every voice, as it stands, to the default device of now. Some
// drivers open one device at a time, so the old one goes first; its thread
// has ended before the new one starts, so only one thread ever mixes.
void Reopen()
{
    if (device != 0) SDL_CloseAudioDevice(device);
    device = OpenDefaultDevice(&granted);
    // Until a device opens the voices hold still; the next one added is tried.
    if (device == 0) return;
    device_lost = false;
    MixerSetOutputRate(granted.freq);
    SDL_PauseAudioDevice(device, device_paused);
}

}  // namespace

void SdlAudioEvent(const SDL_Event* event)
{
    if (event->type != SDL_AUDIODEVICEREMOVED && event->type != SDL_AUDIODEVICEADDED) return;
    if (!audio_started || event->adevice.iscapture) return;
    if (event->type == SDL_AUDIODEVICEREMOVED) {
        if (device != 0 && event->adevice.which == device) device_lost = true;
    } else if (device_lost) {
        Reopen();
    }
}

int PlatformOpenAudio()
{
    if (audio_started) return 1;
    if (QuietInitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    device = OpenDefaultDevice(&granted);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    audio_started = true;
    device_lost = false;
    device_paused = 0;
    MixerStart(granted.freq, LockDevice, UnlockDevice);
    SDL_PauseAudioDevice(device, 0);
    return 1;
}

void PlatformPauseAudio(int paused)
{
    device_paused = paused;
    if (device != 0) SDL_PauseAudioDevice(device, paused);
}

void PlatformCloseAudio()
{
    if (!audio_started) return;
    if (device != 0) SDL_CloseAudioDevice(device);
    device = 0;
    audio_started = false;
    device_lost = false;
    MixerStop();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
