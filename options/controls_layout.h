// Where the Controls screen's picture, "menuart/controls_screen.bmp", leaves
// room for what the game draws over it (8 x 16 text and bars): a row for each
// action of input/bindings.h, its key and its pad button, then the reset.
#pragma once

constexpr int CONTROLS_BOX_LEFT = 40;
constexpr int CONTROLS_BOX_TOP = 96;
constexpr int CONTROLS_BOX_RIGHT = 600;
constexpr int CONTROLS_BOX_BOTTOM = 384;
// The columns' headings, drawn into the picture above the rows.
constexpr int CONTROLS_HEADING_Y = 106;
constexpr int CONTROLS_ROW_FIRST_Y = 134;
constexpr int CONTROLS_ROW_PITCH = 26;
constexpr int CONTROLS_ROWS = 8;
constexpr int CONTROLS_BAR_ABOVE = 5;
constexpr int CONTROLS_BAR_BELOW = 21;
// The action's left edge; the key and the button centred in their columns.
constexpr int CONTROLS_LABEL_X = 64;
constexpr int CONTROLS_KEY_CENTRE_X = 344;
constexpr int CONTROLS_BUTTON_CENTRE_X = 504;
// What a wait for a press says, and whether the bindings are kept: two
// lines under the rows, inside the box.
constexpr int CONTROLS_STATUS_Y = 346;
constexpr int CONTROLS_STATUS_PITCH = 18;
