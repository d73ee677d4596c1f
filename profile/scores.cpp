#include "profile/scores.h"

#include "profile/profile_files.h"

namespace {

LoadedText LoadTables(const ProfileLock& lock, ScoreTables* tables)
{
    return LoadProfileText(lock, SCORES_FILE, "score",
                           [tables](std::string_view text) { return ParseScores(text, tables); });
}

bool Named(const ScoreTables& tables, const std::string& replay)
{
    for (const std::vector<ScoreEntry>& table : tables) {
        for (const ScoreEntry& entry : table) {
            if (entry.replay == replay) return true;
        }
    }
    return false;
}

}  // namespace

ScoreTables LoadScores(Profile& profile)
{
    return LoadRecords(profile, SCORES_FILE, "score", ParseScores);
}

ScoreSave AddScore(Profile& profile, int difficulty, const ScoreEntry& entry)
{
    ScoreSave save;
    if (!profile.can_write || !IsValidEntry(entry)) return save;
    const ProfileLock lock(profile);
    if (!lock.Held()) return save;
    ScoreTables tables;
    const LoadedText replaced = LoadTables(lock, &tables);
    ScoreEntry dropped;
    save.rank = InsertScore(&tables, difficulty, entry, &dropped);
    if (save.rank == 0) return save;
    save.saved = SaveProfileText(lock, SCORES_FILE, replaced, FormatScores(tables));
    if (save.saved && !Named(tables, dropped.replay)) save.dropped_replay = dropped.replay;
    return save;
}
