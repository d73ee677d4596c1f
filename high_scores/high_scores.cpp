#include "high_scores/high_scores.h"

#include <algorithm>
#include <utility>

#include "added_screens/screen_text.h"
#include "app/game_state.h"
#include "high_scores/score_screens.h"
#include "input/keyboard.h"
#include "profile/scores.h"

ScoreScreens score_screens;
int (*play_entry_replay)(const std::string& name) = nullptr;

namespace {

int MainMenuKeys()
{
    if (!KeyState[DIK_H]) return 0;
    ReloadTables();
    int counts[TABLE_DIFFICULTIES];
    CountRows(counts);
    OpenTableView(&score_screens.view, difficulty, NO_ROW, counts);
    score_screens.status.clear();
    score_screens.status_is_trouble = false;
    EnterScreen(STATE_HIGH_SCORES);
    return 1;
}

// Where a score goes in its table: below every entry with as much or more.
int RankOf(const std::vector<ScoreEntry>& table, int score)
{
    int rank = 1;
    for (const ScoreEntry& entry : table) rank += entry.score >= score ? 1 : 0;
    return rank;
}

}  // namespace

bool ProfileKeepsScores()
{
    return score_screens.profile && score_screens.profile->can_write;
}

void ReloadTables()
{
    score_screens.tables = score_screens.profile ? LoadScores(*score_screens.profile) : ScoreTables{};
}

void CountRows(int* counts)
{
    for (int d = 0; d < TABLE_DIFFICULTIES; ++d) {
        counts[d] = static_cast<int>(score_screens.tables[static_cast<size_t>(d)].size());
    }
}

void EnterScreen(int state)
{
    game_state = state;
    score_screens.keys.started = false;
}

void ReadScreenKeys()
{
    ReadKeyboard();
    TakeScreenPresses(&score_screens.keys, KeyState);
}

void InstallHighScores(Profile* profile)
{
    score_screens.profile = profile && !profile->folder.empty() ? profile : nullptr;
    LoadScreenPicture(&score_screens.table_picture, "menuart/high_scores_screen.bmp");
    LoadScreenPicture(&score_screens.initials_picture, "menuart/new_high_score_screen.bmp");
    AddMainMenuKeys(MainMenuKeys);
    app_extensions.screens[STATE_HIGH_SCORES - STATE_EXTRA_FIRST] = RunHighScoreTable;
    app_extensions.screens[STATE_ENTER_INITIALS - STATE_EXTRA_FIRST] = RunEnterInitials;
}

void UninstallHighScores()
{
    RemoveMainMenuKeys(MainMenuKeys);
    app_extensions.screens[STATE_HIGH_SCORES - STATE_EXTRA_FIRST] = nullptr;
    app_extensions.screens[STATE_ENTER_INITIALS - STATE_EXTRA_FIRST] = nullptr;
    DestroyBitmapImage(&score_screens.table_picture);
    DestroyBitmapImage(&score_screens.initials_picture);
    score_screens = ScoreScreens{};
}

int OfferFinishedGame(EndedGame game)
{
    if (!ProfileKeepsScores() || game.difficulty < 0 || game.difficulty >= TABLE_DIFFICULTIES) return 0;
    ReloadTables();
    if (!ScoreMakesTable(score_screens.tables, game.difficulty, game.score)) return 0;
    game.level = std::clamp(game.level, 1, MAX_LEVELS);
    score_screens.rank = RankOf(score_screens.tables[static_cast<size_t>(game.difficulty)], game.score);
    score_screens.game = std::move(game);
    StartInitials(&score_screens.initials, score_screens.last_initials.c_str());
    EnterScreen(STATE_ENTER_INITIALS);
    return 1;
}
