// What the table screen shows: one difficulty's table at a time, a chosen
// row, and the entry just added, marked.
#pragma once

constexpr int TABLE_DIFFICULTIES = 3;
constexpr int NO_ROW = -1;

struct TableView {
    int difficulty;         // 0 easy, 1 medium, 2 hard
    int selected;           // the chosen row, NO_ROW in an empty table
    int marked_difficulty;  // where the marked entry is
    int marked;             // its row, NO_ROW for none
};

// Opens on a difficulty's table with its first row chosen; marked (NO_ROW
// for none) is a row of that table, which is then chosen instead.
void OpenTableView(TableView* view, int difficulty, int marked, const int* entry_counts);
// Left and right switch the difficulty, round the three; up and down choose
// a row, stopping at the ends. entry_counts holds the rows of each table.
void MoveTableView(TableView* view, int key, const int* entry_counts);
// 1 when the view's row is the marked entry.
int RowMarked(const TableView* view, int row);
