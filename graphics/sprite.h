// Sprites: colour-keyed, animated pictures cut from artwork sheets.
#pragma once

#include "graphics/bitmap.h"

struct PlatformSurface;

constexpr int SPRITE_MAX_FRAMES = 64;
constexpr int SPRITE_MAX_ANIMS = 16;

// Attribute bits.
constexpr int SPRITE_STILL = 0x01;
constexpr int SPRITE_CYCLE_FRAMES = 0x02;
constexpr int SPRITE_USE_SEQUENCES = 0x04;
constexpr int SPRITE_PLAY_ONCE = 0x08;
constexpr int SPRITE_VISIBLE = 0x10;
constexpr int SPRITE_LOADED = 0x80;

// Memory flag asking for frames in system memory.
constexpr int DDSCAPS_SYSTEMMEMORY = 0x800;

// The owner words the actors use, as indices into aux and vars.
constexpr int AUX_AGE = 0;
constexpr int AUX_FIRE_TIMER = 0;
constexpr int VAR_DRAW_WIDTH = 0;
constexpr int VAR_DRAW_HEIGHT = 1;
constexpr int VAR_FIRES = 2;
constexpr int VAR_FACING = 3;
constexpr int VAR_WORLD_X = 4;
constexpr int VAR_WORLD_Y = 5;

struct Sprite {
    int state;
    int anim_done;
    int attr;
    float x;
    float y;
    float xv;
    float yv;
    int width;
    int height;
    int width_fill;
    int bpp;
    int aux[4];
    int vars[32];
    int curr_frame;
    int frame_count;
    int curr_anim;
    int anim_tick;
    int anim_step;
    int anim_delay;
    int* anims[SPRITE_MAX_ANIMS];
    PlatformSurface* frames[SPRITE_MAX_FRAMES];
};

int CreateSprite(Sprite* sprite, int x, int y, int width, int height, int frame_count, int attr,
                 int mem_flags, int colour_key, int bpp);
int DestroySprite(Sprite* sprite);
int LoadSpriteFrame(Sprite* sprite, BitmapFile* bitmap, int frame, int cx, int cy, int mode);
int LoadSpriteAnimation(Sprite* sprite, int anim_index, int count, const int* frame_indices);
int SetSpriteAnimation(Sprite* sprite, int anim_index);
int SetSpriteAnimDelay(Sprite* sprite, int delay);
int AnimateSprite(Sprite* sprite);
int SetSpritePosition(Sprite* sprite, int x, int y);
int SetSpriteVelocity(Sprite* sprite, int xv, int yv);
int DrawSprite(Sprite* sprite, PlatformSurface* dest);
int DrawSpriteScaled(Sprite* sprite, int draw_width, int draw_height, PlatformSurface* dest);
// Frees every sequence array still held; the display stop calls it, so each
// array is freed exactly once whatever pool copies were destroyed before.
int ReleaseAllSpriteSequences();
