// Loading a WAVE file into a new sound slot.
#include <vector>

#include "platform/audio.h"
#include "sound/riff.h"
#include "sound/sound_device.h"

namespace {

// Format tag, channels, rate, byte rate, block alignment, bits per sample
// and the extra-size word.
constexpr long FORMAT_BYTES = 18;

// Walks the file to its sample data: a "WAVE" form whose first chunk holds
// a PCM format. The format word is the format's first four bytes. Leaves
// the file at the data.
int FindWaveData(RiffFile* file, int32_t* format, RiffChunk* data)
{
    RiffChunk form{};
    RiffChunk format_chunk{};
    unsigned char fields[FORMAT_BYTES];
    // The format is read whole even from a 16-byte chunk; the two bytes
    // past it are never used.
    if (!RiffFindForm(file, RiffId("WAVE"), &form) || !RiffDescend(file, &form, &format_chunk) ||
        !RiffRead(file, fields, FORMAT_BYTES)) {
        return 0;
    }
    const int format_tag = fields[0] | fields[1] << 8;
    if (format_tag != WAVE_FORMAT_PCM) return 0;
    if (!RiffAscend(file, &format_chunk) || !RiffFindChunk(file, &form, RiffId("data"), data)) {
        return 0;
    }
    *format = static_cast<int32_t>(static_cast<uint32_t>(format_tag) |
                                   static_cast<uint32_t>(fields[2] | fields[3] << 8) << 16);
    return 1;
}

}  // namespace

int LoadWavSound(const char* file_name, int buffer_flags)
{
    const int id = FirstFreeSoundSlot();
    if (id < 0) return -1;
    RiffFile file{};
    if (!RiffOpen(&file, file_name)) return -1;
    int32_t format = 0;
    RiffChunk data{};
    if (!FindWaveData(&file, &format, &data) || data.size > SOUND_MAX_BYTES) {
        RiffClose(&file);
        return -1;
    }
    std::vector<unsigned char> staging(data.size);
    const int read = RiffRead(&file, staging.data(), static_cast<long>(data.size));
    RiffClose(&file);
    if (!read) return -1;

    const int size = static_cast<int>(data.size);
    PlatformSoundBuffer* buffer =
        PlatformCreateSoundBuffer(staging.data(), size, static_cast<int>(WAV_FORMAT.samples_per_sec),
                                  buffer_flags | DSBCAPS_STATIC | DSBCAPS_LOCSOFTWARE);
    if (!buffer) return -1;
    sound_slots[id] = SoundSlot{buffer, 1, format, size, id};
    return id;
}
