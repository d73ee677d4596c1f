// Sprites: frames cut from sheets, and their animation. Drawing them is
// pinned by the regression demos' pictures.
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
            if (x % 7 == 0 || y % 5 == 0 || (x % 7 == 1 && y % 5 == 1)) return 0;
            return uint32_t(100 + (y / 5) * 3 + x / 7);
        };
        WriteBmp("sheet.bmp", layout);
        ASSERT_EQ(LoadBitmapFile(&bitmap_file, "sheet.bmp"), 1);
    }

    // The frames shown by count animation steps.
    std::vector<int> Animate(int count)
    {
        std::vector<int> frames;
        for (int i = 0; i < count; ++i) {
            AnimateSprite(&sprite_);
            frames.push_back(sprite_.curr_frame);
        }
        return frames;
    }

    Sprite sprite_ = {};
};

}  // namespace

TEST_F(SpriteTest, FramesAreCutByTheCellRuleAndBadRequestsRefused)
{
    EXPECT_EQ(CreateSprite(&sprite_, 0, 0, 6, 4, SPRITE_MAX_FRAMES + 1, 0, 0, 0, 8), 0);
    ASSERT_EQ(CreateSprite(&sprite_, 0, 0, 6, 4, 6, SPRITE_CYCLE_FRAMES, DDSCAPS_SYSTEMMEMORY, 0, 8), 1);
    EXPECT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, 0, 0, 0, CELL_COORDS), 0) << "no file";
    LoadSheet();
    ASSERT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, 5, 2, 1, CELL_COORDS), 1);
    const PlatformSurface* frame = sprite_.frames[5];
    EXPECT_EQ((std::vector<int>{frame->pixels[0], frame->pixels[1], frame->pixels[3 * frame->pitch + 5]}),
              (std::vector<int>{0, 105, 105}));
    // Frame, position, mode, loaded: frames 0 to 5, cells 3 x 2, pixels to (16, 7).
    const int requests[][5] = {{6, 0, 0, CELL_COORDS, 0},   {-1, 0, 0, CELL_COORDS, 0},  {0, 3, 0, CELL_COORDS, 0},
                               {0, 0, 2, CELL_COORDS, 0},   {0, 16, 7, PIXEL_COORDS, 1}, {0, 17, 7, PIXEL_COORDS, 0},
                               {0, 16, 8, PIXEL_COORDS, 0}, {0, -1, 0, PIXEL_COORDS, 0}};
    for (const auto& r : requests) {
        EXPECT_EQ(LoadSpriteFrame(&sprite_, &bitmap_file, r[0], r[1], r[2], r[3]), r[4]) << r[0] << " " << r[1] << "," << r[2];
    }
}

TEST_F(SpriteTest, FramesCycleWithTheirDelayAndSequencesLoopOrPlayOnce)
{
    ASSERT_EQ(CreateSprite(&sprite_, 0, 0, 6, 4, 8, SPRITE_CYCLE_FRAMES, DDSCAPS_SYSTEMMEMORY, 0, 8), 1);
    EXPECT_EQ(Animate(9), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}));
    SetSpriteAnimDelay(&sprite_, 3);
    EXPECT_EQ(Animate(4), (std::vector<int>{1, 1, 2, 2}));
    sprite_.attr = SPRITE_STILL | SPRITE_CYCLE_FRAMES;
    EXPECT_EQ(Animate(1), std::vector<int>{0});

    sprite_.attr = SPRITE_USE_SEQUENCES;
    SetSpriteAnimDelay(&sprite_, 0);
    const int looping[] = {3, 4};
    const int once[] = {5, 6, 7};
    ASSERT_EQ(LoadSpriteAnimation(&sprite_, 0, 2, looping), 1);
    ASSERT_EQ(LoadSpriteAnimation(&sprite_, SPRITE_MAX_ANIMS - 1, 3, once), 1);
    EXPECT_EQ(LoadSpriteAnimation(&sprite_, SPRITE_MAX_ANIMS, 3, once), 0);
    SetSpriteAnimation(&sprite_, 0);
    EXPECT_EQ(Animate(4), (std::vector<int>{4, 3, 4, 3}));
    sprite_.attr |= SPRITE_PLAY_ONCE;
    SetSpriteAnimation(&sprite_, SPRITE_MAX_ANIMS - 1);
    EXPECT_EQ(Animate(4), (std::vector<int>{6, 7, 7, 7}));
    EXPECT_EQ(sprite_.anim_done, 1);
}
