// The missile pool: launch, flight, ageing, world bounds and the bank test.
#include "game/missiles.h"

#include "game/camera.h"
#include "game/terrain.h"
#include "game/world_position.h"
#include "game/sheet_sprite.h"
#include "graphics/collision.h"
#include "graphics/display.h"

Sprite missiles[MISSILE_POOL_SIZE];

namespace {

constexpr int MISSILE_FRAMES = 16;
constexpr int MISSILE_SHEET_COLUMNS = 8;
constexpr int SEQUENCE_LENGTH = 8;
// The player's sequence is the first half, the enemies' the second.
constexpr int MISSILE_SEQUENCE_FRAMES[MISSILE_FRAMES] = {0, 1, 2,  3,  4,  5,  6,  7,
                                                         8, 9, 10, 11, 12, 13, 14, 15};

// A missile may fly a little below the map's bottom edge before it is lost.
constexpr int MISSILE_MAX_X = WORLD_WIDTH;
constexpr int MISSILE_MAX_Y = WORLD_HEIGHT + TILE_SIZE;

}  // namespace

int LoadMissiles()
{
    Sprite& first = missiles[0];
    const int cut = LoadSheetSprite(&first, "art/missle.bmp", MISSILE_SIZE, MISSILE_SIZE,
                                    MISSILE_FRAMES, MISSILE_SHEET_COLUMNS,
                                    SPRITE_USE_SEQUENCES | SPRITE_VISIBLE, nullptr);
    SetSpriteAnimDelay(&first, 1);
    LoadSpriteAnimation(&first, OWNER_PLAYER, SEQUENCE_LENGTH, MISSILE_SEQUENCE_FRAMES);
    LoadSpriteAnimation(&first, OWNER_ENEMY, SEQUENCE_LENGTH,
                        MISSILE_SEQUENCE_FRAMES + SEQUENCE_LENGTH);
    FillPoolFromFirst(missiles, MISSILE_POOL_SIZE);
    return cut;
}

int FireMissile(int x, int y, int xv, int yv, int owner)
{
    // The owner picks the frame sequence; anything else has none.
    if (owner != OWNER_PLAYER && owner != OWNER_ENEMY) return 0;
    for (Sprite& missile : missiles) {
        if (missile.state != 0) continue;
        missile.vars[VAR_WORLD_X] = x - (missile.width >> 1);
        missile.vars[VAR_WORLD_Y] = y - (missile.height >> 1);
        SetScreenFromWorld(&missile);
        missile.xv = static_cast<float>(xv);
        missile.yv = static_cast<float>(yv);
        missile.curr_frame = 0;
        missile.state = 1;
        missile.aux[AUX_AGE] = 0;
        missile.anim_done = owner;
        SetSpriteAnimation(&missile, owner);
        return 1;
    }
    return 0;
}

void UpdateMissiles()
{
    for (Sprite& missile : missiles) {
        if (missile.state != 1) continue;
        int& world_x = missile.vars[VAR_WORLD_X];
        int& world_y = missile.vars[VAR_WORLD_Y];
        world_x = MoveWorld(world_x, missile.xv);
        world_y = MoveWorld(world_y, missile.yv);
        // The screen corner rides along from where the last draw put it.
        missile.x += missile.xv;
        missile.y += missile.yv;
        missile.aux[AUX_AGE] += 1;
        if (missile.aux[AUX_AGE] > MISSILE_LIFETIME || world_x > MISSILE_MAX_X || world_x < 0 ||
            world_y > MISSILE_MAX_Y || world_y < 0 || TouchesBank(missile)) {
            RetireMissile(&missile);
        }
    }
}

void DrawMissiles()
{
    for (Sprite& missile : missiles) {
        if (missile.state != 1) continue;
        SetScreenFromWorld(&missile);
        DrawSprite(&missile, back_surface);
        AnimateSprite(&missile);
    }
}

void ClearMissiles()
{
    for (Sprite& missile : missiles) RetireMissile(&missile);
}

int DestroyMissiles()
{
    int destroyed = 1;
    for (Sprite& missile : missiles) destroyed &= DestroySprite(&missile);
    return destroyed;
}

int FindMissileHit(int owner, int left, int top, int width, int height)
{
    for (int i = 0; i < MISSILE_POOL_SIZE; ++i) {
        const Sprite& missile = missiles[i];
        if (missile.state != 1 || missile.anim_done != owner) continue;
        if (RectsOverlap(WorldLeft(missile), WorldTop(missile), missile.width, missile.height, left,
                         top, width, height)) {
            return i;
        }
    }
    return -1;
}

void RetireMissile(Sprite* missile)
{
    missile->state = 0;
    missile->aux[AUX_AGE] = 0;
}
