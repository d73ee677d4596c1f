// The Controls screen. The picture holds the box, the columns' headings and
// the keys; the game writes each action's row, its key and its pad button,
// into the places that options/controls_layout.h keeps free.
#include "options/controls_layout.h"
#include "tools/assetgen/art.h"
#include "tools/assetgen/menu_parts.h"

Canvas DrawControlsScreen() {
    Canvas c = AddedScreen(2208, 46, "CONTROLS");
    BoxBetween(c, CONTROLS_BOX_LEFT, CONTROLS_BOX_TOP, CONTROLS_BOX_RIGHT, CONTROLS_BOX_BOTTOM);
    DrawString(c, CONTROLS_LABEL_X, CONTROLS_HEADING_Y, "ACTION", kGold);
    DrawCentred(c, CONTROLS_KEY_CENTRE_X, CONTROLS_HEADING_Y, "KEY", kGold);
    DrawCentred(c, CONTROLS_BUTTON_CENTRE_X, CONTROLS_HEADING_Y, "PAD BUTTON", kGold);
    int x = ArrowPair(c, 96, 396, true, "CHOOSE");
    x = Hint(c, x, 396, 56, "ENTER", "BIND THE NEXT PRESS");
    Hint(c, x, 396, 44, "ESC", "CANCEL");
    BackHint(c, 436, "OPTIONS");
    return c;
}
