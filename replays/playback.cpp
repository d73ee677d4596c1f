#include "replays/playback.h"

#include <memory>

#include "app/game_state.h"
#include "app/shell.h"
#include "graphics/display.h"
#include "input/keyboard.h"
#include "platform/audio.h"
#include "platform/window.h"
#include "replays/banner.h"
#include "replays/demo_play.h"
#include "replays/game_snapshot.h"
#include "sound/sound_device.h"

namespace {

constexpr unsigned char NO_KEYS[256] = {};

struct Playback {
    Demo demo;
    PlaybackMode mode = PlaybackMode::WATCH;
    SavedGame saved;
    // The next key line, and whether this frame took one.
    uint32_t next = 0;
    std::size_t next_jump = 0;
    bool started = false;
    bool frame_open = false;
    int state_before = 0;
    bool played_out = false;
    int frames_since_end = 0;
    DeviceInput devices{};
    int volume = PLATFORM_MASTER_VOLUME_MAX;
    DemoResult result;
};

std::unique_ptr<Playback> playback;
DemoResult last_result;
// After a playback a key pressed to end it does nothing else: the game reads
// no keys until every device is let go.
bool holding_back = false;

bool Watched(PlaybackMode mode)
{
    return mode == PlaybackMode::WATCH || mode == PlaybackMode::ATTRACT;
}

bool OneGameOnly(PlaybackMode mode)
{
    return Watched(mode) || mode == PlaybackMode::AS_PLAYER;
}

const char* BannerText(PlaybackMode mode)
{
    switch (mode) {
    case PlaybackMode::ATTRACT:
        return "DEMO  -  PRESS ANY KEY FOR THE MENU";
    case PlaybackMode::WATCH:
        return "REPLAY  -  PRESS ANY KEY TO RETURN";
    case PlaybackMode::COMMAND_LINE:
        return "REPLAY  -  PRESS ANY KEY TO QUIT";
    case PlaybackMode::VERIFY:
    case PlaybackMode::AS_PLAYER:
        break;
    }
    return nullptr;
}

void DrawBanner()
{
    if (playback && BannerText(playback->mode)) DrawReplayBanner(BannerText(playback->mode));
}

// Played out: no more lines, or the game in the demo is over or was left.
void MarkPlayedOut()
{
    playback->played_out = true;
    playback->result = CurrentResult(playback->next);
    last_result = playback->result;
    if (playback->mode == PlaybackMode::VERIFY) PlatformPostQuitMessage(0);
}

void Finish()
{
    const std::unique_ptr<Playback> ended = std::move(playback);
    present_overlay = nullptr;
    if (ended->mode == PlaybackMode::VERIFY || ended->mode == PlaybackMode::AS_PLAYER) {
        SetScriptedKeys(nullptr);
        return;
    }
    StopAllSounds();
    PlatformSetMasterVolume(ended->volume);
    if (ended->mode == PlaybackMode::COMMAND_LINE) {
        if (game_state != STATE_QUIT && game_state != STATE_CLOSING) MainWindowProc(WM_CLOSE, 0);
    } else {
        RestoreGame(*ended->saved);
    }
    SetScriptedKeys(NO_KEYS);
    holding_back = true;
}

}  // namespace

bool StartPlayback(const Demo& demo, PlaybackMode mode, std::string* error)
{
    if (playback) {
        *error = "a replay is already playing";
        return false;
    }
    if (OneGameOnly(mode) && (demo.version < 2 || demo.start != DemoStart::NEW_GAME || !demo.jumps.empty())) {
        *error = "it is not the replay of one game";
        return false;
    }
    playback = std::make_unique<Playback>();
    playback->demo = demo;
    playback->mode = mode;
    if (Watched(mode)) playback->saved = SaveGame();
    playback->volume = PlatformMasterVolume();
    if (mode == PlaybackMode::ATTRACT) PlatformSetMasterVolume(0);
    if (mode != PlaybackMode::VERIFY) {
        ReadDevices(&playback->devices);
        present_overlay = DrawBanner;
    }
    holding_back = false;
    return true;
}

bool PlaybackActive()
{
    return playback != nullptr;
}

bool PlaybackAsPlayer()
{
    return playback && playback->mode == PlaybackMode::AS_PLAYER;
}

void StopPlayback()
{
    if (playback) Finish();
}

DemoResult PlaybackResult()
{
    if (!playback) return last_result;
    return playback->played_out ? playback->result : CurrentResult(playback->next);
}

int PlaybackPlayedOut()
{
    return playback && playback->played_out;
}

void PlaybackBeforeFrame()
{
    if (holding_back && !playback) {
        if (DevicesHeld()) return;
        holding_back = false;
        SetScriptedKeys(nullptr);
    }
    if (!playback) return;
    Playback& p = *playback;
    p.frame_open = false;
    if (p.mode != PlaybackMode::VERIFY) {
        DeviceInput now{};
        ReadDevices(&now);
        const bool pressed = NewPress(p.devices, now) != 0;
        p.devices = now;
        if (pressed || (p.mode == PlaybackMode::ATTRACT && p.frames_since_end >= ATTRACT_END_FRAMES)) {
            Finish();
            return;
        }
    }
    if (!p.started) {
        p.started = true;
        if (p.demo.version >= 2) ApplyDemoStart(p.demo);
    }
    if (p.played_out && p.mode == PlaybackMode::AS_PLAYER) {
        Finish();
        return;
    }
    if (p.played_out) {
        SetScriptedKeys(NO_KEYS);
        p.frames_since_end += 1;
        return;
    }
    if (p.next >= p.demo.frames.size()) {
        MarkPlayedOut();
        SetScriptedKeys(NO_KEYS);
        return;
    }
    if (p.next_jump < p.demo.jumps.size() && p.demo.jumps[p.next_jump].frame == p.next) {
        ApplyDemoJump(p.demo.jumps[p.next_jump++].state);
    }
    SetScriptedKeys(ScreenKeys(p.demo, p.next).data());
    p.state_before = game_state;
    p.frame_open = true;
}

void PlaybackAfterFrame(int handler_ran)
{
    if (!playback || !playback->frame_open) return;
    Playback& p = *playback;
    p.frame_open = false;
    // Version 1 has a line for every turn of the loop, paused or not.
    const bool took_line = p.demo.version < 2 || (handler_ran && IsGameScreen(p.state_before));
    if (!took_line) return;
    p.next += 1;
    const bool game_done = p.demo.start == DemoStart::NEW_GAME && p.demo.version >= 2 && !IsInGame(game_state);
    if (game_done || p.next >= p.demo.frames.size()) MarkPlayedOut();
}
