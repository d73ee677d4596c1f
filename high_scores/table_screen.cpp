// The table screen: one difficulty's ten best at a time over its picture,
// a row chosen to watch its replay.
#include <cstdio>

#include "app/game_state.h"
#include "app/menu_screens.h"
#include "graphics/display.h"
#include "graphics/text_log.h"
#include "high_scores/score_screens.h"
#include "high_scores/screen_layout.h"
#include "added_screens/screen_text.h"
#include "input/keyboard.h"

namespace {

constexpr int TABLE_CENTRE_X = (TABLE_BOX_LEFT + TABLE_BOX_RIGHT) / 2;

void DrawRow(const ScoreEntry& entry, int row, int y, uint32_t colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d.", row + 1);
    DrawTextRight(text, TABLE_RANK_RIGHT_X, y, colour);
    DrawText(entry.initials.c_str(), TABLE_INITIALS_X, y, colour, back_surface);
    DrawTextRight(FormatScoreText(entry.score), TABLE_SCORE_RIGHT_X, y, colour);
    std::snprintf(text, sizeof text, "%d", entry.level);
    DrawTextRight(text, TABLE_LEVEL_RIGHT_X, y, colour);
    DrawText(entry.finished ? "YES" : "NO", TABLE_FINISHED_X, y, colour, back_surface);
    DrawText(entry.date.c_str(), TABLE_DATE_X, y, colour, back_surface);
    DrawText(entry.replay.empty() ? "-" : "YES", TABLE_REPLAY_X, y, colour, back_surface);
}

void DrawTable()
{
    const TableView& view = score_screens.view;
    ShowScreenImage(&score_screens.table_picture);
    const int tab_x = TABLE_TAB_CENTRE_X[view.difficulty];
    FillMark(tab_x - TABLE_TAB_HALF_WIDTH, TABLE_TAB_MARK_TOP, tab_x + TABLE_TAB_HALF_WIDTH, TABLE_TAB_MARK_BOTTOM,
             MARK_LINE_INDEX);
    const std::vector<ScoreEntry>& table = score_screens.tables[static_cast<size_t>(view.difficulty)];
    if (!score_screens.profile) {
        DrawTextCentred("NO FOLDER FOR THE PLAYER'S FILES: SCORES ARE NOT KEPT", TABLE_CENTRE_X, TABLE_NOTE_Y,
                        TEXT_WHITE);
    } else if (table.empty()) {
        char text[48];
        std::snprintf(text, sizeof text, "NO SCORES ON %s YET", DIFFICULTY_WORDS[view.difficulty]);
        DrawTextCentred(text, TABLE_CENTRE_X, TABLE_NOTE_Y, TEXT_WHITE);
    }
    for (int row = 0; row < static_cast<int>(table.size()); ++row) {
        const int y = TABLE_ROW_FIRST_Y + row * TABLE_ROW_PITCH;
        if (row == view.selected) FillRowBar(TABLE_BOX_LEFT, TABLE_BOX_RIGHT, y, 2, 18);
        DrawRow(table[static_cast<size_t>(row)], row, y, RowMarked(&view, row) ? TEXT_GOLD : TEXT_WHITE);
    }
    if (!score_screens.status.empty()) {
        DrawTextCentred(score_screens.status.c_str(), TABLE_CENTRE_X, TABLE_STATUS_Y,
                        score_screens.status_is_trouble ? TEXT_ALERT : TEXT_GOLD);
    }
    PresentFrame();
}

void SetStatus(const char* line, bool trouble)
{
    score_screens.status = line;
    score_screens.status_is_trouble = trouble;
}

// Plays the chosen entry's replay; says on the screen when it cannot.
void WatchChosen()
{
    const TableView& view = score_screens.view;
    if (view.selected == NO_ROW) return;
    const ScoreEntry& entry =
        score_screens.tables[static_cast<size_t>(view.difficulty)][static_cast<size_t>(view.selected)];
    if (entry.replay.empty()) {
        SetStatus("NO REPLAY WAS KEPT OF THIS GAME", false);
        return;
    }
    if (!play_entry_replay || !play_entry_replay(entry.replay)) {
        SetStatus("THIS REPLAY CANNOT BE PLAYED", true);
        return;
    }
    score_screens.keys.started = false;
}

}  // namespace

void RunHighScoreTable()
{
    ReadScreenKeys();
    const KeyPresses* presses = &score_screens.keys.presses;
    if (KeyPressed(presses, DIK_BACK)) {
        EnterScreen(STATE_MAIN_MENU);
        return;
    }
    if (KeyPressed(presses, DIK_RETURN) || KeyPressed(presses, DIK_NUMPADENTER) ||
        KeyPressed(presses, DIK_SPACE)) {
        WatchChosen();
        if (game_state != STATE_HIGH_SCORES) return;
    }
    int counts[TABLE_DIFFICULTIES];
    CountRows(counts);
    // What the line under the table says is about the table it was said over.
    if (KeyPressed(presses, DIK_LEFT) || KeyPressed(presses, DIK_RIGHT)) score_screens.status.clear();
    for (const int key : {DIK_LEFT, DIK_RIGHT, DIK_UP, DIK_DOWN}) {
        if (KeyPressed(presses, key)) MoveTableView(&score_screens.view, key, counts);
    }
    DrawTable();
}
