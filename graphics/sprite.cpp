#include "graphics/sprite.h"

#include <array>
#include <cstring>
#include <new>

#include "platform/surface.h"

namespace {

// Every sequence array made, so that each is freed exactly once however
// many pool copies point at it.
constexpr int SPRITE_MAX_SEQUENCES = 256;
// Longer sequences are refused.
constexpr int SPRITE_MAX_SEQUENCE_LENGTH = 1024;
constexpr int SEQUENCE_END = -1;

std::array<int*, SPRITE_MAX_SEQUENCES> sequences = {};

int FreeSequence(int* sequence)
{
    for (int*& slot : sequences) {
        if (slot && slot == sequence) {
            delete[] slot;
            slot = nullptr;
            return 1;
        }
    }
    return 0;
}

int SequenceLength(const int* sequence)
{
    int length = 0;
    while (sequence[length] != SEQUENCE_END) ++length;
    return length;
}

void StepSequence(Sprite* sprite)
{
    if (sprite->curr_anim < 0 || sprite->curr_anim >= SPRITE_MAX_ANIMS) return;
    const int* sequence = sprite->anims[sprite->curr_anim];
    if (!sequence) return;
    sprite->anim_tick += 1;
    if (sprite->anim_tick < sprite->anim_delay) return;
    sprite->anim_tick = 0;
    const int length = SequenceLength(sequence);
    if (length == 0) return;
    sprite->anim_step += 1;
    if (sprite->anim_step >= 0 && sprite->anim_step < length) {
        sprite->curr_frame = sequence[sprite->anim_step];
    } else if (sprite->attr & SPRITE_PLAY_ONCE) {
        sprite->anim_done = 1;
        sprite->anim_step = length - 1;
        sprite->curr_frame = sequence[sprite->anim_step];
    } else {
        sprite->anim_step = 0;
        sprite->curr_frame = sequence[0];
    }
}

int DrawFrame(Sprite* sprite, int draw_width, int draw_height, PlatformSurface* dest)
{
    if (!sprite) return 0;
    if (!(sprite->attr & SPRITE_VISIBLE)) return 1;
    const int frame = sprite->curr_frame;
    if (frame < 0 || frame >= sprite->frame_count || frame >= SPRITE_MAX_FRAMES) return 0;
    const DisplayRect dest_rect{static_cast<int>(sprite->x), static_cast<int>(sprite->y),
                                static_cast<int>(sprite->x + static_cast<float>(draw_width)),
                                static_cast<int>(sprite->y + static_cast<float>(draw_height))};
    const DisplayRect source_rect{0, 0, sprite->width, sprite->height};
    return BlitSurface(dest, &dest_rect, sprite->frames[frame], &source_rect);
}

}  // namespace

int CreateSprite(Sprite* sprite, int x, int y, int width, int height, int frame_count, int attr,
                 int mem_flags, int colour_key, int bpp)
{
    if (!sprite || frame_count > SPRITE_MAX_FRAMES) return 0;
    sprite->x = static_cast<float>(x);
    sprite->y = static_cast<float>(y);
    sprite->attr = attr;
    sprite->frame_count = frame_count;
    sprite->width = width;
    sprite->height = height;
    sprite->bpp = bpp;
    sprite->state = 1;
    sprite->anim_done = 0;
    std::memset(sprite->aux, 0, sizeof sprite->aux);
    sprite->curr_frame = 0;
    sprite->curr_anim = 0;
    sprite->anim_tick = 0;
    sprite->anim_step = 0;
    sprite->anim_delay = 0;
    sprite->xv = 0.0f;
    sprite->yv = 0.0f;
    for (PlatformSurface*& frame : sprite->frames) frame = nullptr;
    for (int*& anim : sprite->anims) anim = nullptr;
    for (int i = 0; i < frame_count; ++i) {
        sprite->frames[i] =
            CreateOffscreenSurface(width + sprite->width_fill, height, mem_flags, colour_key);
        if (!sprite->frames[i]) return 0;
    }
    return 1;
}

int DestroySprite(Sprite* sprite)
{
    if (!sprite) return 0;
    // Made or copied records only let go; the display frees the surfaces
    // and sequences when it stops.
    if (sprite->attr == 0) {
        for (PlatformSurface* frame : sprite->frames) {
            if (frame) ReleaseSurface(frame);
        }
        for (int* anim : sprite->anims) {
            if (anim) FreeSequence(anim);
        }
    }
    for (PlatformSurface*& frame : sprite->frames) frame = nullptr;
    for (int*& anim : sprite->anims) anim = nullptr;
    return 1;
}

int LoadSpriteFrame(Sprite* sprite, BitmapFile* bitmap, int frame, int cx, int cy, int mode)
{
    if (!sprite || frame < 0 || frame >= sprite->frame_count || frame >= SPRITE_MAX_FRAMES) return 0;
    PlatformSurface* surface = sprite->frames[frame];
    if (!surface || sprite->width > surface->width || sprite->height > surface->height) return 0;
    int left = 0;
    int top = 0;
    if (!FindBitmapCell(bitmap, cx, cy, sprite->width, sprite->height, mode, &left, &top)) return 0;
    int pitch = 0;
    unsigned char* pixels = PlatformLockSurface(surface, &pitch);
    if (!pixels) return 0;
    const int stride = bitmap->info_header.biWidth;
    for (int row = 0; row < sprite->height; ++row) {
        std::memcpy(pixels + row * pitch, bitmap->buffer + (top + row) * stride + left,
                    static_cast<std::size_t>(sprite->width));
    }
    PlatformUnlockSurface(surface);
    sprite->attr |= SPRITE_LOADED;
    return 1;
}

int LoadSpriteAnimation(Sprite* sprite, int anim_index, int count, const int* frame_indices)
{
    if (!sprite || anim_index < 0 || anim_index >= SPRITE_MAX_ANIMS) return 0;
    if (count < 0 || count > SPRITE_MAX_SEQUENCE_LENGTH || (count > 0 && !frame_indices)) return 0;
    for (int i = 0; i < count; ++i) {
        if (frame_indices[i] < 0 || frame_indices[i] >= SPRITE_MAX_FRAMES) return 0;
    }
    for (int*& slot : sequences) {
        if (slot) continue;
        slot = new (std::nothrow) int[static_cast<std::size_t>(count) + 1];
        sprite->anims[anim_index] = slot;
        if (!slot) return 0;
        std::memcpy(slot, frame_indices, sizeof(int) * static_cast<std::size_t>(count));
        slot[count] = SEQUENCE_END;
        return 1;
    }
    sprite->anims[anim_index] = nullptr;
    return 0;
}

int SetSpriteAnimation(Sprite* sprite, int anim_index)
{
    if (!sprite) return 0;
    sprite->curr_anim = anim_index;
    sprite->anim_step = 0;
    return 1;
}

int SetSpriteAnimDelay(Sprite* sprite, int delay)
{
    if (!sprite) return 0;
    sprite->anim_delay = delay;
    return 1;
}

int AnimateSprite(Sprite* sprite)
{
    if (!sprite) return 0;
    if (sprite->attr & SPRITE_STILL) {
        sprite->curr_frame = 0;
    } else if (sprite->attr & SPRITE_CYCLE_FRAMES) {
        sprite->anim_tick += 1;
        if (sprite->anim_tick >= sprite->anim_delay) {
            sprite->anim_tick = 0;
            sprite->curr_frame += 1;
            if (sprite->curr_frame >= sprite->frame_count) sprite->curr_frame = 0;
        }
    } else if (sprite->attr & SPRITE_USE_SEQUENCES) {
        StepSequence(sprite);
    }
    return 1;
}

int SetSpritePosition(Sprite* sprite, int x, int y)
{
    if (!sprite) return 0;
    sprite->x = static_cast<float>(x);
    sprite->y = static_cast<float>(y);
    return 1;
}

int SetSpriteVelocity(Sprite* sprite, int xv, int yv)
{
    if (!sprite) return 0;
    sprite->xv = static_cast<float>(xv);
    sprite->yv = static_cast<float>(yv);
    return 1;
}

int DrawSprite(Sprite* sprite, PlatformSurface* dest)
{
    return sprite ? DrawFrame(sprite, sprite->width, sprite->height, dest) : 0;
}

int DrawSpriteScaled(Sprite* sprite, int draw_width, int draw_height, PlatformSurface* dest)
{
    return DrawFrame(sprite, draw_width, draw_height, dest);
}

int ReleaseAllSpriteSequences()
{
    for (int*& slot : sequences) {
        delete[] slot;
        slot = nullptr;
    }
    return 1;
}
