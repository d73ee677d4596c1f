// The Options screen. The picture holds the box and the keys; the game
// writes every row, its label and its value, into the places that
// options/screen_layout.h keeps free, so the rows follow the settings' table.
#include "added_screens/screen_text.h"
#include "options/screen_layout.h"
#include "tools/assetgen/art.h"
#include "tools/assetgen/menu_parts.h"

static_assert(MARK_DIM_INDEX == RAMP_STEEL.first + 6, "the empty cells are a dim steel");

Canvas DrawOptionsScreen() {
    Canvas c = AddedScreen(1504, 50, "OPTIONS");
    BoxBetween(c, OPTIONS_BOX_LEFT, OPTIONS_BOX_TOP, OPTIONS_BOX_RIGHT, OPTIONS_BOX_BOTTOM);
    int x = ArrowPair(c, 116, 392, true, "CHOOSE");
    x = ArrowPair(c, x, 392, false, "CHANGE");
    Hint(c, x, 392, 56, "ENTER", "NEXT / OPEN");
    BackHint(c, 432, "MAIN MENU");
    return c;
}
