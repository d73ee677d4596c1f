#include <cstdio>
#include <cstring>

#include "app/game_state.h"

namespace {

// Seven zeros, the longest int with its sign, and the terminator.
char score_work[7 + 11 + 1];
char score_text[9];

}  // namespace

const char* FormatScoreText(int value)
{
    std::snprintf(score_work, sizeof score_work, "0000000%d", value);
    const std::size_t length = std::strlen(score_work);
    std::snprintf(score_text, sizeof score_text, "%s", score_work + (length - 8));
    return score_text;
}
