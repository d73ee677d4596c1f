#include "added_screens/screen_text.h"

#include "graphics/display.h"
#include "graphics/text_line.h"
#include "graphics/text_log.h"

namespace {

constexpr int PICTURE_WIDTH = 640;
constexpr int PICTURE_HEIGHT = 480;
constexpr int ROW_BAR_INSET = 8;

}  // namespace

void LoadScreenPicture(BitmapImage* image, const char* name)
{
    LoadBitmapFile(&bitmap_file, name);
    CreateBitmapImage(image, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT, 8);
    LoadBitmapImage(image, &bitmap_file, 0, 0, PIXEL_COORDS);
    UnloadBitmapFile(&bitmap_file);
}

void DrawTextCentred(const char* text, int centre_x, int y, uint32_t colour)
{
    DrawText(text, centre_x - TextWidth(text) / 2, y, colour, back_surface);
}

void DrawTextRight(const char* text, int right_x, int y, uint32_t colour)
{
    DrawText(text, right_x - TextWidth(text), y, colour, back_surface);
}

void FillMark(int left, int top, int right, int bottom, int index)
{
    const DisplayRect rect{left, top, right, bottom};
    FillSurface(back_surface, index, &rect);
}

void FillRowBar(int box_left, int box_right, int y, int above, int below)
{
    FillMark(box_left + ROW_BAR_INSET, y - above, box_right - ROW_BAR_INSET, y + below, MARK_BAR_INDEX);
}
