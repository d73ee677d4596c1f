// The craft's sprite: loading, the start of a life, drawing and release.
#include "game/craft.h"

#include "app/game_state.h"
#include "game/camera.h"
#include "game/sheet_sprite.h"
#include "game/world_position.h"
#include "graphics/collision.h"
#include "graphics/display.h"

Sprite craft;
int craft_start_x = 288;
int craft_start_y = 416;

int LoadCraft()
{
    return LoadSheetSprite(&craft, "art/skerrit.bmp", CRAFT_WIDTH, CRAFT_HEIGHT, 3, 3,
                           SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE, nullptr);
}

void ResetCraft()
{
    craft.curr_frame = CRAFT_FRAME_LEVEL;
    craft.vars[VAR_WORLD_X] = craft_start_x + camera_x;
    craft.vars[VAR_WORLD_Y] = craft_start_y + camera_y;
    SetScreenFromWorld(&craft);
    craft.state = CRAFT_ALIVE;
    craft.xv = 0.0f;
    craft.yv = 0.0f;
    player_dx = 0;
    scroll_speed = 0;
}

void DrawCraft()
{
    if (craft.state != CRAFT_ALIVE) return;
    SetScreenFromWorld(&craft);
    DrawSprite(&craft, back_surface);
}

void DestroyCraft()
{
    DestroySprite(&craft);
}

int OverlapsCraft(const Sprite& other)
{
    return RectsOverlap(WorldLeft(other), WorldTop(other), other.width, other.height,
                        WorldLeft(craft), WorldTop(craft), craft.width, craft.height);
}
