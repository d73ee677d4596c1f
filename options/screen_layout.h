// Where the Options screen's picture, "menuart/options_screen.bmp", leaves
// room for the rows that the game draws over it (8 x 16 text, bars and
// marks): the asset generator draws around these places and the screen
// draws into them.
#pragma once

// The box of the rows: a row's text on its y, the chosen row's bar from
// OPTIONS_BAR_ABOVE above it to OPTIONS_BAR_BELOW below.
constexpr int OPTIONS_BOX_LEFT = 40;
constexpr int OPTIONS_BOX_TOP = 112;
constexpr int OPTIONS_BOX_RIGHT = 600;
constexpr int OPTIONS_BOX_BOTTOM = 356;
constexpr int OPTIONS_ROW_FIRST_Y = 128;
constexpr int OPTIONS_ROW_PITCH = 28;
constexpr int OPTIONS_ROWS = 8;
constexpr int OPTIONS_BAR_ABOVE = 6;
constexpr int OPTIONS_BAR_BELOW = 22;
// The label's left edge, and the value centred between the chosen row's
// arrows.
constexpr int OPTIONS_LABEL_X = 64;
constexpr int OPTIONS_VALUE_CENTRE_X = 464;
constexpr int OPTIONS_VALUE_HALF_WIDTH = 112;
// A range's cells, one per step above its lowest value: filled up to the
// value, the number beside them.
constexpr int OPTIONS_CELL_WIDTH = 12;
constexpr int OPTIONS_CELL_GAP = 3;
constexpr int OPTIONS_CELL_HEIGHT = 14;
// One line under the box, when the settings cannot be kept.
constexpr int OPTIONS_STATUS_Y = 364;
// The empty cells' colour, an index of the menu palette: a dark steel.
constexpr int MARK_DIM_INDEX = 92;
