// The high-score table and the initials entry. The pictures hold everything
// that never changes; the game writes the rows, the score and the letters
// into the places high_scores/screen_layout.h keeps free.
#include "added_screens/screen_text.h"
#include "high_scores/screen_layout.h"
#include "tools/assetgen/art.h"
#include "tools/assetgen/menu_parts.h"

static_assert(MARK_BAR_INDEX == RAMP_NAVY.first + 7, "the row bar is navy's lightest shade");
static_assert(MARK_LINE_INDEX == RAMP_GOLD.first + 10, "the marks are a bright gold");

Canvas DrawHighScoresScreen() {
    Canvas c = AddedScreen(1824, 50, "HIGH SCORES");
    const char* tabs[] = {"EASY", "MEDIUM", "HARD"};
    for (int i = 0; i < 3; ++i) {
        const int left = TABLE_TAB_CENTRE_X[i] - TABLE_TAB_HALF_WIDTH;
        Well(c, left, TABLE_TAB_Y - 6, 2 * TABLE_TAB_HALF_WIDTH, 28);
        DrawCentred(c, TABLE_TAB_CENTRE_X[i], TABLE_TAB_Y, tabs[i], kBold);
    }
    BoxBetween(c, TABLE_BOX_LEFT, TABLE_BOX_TOP, TABLE_BOX_RIGHT, TABLE_BOX_BOTTOM);
    DrawString(c, TABLE_RANK_RIGHT_X - TextWidth("#", kGold), TABLE_HEADING_Y, "#", kGold);
    DrawString(c, TABLE_INITIALS_X, TABLE_HEADING_Y, "NAME", kGold);
    DrawString(c, TABLE_SCORE_RIGHT_X - TextWidth("SCORE", kGold), TABLE_HEADING_Y, "SCORE", kGold);
    DrawString(c, TABLE_LEVEL_RIGHT_X - TextWidth("LEVEL", kGold), TABLE_HEADING_Y, "LEVEL", kGold);
    DrawString(c, TABLE_FINISHED_X, TABLE_HEADING_Y, "FINISHED", kGold);
    DrawString(c, TABLE_DATE_X, TABLE_HEADING_Y, "DATE", kGold);
    DrawString(c, TABLE_REPLAY_X, TABLE_HEADING_Y, "REPLAY", kGold);
    FillRect(c, TABLE_BOX_LEFT + 12, TABLE_HEADING_Y + 19, TABLE_BOX_RIGHT - TABLE_BOX_LEFT - 24, 1,
             RAMP_GOLD.Shade(6));
    int x = ArrowPair(c, 48, 416, false, "DIFFICULTY");
    x = ArrowPair(c, x, 416, true, "CHOOSE");
    Hint(c, x, 416, 56, "ENTER", "WATCH ITS REPLAY");
    BackHint(c, 450, "MAIN MENU");
    return c;
}

Canvas DrawNewHighScoreScreen() {
    Canvas c = Backdrop(864, 0.36);
    Title(c, W / 2, 16, 6);
    Headline(c, W / 2, 84, 5, "NEW HIGH SCORE!", RAMP_LIME);
    Box(c, 170, 156, 300, 82);
    DrawCentred(c, ENTRY_SCORE_CENTRE_X, 172, "SCORE", kGold);
    DrawCentred(c, ENTRY_RANK_CENTRE_X, 172, "RANK", kGold);
    Well(c, ENTRY_SCORE_CENTRE_X - 48, ENTRY_VALUE_Y - 8, 96, 32);
    Well(c, ENTRY_RANK_CENTRE_X - 56, ENTRY_VALUE_Y - 8, 112, 32);
    Box(c, 170, 248, 300, 96);
    DrawCentred(c, W / 2, 260, "YOUR INITIALS", kGold);
    for (int centre : ENTRY_CELL_CENTRE_X)
        Well(c, centre - ENTRY_CELL_WIDTH / 2, ENTRY_CELL_TOP, ENTRY_CELL_WIDTH, ENTRY_CELL_HEIGHT);
    int x = ArrowPair(c, 56, 372, true, "LETTER");
    x = ArrowPair(c, x, 372, false, "MOVE");
    Hint(c, x, 372, 56, "ENTER", "NEXT / DONE");
    DrawCentred(c, W / 2, 412, "or type the letters A-Z and 0-9", kText);
    return c;
}
