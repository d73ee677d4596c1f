// The play frame, the dying sequence and the set-up of games, lives and levels.
#include "app/game_state.h"
#include "app/play_scene.h"
#include "game/bridge.h"
#include "game/camera.h"
#include "game/craft.h"
#include "game/enemies.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "graphics/display.h"
#include "graphics/transition.h"
#include "input/keyboard.h"
#include "platform/clock.h"
#include "sound/game_sounds.h"
#include "sound/sound_device.h"

namespace {

// The picture fades out, then both surfaces are cleared so that nothing of
// it comes back with the next palette.
void FadeToBlack()
{
    ScreenTransition(TRANSITION_FADE_BLACK, nullptr, 0);
    FillSurface(primary_surface, 0, nullptr);
    FillSurface(back_surface, 0, nullptr);
}

}  // namespace

void RunPlaying()
{
    ReadKeyboard();
    if (KeyState[DIK_BACK]) {
        game_state = STATE_MAIN_MENU;
        StopAllSounds();
        return;
    }

    if (KeyState[DIK_RIGHT]) {
        craft.curr_frame = CRAFT_FRAME_RIGHT;
        player_dx = PLAYER_STEP;
    } else if (KeyState[DIK_LEFT]) {
        craft.curr_frame = CRAFT_FRAME_LEFT;
        player_dx = -PLAYER_STEP;
    } else {
        craft.curr_frame = CRAFT_FRAME_LEVEL;
        player_dx = 0;
    }

    if (KeyState[DIK_UP]) {
        scroll_speed -= 1;
        if (scroll_speed < MAX_SCROLL_SPEED) scroll_speed = MAX_SCROLL_SPEED;
        if (!engine_sound_on) {
            PlaySoundEffect(engine_sound, DSBPLAY_LOOPING);
            engine_sound_on = 1;
        }
    } else if (KeyState[DIK_DOWN]) {
        const int slowest = -(difficulty + 1);
        scroll_speed += 1;
        if (scroll_speed > slowest) scroll_speed = slowest;
    }

    if (fire_cooldown < FIRE_INTERVAL) fire_cooldown += 1;
    if (KeyState[DIK_SPACE] && fire_cooldown == FIRE_INTERVAL) {
        // From just ahead of the craft's centre, 6 pixels a frame faster than it.
        FireMissile(craft.vars[VAR_WORLD_X] + 4, craft.vars[VAR_WORLD_Y] - 9, 0, scroll_speed - 6,
                    OWNER_PLAYER);
        fire_cooldown = 0;
        PlayPlayerMissileSound();
    }

    FillSurface(back_surface, 0, nullptr);
    RunPlayScene(1);
    PresentFrame();
}

void RunDying()
{
    death_frames += 1;
    StopSound(engine_sound);
    FillSurface(back_surface, 0, nullptr);
    ClearMissiles();
    RunPlayScene(0);
    PresentFrame();
    if (death_frames < DEATH_FRAMES) return;

    death_frames = 0;
    lives -= 1;
    if (lives < 0) {
        game_state = STATE_GAME_OVER;
        StopAllSounds();
    } else if (level >= MAX_LEVELS) {
        // The tenth level was completed during this very sequence: there is
        // no eleventh level to start, so the game is finished.
        game_state = STATE_GAME_FINISHED;
        StopAllSounds();
    } else {
        game_state = STATE_START_LIFE;
    }
    fuel = FUEL_FULL;
    PlatformSleep(DEATH_PAUSE_MS);
}

void StartLife()
{
    camera_y = CAMERA_START_Y;
    camera_x = 0;
    fire_cooldown = FIRE_INTERVAL;
    engine_sound_on = 0;
    StopAllSounds();
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) ClearEnemies(kind);
    ClearExplosions();
    ClearMissiles();
    ClearFuelDepots();
    ClearBridge();
    ResetCraft();
    for (int kind = 0; kind < ENEMY_KIND_COUNT; ++kind) PlaceEnemies(kind);
    PlaceFuelDepots();
    PlaceBridge();
    game_state = STATE_PLAYING;
}

void StartNewGame()
{
    fuel = FUEL_FULL;
    level = 0;
    lives = MAX_LIVES;
    score = 0;
    game_state = STATE_START_LIFE;
}

void RunLevelComplete()
{
    StopAllSounds();
    if (level >= MAX_LEVELS) {
        game_state = STATE_GAME_FINISHED;
    } else {
        fuel = FUEL_FULL;
        if (lives < MAX_LIVES) lives += 1;
        game_state = STATE_START_LIFE;
    }
    FadeToBlack();
}

void RunQuit()
{
    game_state = STATE_CLOSING;
    FadeToBlack();
}
