// Building an actor's sprite from its art sheet.
#pragma once

#include "graphics/display.h"
#include "graphics/sprite.h"

// Makes the sprite (off screen, system memory, colour key 0, 8 bits) and cuts
// frame i from cell (i mod columns, i div columns) of the sheet. The sprite
// is made even when the sheet is missing, so the actor keeps its size and
// goes on unseen; frames are cut only from a sheet that loaded. When
// palette_out is given, an 8-bit sheet's palette is copied into it.
// Returns 1 when every frame was cut.
int LoadSheetSprite(Sprite* sprite, const char* file_name, int width, int height, int frame_count,
                    int columns, int attr, PaletteEntry* palette_out);

// Slot 0, built, becomes free and is copied whole into the other slots, which
// then share its frames and sequences.
void FillPoolFromFirst(Sprite* pool, int count);
