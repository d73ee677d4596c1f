#include "high_scores/table_view.h"

#include "input/key_codes.h"

namespace {

// The marked entry when it is in the table shown, else the first row.
void ChooseFirstRow(TableView* view, const int* entry_counts)
{
    if (view->marked != NO_ROW && view->marked_difficulty == view->difficulty) {
        view->selected = view->marked;
    } else {
        view->selected = entry_counts[view->difficulty] > 0 ? 0 : NO_ROW;
    }
}

}  // namespace

void OpenTableView(TableView* view, int difficulty, int marked, const int* entry_counts)
{
    view->difficulty = difficulty >= 0 && difficulty < TABLE_DIFFICULTIES ? difficulty : 0;
    view->marked_difficulty = view->difficulty;
    view->marked = marked >= 0 && marked < entry_counts[view->difficulty] ? marked : NO_ROW;
    ChooseFirstRow(view, entry_counts);
}

void MoveTableView(TableView* view, int key, const int* entry_counts)
{
    switch (key) {
    case DIK_LEFT:
    case DIK_RIGHT:
        view->difficulty =
            (view->difficulty + (key == DIK_RIGHT ? 1 : TABLE_DIFFICULTIES - 1)) % TABLE_DIFFICULTIES;
        ChooseFirstRow(view, entry_counts);
        return;
    case DIK_UP:
        if (view->selected > 0) --view->selected;
        return;
    case DIK_DOWN:
        if (view->selected != NO_ROW && view->selected + 1 < entry_counts[view->difficulty]) {
            ++view->selected;
        }
        return;
    default:
        return;
    }
}

int RowMarked(const TableView* view, int row)
{
    return view->marked != NO_ROW && view->marked_difficulty == view->difficulty && row == view->marked;
}
