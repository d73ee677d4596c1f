// The sound device: static buffers of 8-bit unsigned mono samples, each
// played by its own voice and mixed in software.
#pragma once

// Up to this many buffers exist at once, duplicates included.
constexpr int PLATFORM_SOUND_VOICES = 256;

// Capability bits given when a buffer is made; duplicates inherit them.
// Without them the volume or the frequency cannot be changed.
constexpr int PLATFORM_SOUND_CAN_SET_FREQUENCY = 0x20;
constexpr int PLATFORM_SOUND_CAN_SET_VOLUME = 0x80;

// Status bits.
constexpr int PLATFORM_SOUND_PLAYING = 1;
constexpr int PLATFORM_SOUND_LOOPING = 4;

// Volume in hundredths of a decibel: 0 is the recorded level.
constexpr int PLATFORM_SOUND_VOLUME_MIN = -10000;
constexpr int PLATFORM_SOUND_VOLUME_MAX = 0;
// Playback rates a buffer accepts, in samples per second.
constexpr int PLATFORM_SOUND_FREQUENCY_MIN = 100;
constexpr int PLATFORM_SOUND_FREQUENCY_MAX = 200000;
// The longest buffer, in samples.
constexpr int PLATFORM_SOUND_MAX_SAMPLES = 1 << 24;

struct PlatformSoundBuffer;

// 1 when an output device is open and mixing; 0 when there is none, and
// then every buffer operation fails.
int PlatformOpenAudio();
// Closes the device and releases every buffer still held.
void PlatformCloseAudio();
// While paused (1) no voice advances and the output is silent; 0 resumes
// every voice where it stopped.
void PlatformPauseAudio(int paused);
// The loudness of everything played, in percent of the sounds' own: 0 is
// silence, 100 (the start) leaves the output exactly as the game mixes it.
// Applied to the sum of the voices, so the game's own volumes and its rules
// for which copy plays are untouched. Kept across devices and restarts.
constexpr int PLATFORM_MASTER_VOLUME_MAX = 100;
void PlatformSetMasterVolume(int percent);
int PlatformMasterVolume();

// A new stopped buffer holding a copy of count samples, played at frequency
// samples per second, at full volume. Null when there is no device, no free
// voice, or count or frequency is out of range.
PlatformSoundBuffer* PlatformCreateSoundBuffer(const unsigned char* samples, int count,
                                               int frequency, int caps);
// A new stopped buffer over the same samples with its own play position,
// starting with the source's volume and frequency. Null on failure.
PlatformSoundBuffer* PlatformDuplicateSoundBuffer(PlatformSoundBuffer* source);
// The samples are freed with the last buffer that uses them.
void PlatformReleaseSoundBuffer(PlatformSoundBuffer* buffer);

// These return 1 on success and 0 on failure, a null buffer included.
int PlatformPlaySoundBuffer(PlatformSoundBuffer* buffer, int looping);
int PlatformStopSoundBuffer(PlatformSoundBuffer* buffer);
// Moves the play position to a sample index inside the buffer.
int PlatformSetSoundPosition(PlatformSoundBuffer* buffer, int position);
int PlatformSetSoundVolume(PlatformSoundBuffer* buffer, int hundredths_db);
int PlatformSetSoundFrequency(PlatformSoundBuffer* buffer, int frequency);
// The status bits; a one-shot buffer drops to 0 at its end. −1 for null.
int PlatformGetSoundStatus(PlatformSoundBuffer* buffer);
