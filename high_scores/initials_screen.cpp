// The initials screen: the new score, the rank it takes and three letters;
// once they are confirmed the entry and its replay are kept and the table
// shows it.
#include <cstdio>
#include <string>

#include "app/game_state.h"
#include "app/menu_screens.h"
#include "graphics/display.h"
#include "graphics/text_log.h"
#include "high_scores/score_screens.h"
#include "high_scores/screen_layout.h"
#include "added_screens/screen_text.h"
#include "input/keyboard.h"
#include "profile/local_time.h"
#include "profile/replays.h"
#include "profile/scores.h"

namespace {

constexpr int FRAME_THICKNESS = 2;

const char* Ordinal(int number)
{
    if (number % 100 >= 11 && number % 100 <= 13) return "TH";
    switch (number % 10) {
    case 1:
        return "ST";
    case 2:
        return "ND";
    case 3:
        return "RD";
    default:
        return "TH";
    }
}

// A frame round the letter cell the keys change.
void FrameCell(int centre_x)
{
    const int left = centre_x - ENTRY_CELL_WIDTH / 2;
    const int right = left + ENTRY_CELL_WIDTH;
    const int bottom = ENTRY_CELL_TOP + ENTRY_CELL_HEIGHT;
    FillMark(left, ENTRY_CELL_TOP, right, ENTRY_CELL_TOP + FRAME_THICKNESS, MARK_LINE_INDEX);
    FillMark(left, bottom - FRAME_THICKNESS, right, bottom, MARK_LINE_INDEX);
    FillMark(left, ENTRY_CELL_TOP, left + FRAME_THICKNESS, bottom, MARK_LINE_INDEX);
    FillMark(right - FRAME_THICKNESS, ENTRY_CELL_TOP, right, bottom, MARK_LINE_INDEX);
}

void DrawInitialsScreen()
{
    ShowScreenImage(&score_screens.initials_picture);
    DrawTextCentred(FormatScoreText(score_screens.game.score), ENTRY_SCORE_CENTRE_X, ENTRY_VALUE_Y, TEXT_WHITE);
    char rank[32];
    std::snprintf(rank, sizeof rank, "%d%s ON %s", score_screens.rank, Ordinal(score_screens.rank),
                  DIFFICULTY_WORDS[score_screens.game.difficulty]);
    DrawTextCentred(rank, ENTRY_RANK_CENTRE_X, ENTRY_VALUE_Y, TEXT_WHITE);
    const InitialsEntry& initials = score_screens.initials;
    for (int i = 0; i < INITIALS_LENGTH; ++i) {
        const bool current = i == initials.cursor;
        if (current) FrameCell(ENTRY_CELL_CENTRE_X[i]);
        const char letter[2] = {initials.letters[i], 0};
        DrawText(letter, ENTRY_CELL_CENTRE_X[i] - TEXT_CHAR_WIDTH / 2,
                 ENTRY_CELL_TOP + (ENTRY_CELL_HEIGHT - TEXT_CHAR_HEIGHT) / 2, current ? TEXT_GOLD : TEXT_WHITE,
                 back_surface);
    }
    PresentFrame();
}

// Keeps the entry with its replay, then shows its table with the entry
// marked, or says what kept it out.
void KeepEntry()
{
    Profile& profile = *score_screens.profile;
    const EndedGame& game = score_screens.game;
    const std::string difficulty_name = DifficultyName(game.difficulty);
    ScoreEntry entry;
    entry.initials = score_screens.initials.letters;
    entry.score = game.score;
    entry.level = game.level;
    entry.finished = game.finished;
    entry.date = LocalDate();
    if (!game.replay.empty()) {
        entry.replay = WriteNewReplay(profile, LocalStamp() + "-" + difficulty_name + ".demo", game.replay);
    }
    const ScoreSave save = AddScore(profile, game.difficulty, entry);
    if (!save.dropped_replay.empty()) DeleteReplay(profile, save.dropped_replay);
    score_screens.last_initials = entry.initials;
    ReloadTables();
    int counts[TABLE_DIFFICULTIES];
    CountRows(counts);
    OpenTableView(&score_screens.view, game.difficulty, save.saved ? save.rank - 1 : NO_ROW, counts);
    const std::string what = entry.initials + " " + std::to_string(game.score) + " on " + difficulty_name;
    if (save.saved) {
        score_screens.status = "YOUR SCORE IS KEPT";
        score_screens.status_is_trouble = false;
    } else {
        if (!entry.replay.empty()) DeleteReplay(profile, entry.replay);
        const bool beaten = save.rank == 0 && profile.can_write &&
                            !ScoreMakesTable(score_screens.tables, game.difficulty, game.score);
        SayToPlayer("the high score " + what +
                    (beaten ? " no longer makes the table: other games beat it meanwhile"
                            : " could not be saved"));
        score_screens.status = beaten ? "OTHER GAMES BEAT THIS SCORE MEANWHILE" : "YOUR SCORE COULD NOT BE SAVED";
        score_screens.status_is_trouble = true;
    }
    score_screens.game.replay.clear();
    EnterScreen(STATE_HIGH_SCORES);
}

}  // namespace

void RunEnterInitials()
{
    ReadScreenKeys();
    for (int key = 0; key < 256; ++key) {
        if (KeyPressed(&score_screens.keys.presses, key) && PressInitialsKey(&score_screens.initials, key)) {
            KeepEntry();
            return;
        }
    }
    DrawInitialsScreen();
}
