// The high-score tables and their file, scores.txt:
//
//   wavedart-scores 1
//   # difficulty initials score level finished date replay
//   easy ABC 41250 4 no 2024-05-01 20240501-203015-easy.demo
//   easy Q7Z 8800 1 no 2024-05-02 -
//   hard JMB 96400 10 yes 2024-05-03 -
//   end
//
// One line per entry, best first within a difficulty: the difficulty (easy,
// medium, hard), three initials (each A-Z or 0-9), the score (1 to
// 2147483647), the level reached as the HUD shows it (1 to 99), whether the
// game was finished (yes or no), the local date (YYYY-MM-DD) and the file
// name of its replay in replays/ ("-" for none). Words after the seventh and
// lines starting with another word are a newer game's and are ignored. A
// line of a known difficulty that does not read is damage (a replay name that
// could lead out of replays/ only loses the entry its replay).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "profile/versioned_text.h"

constexpr int SCORES_VERSION = 1;
// The game's difficulty numbers: 0 easy, 1 medium, 2 hard.
constexpr int SCORE_DIFFICULTIES = 3;
constexpr int SCORE_TABLE_SIZE = 10;

struct ScoreEntry {
    std::string initials;  // three of A-Z and 0-9
    int score = 0;
    int level = 1;         // 1-based, as on the HUD
    bool finished = false;
    std::string date;      // YYYY-MM-DD, local
    std::string replay;    // file name in replays/, empty for none
};

// Each table best first, at most SCORE_TABLE_SIZE entries.
using ScoreTables = std::array<std::vector<ScoreEntry>, SCORE_DIFFICULTIES>;

// "easy", "medium", "hard"; null for any other number.
const char* DifficultyName(int difficulty);
bool IsValidEntry(const ScoreEntry& entry);

// Whether a score would enter the difficulty's table: above zero, and above
// the last entry of a full table (an equal score goes below those there).
bool ScoreMakesTable(const ScoreTables& tables, int difficulty, int score);
// Puts the entry in its place, below any equal score. Returns its rank, 1 for
// the best, or 0 when it does not make the table. An entry pushed off the end
// is given in *dropped (when not null), else *dropped is left alone.
int InsertScore(ScoreTables* tables, int difficulty, const ScoreEntry& entry,
                ScoreEntry* dropped = nullptr);

std::string FormatScores(const ScoreTables& tables);
// Reads what it can of a scores file into *tables (emptied first).
ParseOutcome ParseScores(std::string_view text, ScoreTables* tables);
