// Any text given to the scores reader: what it keeps is a valid table, best
// first, that the writer writes and the reader reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "profile/score_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    ScoreTables tables;
    ParseScores(std::string_view(reinterpret_cast<const char*>(data), size), &tables);
    for (const std::vector<ScoreEntry>& table : tables) {
        if (table.size() > SCORE_TABLE_SIZE) std::abort();
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (!IsValidEntry(table[i]) || (i > 0 && table[i].score > table[i - 1].score)) std::abort();
        }
    }
    const std::string text = FormatScores(tables);
    ScoreTables again;
    if (ParseScores(text, &again).health != ParseOutcome::GOOD || FormatScores(again) != text) std::abort();
    return 0;
}
