// What the two high-score screens share: the profile, the tables as last
// read, the pictures and the keys' presses.
#pragma once

#include <string>

#include "graphics/bitmap.h"
#include "high_scores/high_scores.h"
#include "high_scores/initials.h"
#include "added_screens/key_presses.h"
#include "high_scores/table_view.h"
#include "profile/score_table.h"

struct ScoreScreens {
    Profile* profile = nullptr;
    ScoreTables tables;
    TableView view{};
    // One line under the table: what became of the last save, or why nothing is kept.
    std::string status;
    bool status_is_trouble = false;
    EndedGame game;  // the one whose initials are being entered
    int rank = 0;       // the place it takes, 1 for the best
    InitialsEntry initials{};
    std::string last_initials;
    // Presses since the screen shown was entered; started again on every entry.
    ScreenPresses keys{};
    BitmapImage table_picture{};
    BitmapImage initials_picture{};
};

extern ScoreScreens score_screens;

// The difficulties as the screens name them.
constexpr const char* DIFFICULTY_WORDS[] = {"EASY", "MEDIUM", "HARD"};

// True when the profile is open and its files can be written.
bool ProfileKeepsScores();
// Reads the tables afresh from the profile (empty without one).
void ReloadTables();
// The rows in each difficulty's table, as TableView counts them.
void CountRows(int* counts);
// Changes to a screen's state, its keys starting afresh there.
void EnterScreen(int state);
// Reads the keyboard and takes its presses for the screen shown.
void ReadScreenKeys();

void RunHighScoreTable();
void RunEnterInitials();
