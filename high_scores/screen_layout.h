// Where the high-score screens' pictures leave room for what the game draws
// over them (8 x 16 text, bars and marks): the asset generator draws around
// these places and the screens draw into them.
#pragma once

// The table screen, "menuart/high_scores_screen.bmp".
// The three difficulty tabs, centred on these x, their text on row TAB_Y.
constexpr int TABLE_TAB_CENTRE_X[3] = {200, 320, 440};
constexpr int TABLE_TAB_Y = 96;
constexpr int TABLE_TAB_HALF_WIDTH = 52;
// The chosen tab is underlined on these rows.
constexpr int TABLE_TAB_MARK_TOP = 122;
constexpr int TABLE_TAB_MARK_BOTTOM = 126;
// The box of the rows, its column headings on row TABLE_HEADING_Y.
constexpr int TABLE_BOX_LEFT = 40;
constexpr int TABLE_BOX_TOP = 134;
constexpr int TABLE_BOX_RIGHT = 600;
constexpr int TABLE_BOX_BOTTOM = 384;
constexpr int TABLE_HEADING_Y = 144;
constexpr int TABLE_ROW_FIRST_Y = 172;
constexpr int TABLE_ROW_PITCH = 20;
// Left edges of the columns; the rank and the score end at their right edges.
constexpr int TABLE_RANK_RIGHT_X = 80;
constexpr int TABLE_INITIALS_X = 104;
constexpr int TABLE_SCORE_RIGHT_X = 232;
constexpr int TABLE_LEVEL_RIGHT_X = 296;
constexpr int TABLE_FINISHED_X = 328;
constexpr int TABLE_DATE_X = 416;
constexpr int TABLE_REPLAY_X = 528;
// A note in place of the rows: an empty table, or no profile.
constexpr int TABLE_NOTE_Y = 264;
// One line under the box, for what happened to a save.
constexpr int TABLE_STATUS_Y = 392;

// The initials screen, "menuart/new_high_score_screen.bmp".
// The score and the rank it takes, each centred on its x.
constexpr int ENTRY_SCORE_CENTRE_X = 250;
constexpr int ENTRY_RANK_CENTRE_X = 390;
constexpr int ENTRY_VALUE_Y = 208;
// The three letters, each centred in a cell of ENTRY_CELL_WIDTH x ENTRY_CELL_HEIGHT.
constexpr int ENTRY_CELL_CENTRE_X[3] = {272, 320, 368};
constexpr int ENTRY_CELL_TOP = 290;
constexpr int ENTRY_CELL_WIDTH = 36;
constexpr int ENTRY_CELL_HEIGHT = 40;
