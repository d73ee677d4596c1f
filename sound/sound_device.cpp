#include "sound/sound_device.h"

#include "platform/audio.h"

SoundSlot sound_slots[SOUND_SLOT_COUNT] = {};
int sound_device = 0;
int sound_first_open = 1;

namespace {

// The slot's buffer, or null for an id out of range or a slot without one.
PlatformSoundBuffer* SlotBuffer(int id)
{
    if (id < 0 || id >= SOUND_SLOT_COUNT) return nullptr;
    return sound_slots[id].buffer;
}

void ReleaseSlotBuffer(SoundSlot* slot)
{
    if (!slot->buffer) return;
    PlatformStopSoundBuffer(slot->buffer);
    PlatformReleaseSoundBuffer(slot->buffer);
    slot->buffer = nullptr;
}

}  // namespace

int FirstFreeSoundSlot()
{
    for (int id = 0; id < SOUND_SLOT_COUNT; ++id) {
        if (sound_slots[id].state == 0) return id;
    }
    return -1;
}

int OpenSoundDevice()
{
    if (sound_first_open) {
        for (SoundSlot& slot : sound_slots) slot = SoundSlot{};
        if (!PlatformOpenAudio()) return 0;
        sound_device = 1;
        sound_first_open = 0;
    }
    for (int id = 0; id < SOUND_SLOT_COUNT; ++id) {
        ReleaseSlotBuffer(&sound_slots[id]);
        sound_slots[id] = SoundSlot{nullptr, 0, 0, 0, id};
    }
    return 1;
}

int CloseSoundDevice()
{
    StopAllSounds();
    for (SoundSlot& slot : sound_slots) ReleaseSlotBuffer(&slot);
    if (sound_device) PlatformCloseAudio();
    sound_device = 0;
    sound_first_open = 1;
    return 1;
}

int DuplicateSound(int id)
{
    if (id == -1) return -1;
    const int copy = FirstFreeSoundSlot();
    if (copy < 0) return -1;
    PlatformSoundBuffer* buffer = PlatformDuplicateSoundBuffer(SlotBuffer(id));
    if (!buffer) return -1;
    sound_slots[copy] = sound_slots[id];
    sound_slots[copy].buffer = buffer;
    sound_slots[copy].id = copy;
    return copy;
}

int PlaySoundEffect(int id, int flags)
{
    PlatformSoundBuffer* buffer = SlotBuffer(id);
    if (!buffer) return 1;
    if (!PlatformSetSoundPosition(buffer, 0)) return 0;
    if (!PlatformPlaySoundBuffer(buffer, flags & DSBPLAY_LOOPING)) return 0;
    return 1;
}

int SetSoundVolume(int id, int volume)
{
    return PlatformSetSoundVolume(SlotBuffer(id), 30 * volume - 3000);
}

int SetSoundFrequency(int id, int frequency)
{
    return PlatformSetSoundFrequency(SlotBuffer(id), frequency);
}

int StopSound(int id)
{
    PlatformSoundBuffer* buffer = SlotBuffer(id);
    if (!buffer) return 1;
    PlatformStopSoundBuffer(buffer);
    PlatformSetSoundPosition(buffer, 0);
    return 1;
}

int StopAllSounds()
{
    for (int id = 0; id < SOUND_SLOT_COUNT; ++id) StopSound(id);
    return 1;
}

int DeleteSound(int id)
{
    StopSound(id);
    if (SlotBuffer(id)) ReleaseSlotBuffer(&sound_slots[id]);
    return 1;
}

int DeleteAllSounds()
{
    for (int id = 0; id < SOUND_SLOT_COUNT; ++id) DeleteSound(id);
    return 1;
}

int GetSoundStatus(int id)
{
    return PlatformGetSoundStatus(SlotBuffer(id));
}
