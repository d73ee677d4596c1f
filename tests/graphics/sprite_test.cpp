// Sprites: frames cut from sheets, animation, keyed drawing, and pools of
// whole-record copies that share one set of frames and sequences.
#include "graphics/sprite.h"
#include "graphics_fixture.h"
#include "platform/surface.h"

namespace {

class SpriteTest : public GraphicsTest {
protected:
    // A sheet of 3 x 2 cells of 6 x 4 framed by borders of index 0; every
    // pixel of cell i is 100 + i, except its top-left pixel, which is 0.
    static void LoadSheet()
    {
        BmpLayout layout;
        layout.width = 3 * 7 + 1;
        layout.height = 2 * 5 + 1;
        layout.pixel = [](int x, int y) -> uint32_t {
            if (x % 7 == 0 || y % 5 == 0) return 0;
            if (x % 7 == 1 && y % 5 == 1) return 0;
            return uint32_t(100 + (y / 5) * 3 + x / 7);
        };
        WriteBmp("sheet.bmp", layout);
        ASSERT_EQ(LoadBitmapFile(&bitmap_file, "sheet.bmp"), 1);
    }

    void MakeSprite(int frames, int attr, int key = 0)
    {
        ASSERT_EQ(CreateSprite(&sprite_, 9999, 9999, 6, 4, frames, attr, DDSCAPS_SYSTEMMEMORY, key, 8), 1);
    }

    Sprite sprite_ = {};
};

}  // namespace

TEST_F(SpriteTest, CreationSetsTheRecordAndKeepsTheOwnerWords)
{
    sprite_.vars[VAR_WORLD_X] = 1234;
    sprite_.aux[0] = 5;
    MakeSprite(3, SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE);
    EXPECT_EQ(sprite_.state, 1);
    EXPECT_EQ(sprite_.x, 9999.0f);
    EXPECT_EQ(sprite_.frame_count, 3);
    EXPECT_EQ(sprite_.aux[0], 0);
    EXPECT_EQ(sprite_.vars[VAR_WORLD_X], 1234);
    ASSERT_NE(sprite_.frames[2], nullptr);
    EXPECT_EQ(sprite_.frames[3], nullptr);
    EXPECT_EQ(sprite_.frames[0]->width, 6);
    EXPECT_EQ(CreateSprite(&sprite_, 0, 0, 6, 4, SPRITE_MAX_FRAMES + 1, 0x12, 0, 0, 8), 0);
    EXPECT_EQ(CreateSprite(nullptr, 0, 0, 6, 4, 1, 0x12, 0, 0, 8), 0);
    Sprite empty = {};
    EXPECT_EQ(CreateSprite(&empty, 0, 0, 6, 4, 0, 0x12, 0, 0, 8), 1);
}

TEST_F(SpriteTest, FramesAreCutByTheCellRuleAndBadRequestsRefused)
{
    MakeSprite(6, SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE);
    EXPECT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, 0, 0, 0, CELL_COORDS), 0) << "no file";
    LoadSheet();
    for (int i = 0; i < 6; ++i) {
        ASSERT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, i, i % 3, i / 3, CELL_COORDS), 1) << i;
        const PlatformSurface* frame = sprite_.frames[i];
        EXPECT_EQ(frame->pixels[0], 0);
        EXPECT_EQ(frame->pixels[1], 100 + i);
        EXPECT_EQ(frame->pixels[3 * frame->pitch + 5], 100 + i);
    }
    EXPECT_TRUE(sprite_.attr & SPRITE_LOADED);
    EXPECT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, 6, 0, 0, CELL_COORDS), 0) << "frame 6 of 6";
    EXPECT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, -1, 0, 0, CELL_COORDS), 0);
    EXPECT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, 0, 3, 0, CELL_COORDS), 0) << "column 3";
    EXPECT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, 0, 0, 2, CELL_COORDS), 0) << "row 2";
    EXPECT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, 0, 16, 7, PIXEL_COORDS), 1);
    EXPECT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, 0, 17, 7, PIXEL_COORDS), 0);
    UnloadBitmapFile(&bitmap_file);
    EXPECT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, 0, 0, 0, CELL_COORDS), 0) << "unloaded";
}

TEST_F(SpriteTest, CyclingStillAndDelays)
{
    MakeSprite(3, SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE);
    const int expected_fast[] = {1, 2, 0, 1};
    for (int frame : expected_fast) {
        AnimateSprite(&sprite_);
        EXPECT_EQ(sprite_.curr_frame, frame);
    }
    SetSpriteAnimDelay(&sprite_, 3);
    sprite_.curr_frame = 0;
    sprite_.anim_tick = 0;
    const int expected_slow[] = {0, 0, 1, 1, 1, 2, 2, 2, 0};
    for (int frame : expected_slow) {
        AnimateSprite(&sprite_);
        EXPECT_EQ(sprite_.curr_frame, frame);
    }
    sprite_.attr = SPRITE_STILL | SPRITE_CYCLE_FRAMES;
    sprite_.curr_frame = 2;
    AnimateSprite(&sprite_);
    EXPECT_EQ(sprite_.curr_frame, 0);
    sprite_.attr = SPRITE_VISIBLE;
    sprite_.curr_frame = 2;
    AnimateSprite(&sprite_);
    EXPECT_EQ(sprite_.curr_frame, 2);
}

TEST_F(SpriteTest, SequencesLoopOrPlayOnce)
{
    MakeSprite(8, SPRITE_USE_SEQUENCES | SPRITE_VISIBLE);
    const int looping[] = {3, 4};
    const int once[] = {5, 6, 7};
    ASSERT_EQ(LoadSpriteAnimation(&sprite_, 0, 2, looping), 1);
    ASSERT_EQ(LoadSpriteAnimation(&sprite_, 15, 3, once), 1);
    EXPECT_EQ(LoadSpriteAnimation(&sprite_, 16, 3, once), 0);
    const int bad[] = {1, 64};
    EXPECT_EQ(LoadSpriteAnimation(&sprite_, 1, 2, bad), 0);

    SetSpriteAnimation(&sprite_, 0);
    const int loop_frames[] = {4, 3, 4, 3};
    for (int frame : loop_frames) {
        AnimateSprite(&sprite_);
        EXPECT_EQ(sprite_.curr_frame, frame);
    }
    sprite_.attr |= SPRITE_PLAY_ONCE;
    SetSpriteAnimation(&sprite_, 15);
    const int once_frames[] = {6, 7, 7, 7};
    for (int frame : once_frames) {
        AnimateSprite(&sprite_);
        EXPECT_EQ(sprite_.curr_frame, frame);
    }
    EXPECT_EQ(sprite_.anim_done, 1);
    sprite_.curr_anim = 7;
    AnimateSprite(&sprite_);
    EXPECT_EQ(sprite_.curr_frame, 7) << "an empty slot changes nothing";
}

TEST_F(SpriteTest, DrawingIsKeyedClippedAndOnlyWhenVisible)
{
    LoadSheet();
    MakeSprite(1, SPRITE_CYCLE_FRAMES);
    LoadSpriteFrame(&sprite_, &bitmap_file, 0, 1, 0, CELL_COORDS);
    FillSurface(back_surface, 9, nullptr);
    SetSpritePosition(&sprite_, -3, 10);
    EXPECT_EQ(DrawSprite(&sprite_, back_surface), 1);
    EXPECT_EQ(BackPixel(0, 10), 9) << "invisible";
    sprite_.attr |= SPRITE_VISIBLE;
    EXPECT_EQ(DrawSprite(&sprite_, back_surface), 1);
    EXPECT_EQ(BackPixel(0, 10), 101);
    EXPECT_EQ(BackPixel(2, 13), 101);
    EXPECT_EQ(BackPixel(3, 10), 9);
    sprite_.x = 20.7f;
    EXPECT_EQ(DrawSprite(&sprite_, back_surface), 1);
    EXPECT_EQ(BackPixel(20, 10), 9) << "the key colour 0 is not drawn";
    EXPECT_EQ(BackPixel(21, 10), 101);
    EXPECT_EQ(BackPixel(25, 10), 101);
    EXPECT_EQ(BackPixel(26, 10), 9) << "the right edge 20.7 + 6 truncates to 26, exclusive";

    FillSurface(back_surface, 9, nullptr);
    EXPECT_EQ(DrawSpriteScaled(&sprite_, 12, 8, back_surface), 1);
    EXPECT_EQ(BackPixel(31, 17), 101);
    EXPECT_EQ(BackPixel(21, 11), 9) << "the key doubled";
    sprite_.curr_frame = 1;
    EXPECT_EQ(DrawSprite(&sprite_, back_surface), 0) << "no such frame";
}

TEST_F(SpriteTest, KeyOneMakesIndexOneTransparentAndZeroOpaque)
{
    MakeSprite(1, SPRITE_CYCLE_FRAMES | SPRITE_VISIBLE, 1);
    PlatformSurface* frame = sprite_.frames[0];
    PlatformFillSurface(frame, 1, nullptr);
    frame->pixels[0] = 0;
    FillSurface(back_surface, 9, nullptr);
    SetSpritePosition(&sprite_, 0, 0);
    DrawSprite(&sprite_, back_surface);
    EXPECT_EQ(BackPixel(0, 0), 0);
    EXPECT_EQ(BackPixel(1, 0), 9);
}

TEST_F(SpriteTest, PoolCopiesShareFramesAndAreFreedOnceInAnyOrder)
{
    LoadSheet();
    Sprite pool[4] = {};
    ASSERT_EQ(CreateSprite(&pool[0], 9999, 9999, 6, 4, 2, SPRITE_USE_SEQUENCES | SPRITE_VISIBLE,
                           DDSCAPS_SYSTEMMEMORY, 0, 8),
              1);
    LoadSpriteFrame(&pool[0], &bitmap_file, 0, 0, 0, CELL_COORDS);
    LoadSpriteFrame(&pool[0], &bitmap_file, 1, 1, 0, CELL_COORDS);
    const int sequence[] = {0, 1};
    LoadSpriteAnimation(&pool[0], 0, 2, sequence);
    for (int i = 1; i < 4; ++i) pool[i] = pool[0];

    EXPECT_EQ(DestroySprite(&pool[2]), 1);
    EXPECT_EQ(pool[2].frames[0], nullptr);
    EXPECT_EQ(pool[2].anims[0], nullptr);
    // The other copies still draw from the shared frames and sequence.
    SetSpritePosition(&pool[3], 50, 50);
    AnimateSprite(&pool[3]);
    EXPECT_EQ(DrawSprite(&pool[3], back_surface), 1);
    EXPECT_EQ(BackPixel(51, 50), 101);
    EXPECT_EQ(DestroySprite(&pool[0]), 1);
    EXPECT_EQ(DestroySprite(&pool[3]), 1);
    EXPECT_EQ(DestroySprite(&pool[1]), 1);
    EXPECT_EQ(DestroySprite(&pool[1]), 1);
    EXPECT_EQ(DestroySprite(nullptr), 0);
    // The surfaces and the sequence go with the display in TearDown; the
    // sanitizer build's leak checker proves they are freed exactly once.
}

TEST_F(SpriteTest, ARecordWithoutAttributesReleasesItsOwnFramesOnce)
{
    Sprite pool[2] = {};
    ASSERT_EQ(CreateSprite(&pool[0], 0, 0, 6, 4, 2, 0, DDSCAPS_SYSTEMMEMORY, 0, 8), 1);
    const int sequence[] = {1, 0};
    LoadSpriteAnimation(&pool[0], 3, 2, sequence);
    PlatformSurface* frame = pool[0].frames[0];
    pool[1] = pool[0];
    EXPECT_EQ(DestroySprite(&pool[0]), 1);
    EXPECT_EQ(ReleaseSurface(frame), 0) << "already released";
    EXPECT_EQ(DestroySprite(&pool[1]), 1) << "the copy's release finds nothing left to free";
}

TEST_F(SpriteTest, PositionAndVelocityAreStoredAsFloats)
{
    EXPECT_EQ(SetSpritePosition(nullptr, 1, 2), 0);
    EXPECT_EQ(SetSpriteVelocity(&sprite_, -3, 4), 1);
    EXPECT_EQ(sprite_.xv, -3.0f);
    EXPECT_EQ(sprite_.yv, 4.0f);
    EXPECT_EQ(SetSpriteAnimation(nullptr, 0), 0);
    EXPECT_EQ(AnimateSprite(nullptr), 0);
    EXPECT_EQ(DrawSprite(nullptr, back_surface), 0);
}
