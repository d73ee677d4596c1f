// Any file given to the WAVE loader: refused with −1, or loaded into a slot
// whose samples all play.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "platform/headless/headless_audio.h"
#include "sound/sound_device.h"

namespace {

constexpr int GAME_SOUND_FLAGS = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
// The mixer's output per input: enough for the seeds' sounds to play to
// their ends at the frequency set below.
constexpr int MIX_SAMPLES = 4096;
constexpr int FAST_FREQUENCY = 200000;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!OpenSoundDevice()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // Empties the table, so that every input finds the same free slot.
    OpenSoundDevice();
    const int id = LoadWavSound(WriteFuzzInput(data, size), GAME_SOUND_FLAGS);
    if (id == -1) return 0;
    const SoundSlot& slot = sound_slots[id];
    if (id != 0 || slot.state != 1 || !slot.buffer || slot.size < 0 ||
        static_cast<uint32_t>(slot.size) > SOUND_MAX_BYTES) {
        std::abort();
    }
    const int copy = DuplicateSound(id);
    SetSoundFrequency(copy, FAST_FREQUENCY);
    PlaySoundEffect(id, 0);
    PlaySoundEffect(copy, DSBPLAY_LOOPING);
    static int16_t out[MIX_SAMPLES];
    HeadlessMixAudio(out, MIX_SAMPLES);
    return 0;
}
