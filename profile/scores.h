// The high scores of an open profile (the tables and their file are in
// profile/score_table.h). Each call holds the profile's lock and reads the
// file afresh, so another game's saves are never lost.
#pragma once

#include <string>

#include "profile/profile.h"
#include "profile/score_table.h"

// The tables as they are on the disk; empty tables without a profile.
ScoreTables LoadScores(Profile& profile);

struct ScoreSave {
    int rank = 0;        // 1 for the best; 0 when it did not make the table
    bool saved = false;  // the table with it is on the disk
    // The replay of the entry this one pushed off the table, when no entry
    // names it any more: the caller deletes it (DeleteReplay). Empty if none.
    std::string dropped_replay;
};

// Locks the profile, re-reads its tables, puts the entry in its place and
// writes them back. An entry that did not make the table leaves the file as
// it was, and its replay is the caller's to delete. An invalid entry is
// refused (rank 0), as is everything without a profile that can be written.
ScoreSave AddScore(Profile& profile, int difficulty, const ScoreEntry& entry);
