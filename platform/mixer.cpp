// The software mixer: one voice per buffer, each resampled from its own
// frequency to the output rate with linear interpolation, scaled by its gain
// and summed with saturation. Game-thread calls change the voices under the
// backend's lock; MixerRender runs on the audio thread and allocates nothing.
#include "platform/mixer.h"

#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "platform/audio.h"

namespace {

// Sample memory, shared by a buffer and its duplicates and freed with the
// last of them.
struct SampleBlock {
    std::unique_ptr<unsigned char[]> samples;
    uint32_t count = 0;
    int users = 0;
};

}  // namespace

struct PlatformSoundBuffer {
    int in_use = 0;
    SampleBlock* block = nullptr;
    int caps = 0;
    int status = 0;
    // Gain as a 16.16 fraction: 65536 is the recorded level.
    int32_t gain = 0;
    // Samples per second, kept to find the step again at another output rate.
    int frequency = 0;
    // Play position and its advance per output sample, in samples as 32.32
    // fixed point.
    uint64_t position = 0;
    uint64_t step = 0;
};

namespace {

constexpr int32_t FULL_GAIN = 65536;
constexpr int MIX_CHUNK = 256;

std::array<PlatformSoundBuffer, PLATFORM_SOUND_VOICES> voices;
std::array<SampleBlock, PLATFORM_SOUND_VOICES> blocks;
std::array<int32_t, MIX_CHUNK> accumulator;
int output_rate = 0;
int master_volume = PLATFORM_MASTER_VOLUME_MAX;
void (*lock_audio)() = nullptr;
void (*unlock_audio)() = nullptr;

struct AudioLock {
    AudioLock()
    {
        if (lock_audio) lock_audio();
    }
    ~AudioLock()
    {
        if (unlock_audio) unlock_audio();
    }
    AudioLock(const AudioLock&) = delete;
    AudioLock& operator=(const AudioLock&) = delete;
};

int32_t GainFromVolume(int hundredths_db)
{
    return static_cast<int32_t>(std::lround(FULL_GAIN * std::pow(10.0, hundredths_db / 2000.0)));
}

uint64_t StepForFrequency(int frequency)
{
    return (static_cast<uint64_t>(frequency) << 32) / static_cast<uint64_t>(output_rate);
}

bool FrequencyInRange(int frequency)
{
    return frequency >= PLATFORM_SOUND_FREQUENCY_MIN && frequency <= PLATFORM_SOUND_FREQUENCY_MAX;
}

bool Usable(const PlatformSoundBuffer* buffer)
{
    return buffer && buffer->in_use;
}

PlatformSoundBuffer* FreeVoice()
{
    for (PlatformSoundBuffer& voice : voices) {
        if (!voice.in_use) return &voice;
    }
    return nullptr;
}

SampleBlock* FreeBlock()
{
    for (SampleBlock& block : blocks) {
        if (block.users == 0) return &block;
    }
    return nullptr;
}

// Takes the buffer out of use; hands back the samples when it was their last
// user, so that the caller frees them outside the lock.
std::unique_ptr<unsigned char[]> DetachVoice(PlatformSoundBuffer* voice)
{
    SampleBlock* block = voice->block;
    *voice = PlatformSoundBuffer{};
    block->users -= 1;
    if (block->users > 0) return nullptr;
    block->count = 0;
    return std::move(block->samples);
}

void MixVoice(PlatformSoundBuffer& voice, int32_t* out, int count)
{
    const unsigned char* samples = voice.block->samples.get();
    const uint32_t length = voice.block->count;
    const uint64_t end = static_cast<uint64_t>(length) << 32;
    const bool looping = (voice.status & PLATFORM_SOUND_LOOPING) != 0;
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<uint32_t>(voice.position >> 32);
        uint32_t next = index + 1;
        if (next == length) next = looping ? 0 : index;
        const int32_t here = samples[index] - 128;
        const int32_t there = samples[next] - 128;
        const auto fraction = static_cast<int32_t>((voice.position >> 16) & 0xFFFF);
        const int32_t value = here * 256 + (((there - here) * fraction) >> 8);
        out[i] += static_cast<int32_t>((static_cast<int64_t>(value) * voice.gain) >> 16);
        voice.position += voice.step;
        if (voice.position >= end) {
            if (!looping) {
                voice.status = 0;
                voice.position = 0;
                return;
            }
            voice.position %= end;
        }
    }
}

}  // namespace

void MixerStart(int rate, void (*lock)(), void (*unlock)())
{
    MixerStop();
    output_rate = rate;
    lock_audio = lock;
    unlock_audio = unlock;
}

void MixerSetOutputRate(int rate)
{
    const AudioLock lock;
    output_rate = rate;
    for (PlatformSoundBuffer& voice : voices) {
        if (voice.in_use) voice.step = StepForFrequency(voice.frequency);
    }
}

void MixerStop()
{
    for (PlatformSoundBuffer& voice : voices) voice = PlatformSoundBuffer{};
    for (SampleBlock& block : blocks) block = SampleBlock{};
    output_rate = 0;
    lock_audio = nullptr;
    unlock_audio = nullptr;
}

void PlatformSetMasterVolume(int percent)
{
    const AudioLock lock;
    master_volume = percent < 0 ? 0 : percent > PLATFORM_MASTER_VOLUME_MAX ? PLATFORM_MASTER_VOLUME_MAX : percent;
}

int PlatformMasterVolume()
{
    return master_volume;
}

void MixerRender(int16_t* out, int count)
{
    while (count > 0) {
        const int chunk = count < MIX_CHUNK ? count : MIX_CHUNK;
        std::memset(accumulator.data(), 0, sizeof accumulator);
        for (PlatformSoundBuffer& voice : voices) {
            if (voice.in_use && (voice.status & PLATFORM_SOUND_PLAYING)) {
                MixVoice(voice, accumulator.data(), chunk);
            }
        }
        if (master_volume != PLATFORM_MASTER_VOLUME_MAX) {
            for (int i = 0; i < chunk; ++i) accumulator[i] = accumulator[i] * master_volume / PLATFORM_MASTER_VOLUME_MAX;
        }
        for (int i = 0; i < chunk; ++i) {
            const int32_t sum = accumulator[i];
            out[i] = static_cast<int16_t>(sum > 32767 ? 32767 : sum < -32768 ? -32768 : sum);
        }
        out += chunk;
        count -= chunk;
    }
}

PlatformSoundBuffer* PlatformCreateSoundBuffer(const unsigned char* samples, int count,
                                               int frequency, int caps)
{
    if (output_rate == 0 || !samples || count <= 0 || count > PLATFORM_SOUND_MAX_SAMPLES ||
        !FrequencyInRange(frequency)) {
        return nullptr;
    }
    std::unique_ptr<unsigned char[]> copy(new (std::nothrow) unsigned char[count]);
    if (!copy) return nullptr;
    std::memcpy(copy.get(), samples, count);

    const AudioLock lock;
    PlatformSoundBuffer* voice = FreeVoice();
    SampleBlock* block = FreeBlock();
    if (!voice || !block) return nullptr;
    block->samples = std::move(copy);
    block->count = static_cast<uint32_t>(count);
    block->users = 1;
    voice->in_use = 1;
    voice->block = block;
    voice->caps = caps;
    voice->frequency = frequency;
    voice->step = StepForFrequency(frequency);
    voice->gain = FULL_GAIN;
    return voice;
}

PlatformSoundBuffer* PlatformDuplicateSoundBuffer(PlatformSoundBuffer* source)
{
    const AudioLock lock;
    if (!Usable(source)) return nullptr;
    PlatformSoundBuffer* voice = FreeVoice();
    if (!voice) return nullptr;
    *voice = *source;
    voice->status = 0;
    voice->position = 0;
    voice->block->users += 1;
    return voice;
}

void PlatformReleaseSoundBuffer(PlatformSoundBuffer* buffer)
{
    std::unique_ptr<unsigned char[]> freed;
    const AudioLock lock;
    if (Usable(buffer)) freed = DetachVoice(buffer);
}

int PlatformPlaySoundBuffer(PlatformSoundBuffer* buffer, int looping)
{
    const AudioLock lock;
    if (!Usable(buffer)) return 0;
    buffer->status = PLATFORM_SOUND_PLAYING | (looping ? PLATFORM_SOUND_LOOPING : 0);
    return 1;
}

int PlatformStopSoundBuffer(PlatformSoundBuffer* buffer)
{
    const AudioLock lock;
    if (!Usable(buffer)) return 0;
    buffer->status = 0;
    return 1;
}

int PlatformSetSoundPosition(PlatformSoundBuffer* buffer, int position)
{
    const AudioLock lock;
    if (!Usable(buffer) || position < 0 || static_cast<uint32_t>(position) >= buffer->block->count) {
        return 0;
    }
    buffer->position = static_cast<uint64_t>(position) << 32;
    return 1;
}

int PlatformSetSoundVolume(PlatformSoundBuffer* buffer, int hundredths_db)
{
    if (hundredths_db < PLATFORM_SOUND_VOLUME_MIN || hundredths_db > PLATFORM_SOUND_VOLUME_MAX) {
        return 0;
    }
    const int32_t gain = GainFromVolume(hundredths_db);
    const AudioLock lock;
    if (!Usable(buffer) || !(buffer->caps & PLATFORM_SOUND_CAN_SET_VOLUME)) return 0;
    buffer->gain = gain;
    return 1;
}

int PlatformSetSoundFrequency(PlatformSoundBuffer* buffer, int frequency)
{
    const AudioLock lock;
    if (!Usable(buffer) || !(buffer->caps & PLATFORM_SOUND_CAN_SET_FREQUENCY) ||
        !FrequencyInRange(frequency)) {
        return 0;
    }
    buffer->frequency = frequency;
    buffer->step = StepForFrequency(frequency);
    return 1;
}

int PlatformGetSoundStatus(PlatformSoundBuffer* buffer)
{
    const AudioLock lock;
    if (!Usable(buffer)) return -1;
    return buffer->status;
}
