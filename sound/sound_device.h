// The sound device and its table of sound slots. A sound is named by its
// slot number, the sound id; −1 means no sound, and every call accepts it
// (and any other id without a buffer) and does nothing.
#pragma once
#include <cstdint>

struct PlatformSoundBuffer;

constexpr int SOUND_SLOT_COUNT = 256;

// Buffer flags.
constexpr int DSBCAPS_STATIC = 0x02;
constexpr int DSBCAPS_LOCSOFTWARE = 0x08;
constexpr int DSBCAPS_CTRLFREQUENCY = 0x20;
constexpr int DSBCAPS_CTRLPAN = 0x40;
constexpr int DSBCAPS_CTRLVOLUME = 0x80;
// Play flags: 0 plays once.
constexpr int DSBPLAY_LOOPING = 1;
// Status bits.
constexpr int DSBSTATUS_PLAYING = 1;
constexpr int DSBSTATUS_LOOPING = 4;

constexpr int WAVE_FORMAT_PCM = 1;

struct WaveFormat {
    uint16_t format_tag;
    uint16_t channels;
    uint32_t samples_per_sec;
    uint32_t avg_bytes_per_sec;
    uint16_t block_align;
    uint16_t bits_per_sample;
    uint16_t extra_size;
};

// Every buffer is made in this format, whatever its file says.
constexpr WaveFormat WAV_FORMAT = {WAVE_FORMAT_PCM, 1, 11025, 11025, 1, 8, 0};

// Sample data beyond this is taken for a damaged file: 16 MiB is
// 25 minutes of sound.
constexpr uint32_t SOUND_MAX_BYTES = 1u << 24;

struct SoundSlot {
    PlatformSoundBuffer* buffer;
    // 0 free, 1 taken; a taken slot stays taken until the table is emptied.
    int state;
    // Format tag in the low half, channel count in the high half.
    int32_t format;
    int size;
    int id;
};

extern SoundSlot sound_slots[SOUND_SLOT_COUNT];
// 1 while the device is open.
extern int sound_device;
// 1 until the device has been made.
extern int sound_first_open;

// Makes the device on first use and empties the table. 0 when there is no
// device.
int OpenSoundDevice();
// Stops everything, releases every buffer and the device. Returns 1.
int CloseSoundDevice();
// The first free slot, or −1 when every slot is taken.
int FirstFreeSoundSlot();
// Loads a RIFF WAVE file of 8-bit mono PCM into a new slot. The sound id,
// or −1 when the table is full, the file cannot be read or is malformed.
int LoadWavSound(const char* file_name, int buffer_flags);
// A new slot sharing the sound's samples, with its own play position and
// the source's volume and frequency. The new id, or −1.
int DuplicateSound(int id);
// Rewinds and plays, once or with DSBPLAY_LOOPING. 0 when the device
// refuses.
int PlaySoundEffect(int id, int flags);
// Volume 0 to 100: 30 × volume − 3000 hundredths of a decibel, so 100 is
// full level and 0 is −30 dB. 1 only when the device accepts it.
int SetSoundVolume(int id, int volume);
// Samples per second. 1 only when the device accepts it.
int SetSoundFrequency(int id, int frequency);
// Stops and rewinds. Returns 1.
int StopSound(int id);
int StopAllSounds();
// Stops and releases the buffer; the slot stays taken. Returns 1.
int DeleteSound(int id);
int DeleteAllSounds();
// DSBSTATUS bits, 0 when idle, −1 for a slot without a buffer.
int GetSoundStatus(int id);
