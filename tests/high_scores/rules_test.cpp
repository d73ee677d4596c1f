// The rules of the initials, of key presses and of moving through the
// tables, each as a table of cases.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "high_scores/initials.h"
#include "added_screens/key_presses.h"
#include "high_scores/table_view.h"
#include "input/key_codes.h"

TEST(Initials, KeysChangeMoveTypeAndConfirm)
{
    struct Case {
        const char* what;
        const char* previous;
        std::vector<int> keys;
        const char* letters;
        int cursor;
        int done;
    };
    const Case cases[] = {
        {"starts on AAA", nullptr, {}, "AAA", 0, 0},
        {"starts on the last initials", "JMB", {}, "JMB", 0, 0},
        {"last initials not of the alphabet are not used", "JmB", {}, "AAA", 0, 0},
        {"up steps forwards, right moves on", nullptr, {DIK_UP, DIK_UP, DIK_RIGHT, DIK_UP}, "CBA", 1, 0},
        {"down from A wraps to 9", nullptr, {DIK_DOWN}, "9AA", 0, 0},
        {"Z is followed by 0, 9 by A", "Z9A", {DIK_UP, DIK_RIGHT, DIK_UP}, "0AA", 1, 0},
        {"right stops at the last, left at the first", nullptr,
         {DIK_RIGHT, DIK_RIGHT, DIK_RIGHT, DIK_UP, DIK_LEFT, DIK_LEFT, DIK_LEFT, DIK_UP}, "BAB", 0, 0},
        {"typing puts letters and digits in, staying on the last", nullptr,
         {DIK_Q, DIK_7, DIK_X, DIK_NUMPAD4}, "Q74", 2, 0},
        {"backspace goes back one", nullptr, {DIK_Q, DIK_W, DIK_BACK, DIK_Z}, "QZA", 2, 0},
        {"Enter confirms a letter and moves on", nullptr, {DIK_UP, DIK_RETURN, DIK_DOWN}, "B9A", 1, 0},
        {"Space, Enter and keypad Enter end it on the last", nullptr,
         {DIK_SPACE, DIK_RETURN, DIK_NUMPADENTER}, "AAA", 2, 1},
        {"nothing changes once done", nullptr, {DIK_J, DIK_M, DIK_B, DIK_RETURN, DIK_UP, DIK_LEFT, DIK_Q},
         "JMB", 2, 1},
        {"other keys do nothing", nullptr, {DIK_ESCAPE, DIK_F1, DIK_MINUS, DIK_TAB}, "AAA", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InitialsEntry entry;
        StartInitials(&entry, c.previous);
        int ended = 0;
        for (const int key : c.keys) ended += PressInitialsKey(&entry, key);
        EXPECT_STREQ(entry.letters, c.letters);
        EXPECT_EQ(entry.cursor, c.cursor);
        EXPECT_EQ(entry.done, c.done);
        EXPECT_EQ(ended, c.done) << "the entry ends once";
    }
}

namespace {

// Which of the frames counted a press of key, held as the string says
// ('#' held, '.' up), the first frame's keys being those the screen began with.
std::string PressesOf(int key, const char* held)
{
    unsigned char keys[256] = {};
    keys[key] = held[0] == '#';
    KeyPresses presses;
    StartKeyPresses(&presses, keys);
    std::string counted = ".";
    for (const char* frame = held + 1; *frame; ++frame) {
        keys[key] = *frame == '#';
        UpdateKeyPresses(&presses, keys);
        counted += KeyPressed(&presses, key) ? 'P' : '.';
    }
    return counted;
}

}  // namespace

TEST(KeyPresses, CountedWhenGoingDownArrowsRepeatingAndNothingHeldFromBefore)
{
    struct Case {
        const char* what;
        int key;
        const char* held;
        const char* counted;
    };
    const Case cases[] = {
        {"a tap counts once", DIK_RETURN, "..#..", "..P.."},
        {"held from before the screen counts only once let go", DIK_RETURN, "###.#", "....P"},
        {"an arrow held from before does not repeat", DIK_UP, "####################", "...................."},
        {"a letter held does not repeat", DIK_A, ".##################", ".P................."},
        {"an arrow held repeats after 12 frames, every 3rd frame", DIK_DOWN,
         ".########################", ".P.............P..P..P..P"},
        {"let go and pressed again counts again", DIK_LEFT, ".#.#.##", ".P.P.P."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PressesOf(c.key, c.held), c.counted);
    }
}

TEST(TableView, LeftAndRightGoRoundTheThreeUpAndDownStopAtTheEnds)
{
    const int counts[TABLE_DIFFICULTIES] = {3, 0, 10};
    struct Case {
        const char* what;
        int difficulty;
        int marked;
        std::vector<int> keys;
        int shown;
        int selected;
        int marked_row_shown;  // the row RowMarked reports in the table shown, NO_ROW for none
    };
    const Case cases[] = {
        {"opens on the marked row", 2, 7, {}, 2, 7, 7},
        {"a mark outside the table is none", 0, 3, {}, 0, 0, NO_ROW},
        {"right from hard wraps to easy", 2, NO_ROW, {DIK_RIGHT}, 0, 0, NO_ROW},
        {"left from easy wraps to hard", 0, NO_ROW, {DIK_LEFT}, 2, 0, NO_ROW},
        {"down stops at the last row", 0, NO_ROW, {DIK_DOWN, DIK_DOWN, DIK_DOWN, DIK_DOWN}, 0, 2, NO_ROW},
        {"up stops at the first row", 2, 1, {DIK_UP, DIK_UP, DIK_UP}, 2, 0, 1},
        {"an empty table has no row to choose", 0, NO_ROW, {DIK_RIGHT, DIK_DOWN, DIK_UP}, 1, NO_ROW, NO_ROW},
        {"the mark stays with its table", 2, 4, {DIK_DOWN, DIK_RIGHT}, 0, 0, NO_ROW},
        {"coming back chooses the mark again", 2, 4, {DIK_DOWN, DIK_RIGHT, DIK_LEFT}, 2, 4, 4},
        {"other keys do nothing", 2, 4, {DIK_RETURN, DIK_BACK, DIK_H}, 2, 4, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TableView view;
        OpenTableView(&view, c.difficulty, c.marked, counts);
        for (const int key : c.keys) MoveTableView(&view, key, counts);
        EXPECT_EQ(view.difficulty, c.shown);
        EXPECT_EQ(view.selected, c.selected);
        int marked_row = NO_ROW;
        for (int row = 0; row < counts[view.difficulty]; ++row) {
            if (RowMarked(&view, row)) marked_row = row;
        }
        EXPECT_EQ(marked_row, c.marked_row_shown);
    }
}
