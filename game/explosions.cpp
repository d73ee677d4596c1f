// The explosion pool: started at a world anchor, played once, freed by itself.
#include "game/explosions.h"

#include "game/world_position.h"
#include "game/sheet_sprite.h"
#include "graphics/display.h"

Sprite explosions[EXPLOSION_POOL_SIZE];

namespace {

constexpr int EXPLOSION_SHEET_COLUMNS = 6;

}  // namespace

int LoadExplosions()
{
    Sprite& first = explosions[0];
    const int cut = LoadSheetSprite(&first, "art/explosion.bmp", EXPLOSION_SIZE, EXPLOSION_SIZE,
                                    EXPLOSION_FRAMES, EXPLOSION_SHEET_COLUMNS,
                                    SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE, nullptr);
    SetSpriteAnimDelay(&first, 1);
    first.vars[VAR_DRAW_WIDTH] = first.width;
    first.vars[VAR_DRAW_HEIGHT] = first.height;
    FillPoolFromFirst(explosions, EXPLOSION_POOL_SIZE);
    return cut;
}

int StartExplosion(int x, int y, int draw_width, int draw_height, int xv, int yv)
{
    for (Sprite& explosion : explosions) {
        if (explosion.state != 0) continue;
        SetSpriteAnimDelay(&explosion, 1);
        explosion.curr_frame = 0;
        SetSpriteVelocity(&explosion, xv, yv);
        // The screen corner is worked out again before every draw.
        SetSpritePosition(&explosion, 0, 0);
        explosion.vars[VAR_WORLD_X] = x;
        explosion.vars[VAR_WORLD_Y] = y;
        explosion.vars[VAR_DRAW_WIDTH] = draw_width;
        explosion.vars[VAR_DRAW_HEIGHT] = draw_height;
        explosion.state = 1;
        return 1;
    }
    return 0;
}

void UpdateExplosions()
{
    for (Sprite& explosion : explosions) {
        if (explosion.state != 1) continue;
        explosion.vars[VAR_WORLD_X] = MoveWorld(explosion.vars[VAR_WORLD_X], explosion.xv);
        explosion.vars[VAR_WORLD_Y] = MoveWorld(explosion.vars[VAR_WORLD_Y], explosion.yv);
        // The last picture of the sheet is never shown.
        if (explosion.curr_frame >= explosion.frame_count - 1) explosion.state = 0;
    }
}

void DrawExplosions()
{
    for (Sprite& explosion : explosions) {
        if (explosion.state != 1) continue;
        // Placed by the frame size even when drawn stretched, so a larger
        // explosion reaches further right and down than left and up.
        SetScreenFromWorld(&explosion);
        const int draw_width = explosion.vars[VAR_DRAW_WIDTH];
        const int draw_height = explosion.vars[VAR_DRAW_HEIGHT];
        if (draw_width == explosion.width && draw_height == explosion.height) {
            DrawSprite(&explosion, back_surface);
        } else {
            DrawSpriteScaled(&explosion, draw_width, draw_height, back_surface);
        }
        AnimateSprite(&explosion);
    }
}

void ClearExplosions()
{
    for (Sprite& explosion : explosions) explosion.state = 0;
}

int DestroyExplosions()
{
    int destroyed = 1;
    for (Sprite& explosion : explosions) destroyed &= DestroySprite(&explosion);
    return destroyed;
}
