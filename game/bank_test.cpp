// The bank test shared by everything that flies over the terrain.
#include "game/terrain.h"
#include "graphics/collision.h"

int TouchesBank(const Sprite& sprite)
{
    int hit = 0;
    // A back buffer that cannot be locked shows no bank.
    if (LockBackSurface()) {
        hit = ScanColourRange(static_cast<int>(sprite.x), static_cast<int>(sprite.y),
                              static_cast<int>(sprite.x + static_cast<float>(sprite.width)),
                              static_cast<int>(sprite.y + static_cast<float>(sprite.height)),
                              BANK_COLOUR_FIRST, BANK_COLOUR_LAST, back_buffer, back_pitch);
    }
    UnlockBackSurface();
    return hit;
}
