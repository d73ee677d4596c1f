#include "profile/score_table.h"

#include <climits>

#include "profile/replay_name.h"

namespace {

constexpr const char* SCORES_KIND = "wavedart-scores";
constexpr const char* DIFFICULTY_NAMES[SCORE_DIFFICULTIES] = {"easy", "medium", "hard"};
constexpr int MAX_LEVEL = 99;
constexpr std::string_view NO_REPLAY = "-";

bool IsInitial(char letter)
{
    return (letter >= 'A' && letter <= 'Z') || (letter >= '0' && letter <= '9');
}

bool IsDigits(std::string_view text)
{
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool IsDate(std::string_view date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return false;
    if (!IsDigits(date.substr(0, 4)) || !IsDigits(date.substr(5, 2)) || !IsDigits(date.substr(8, 2))) {
        return false;
    }
    const int month = (date[5] - '0') * 10 + (date[6] - '0');
    const int day = (date[8] - '0') * 10 + (date[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

int DifficultyNumber(std::string_view name)
{
    for (int difficulty = 0; difficulty < SCORE_DIFFICULTIES; ++difficulty) {
        if (name == DIFFICULTY_NAMES[difficulty]) return difficulty;
    }
    return -1;
}

enum class LineRead { ENTRY, ENTRY_WITHOUT_REPLAY, DAMAGED };

// words: a line whose first word is a difficulty.
LineRead ReadEntry(const std::vector<std::string_view>& words, ScoreEntry* entry)
{
    constexpr std::size_t FIELDS = 7;
    long long score = 0, level = 0;
    if (words.size() < FIELDS || !ParseCount(words[2], INT_MAX, &score) ||
        !ParseCount(words[3], MAX_LEVEL, &level) || (words[4] != "yes" && words[4] != "no")) {
        return LineRead::DAMAGED;
    }
    entry->initials = words[1];
    entry->score = static_cast<int>(score);
    entry->level = static_cast<int>(level);
    entry->finished = words[4] == "yes";
    entry->date = words[5];
    entry->replay.clear();
    if (words[6] != NO_REPLAY) entry->replay = words[6];
    if (IsValidEntry(*entry)) return LineRead::ENTRY;
    entry->replay.clear();
    return IsValidEntry(*entry) ? LineRead::ENTRY_WITHOUT_REPLAY : LineRead::DAMAGED;
}

}  // namespace

const char* DifficultyName(int difficulty)
{
    return difficulty >= 0 && difficulty < SCORE_DIFFICULTIES ? DIFFICULTY_NAMES[difficulty] : nullptr;
}

bool IsValidEntry(const ScoreEntry& entry)
{
    const std::string& initials = entry.initials;
    return initials.size() == 3 && IsInitial(initials[0]) && IsInitial(initials[1]) &&
           IsInitial(initials[2]) && entry.score > 0 && entry.level >= 1 && entry.level <= MAX_LEVEL &&
           IsDate(entry.date) && (entry.replay.empty() || IsReplayName(entry.replay));
}

bool ScoreMakesTable(const ScoreTables& tables, int difficulty, int score)
{
    if (!DifficultyName(difficulty) || score <= 0) return false;
    const std::vector<ScoreEntry>& table = tables[difficulty];
    return table.size() < SCORE_TABLE_SIZE || score > table.back().score;
}

int InsertScore(ScoreTables* tables, int difficulty, const ScoreEntry& entry, ScoreEntry* dropped)
{
    if (!ScoreMakesTable(*tables, difficulty, entry.score)) return 0;
    std::vector<ScoreEntry>& table = (*tables)[difficulty];
    std::size_t place = 0;
    while (place < table.size() && table[place].score >= entry.score) ++place;
    table.insert(table.begin() + static_cast<std::ptrdiff_t>(place), entry);
    if (table.size() > SCORE_TABLE_SIZE) {
        if (dropped) *dropped = table.back();
        table.pop_back();
    }
    return static_cast<int>(place) + 1;
}

std::string FormatScores(const ScoreTables& tables)
{
    std::string text = FormatVersionLine(SCORES_KIND, SCORES_VERSION);
    text += "# difficulty initials score level finished date replay\n";
    for (int difficulty = 0; difficulty < SCORE_DIFFICULTIES; ++difficulty) {
        for (const ScoreEntry& entry : tables[difficulty]) {
            text += std::string(DIFFICULTY_NAMES[difficulty]) + " " + entry.initials + " " +
                    std::to_string(entry.score) + " " + std::to_string(entry.level) + " " +
                    (entry.finished ? "yes" : "no") + " " + entry.date + " " +
                    (entry.replay.empty() ? std::string(NO_REPLAY) : entry.replay) + "\n";
        }
    }
    return text + END_LINE;
}

ParseOutcome ParseScores(std::string_view text, ScoreTables* tables)
{
    *tables = {};
    VersionedText split;
    ParseOutcome outcome = SplitVersionedText(text, SCORES_KIND, SCORES_VERSION, &split);
    // A newer game may mean other things by its lines: what does not read is
    // its own, not damage.
    const bool strict = split.version <= SCORES_VERSION;
    int damaged_lines = 0;
    for (const std::string_view line : split.lines) {
        const std::vector<std::string_view> words = Words(line);
        const int difficulty = DifficultyNumber(words[0]);
        if (difficulty < 0) continue;
        ScoreEntry entry;
        const LineRead read = ReadEntry(words, &entry);
        if (read != LineRead::ENTRY && strict) ++damaged_lines;
        if (read == LineRead::DAMAGED) continue;
        InsertScore(tables, difficulty, entry);
    }
    for (const std::vector<ScoreEntry>& table : *tables) outcome.kept += static_cast<int>(table.size());
    NoteDamagedLines(damaged_lines, &outcome);
    return outcome;
}
