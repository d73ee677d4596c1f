// The table screen and the initials screen in the running game: what opens
// them, what they show, and what ends up in the profile.
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include "tests/high_scores/high_scores_fixture.h"

namespace fs = std::filesystem;

namespace {

std::string replay_played;

int PlayReplayToMainMenu(const std::string& name)
{
    replay_played = name;
    game_state = STATE_MAIN_MENU;
    return 1;
}

bool ShowsCentred(const char* text, int y, ColourTest test)
{
    return ShowsText(text, 320 - 4 * static_cast<int>(std::strlen(text)), y, test);
}

bool ShowsLetter(int cell, const char* letter, ColourTest test)
{
    return ShowsText(letter, ENTRY_CELL_CENTRE_X[cell] - 4, ENTRY_CELL_TOP + 12, test);
}

}  // namespace

TEST_F(HighScoresTest, HOpensTheTableOnlyWhenNoOtherMenuKeyActed)
{
    InstallHighScores(&profile);
    // Aggregates, so that each list's array lives as long as the table.
    const struct {
        std::initializer_list<int> keys;
        int next_state;
    } cases[] = {
        {{DIK_H}, STATE_HIGH_SCORES},
        {{DIK_N, DIK_H}, STATE_NEW_GAME_MENU},
        {{DIK_ESCAPE, DIK_H}, STATE_QUIT},
    };
    for (const auto& c : cases) {
        game_state = STATE_MAIN_MENU;
        Frame(c.keys);
        EXPECT_EQ(game_state, c.next_state);
    }
}

TEST_F(HighScoresTest, AScoreMakesTheTableAboveTheLastOfAFullOneAndTakesItsRank)
{
    for (int i = 1; i <= 10; ++i) Keep(0, "EAS", 1000 * i);
    Keep(1, "MED", 500);
    Keep(1, "MED", 300);
    InstallHighScores(&profile);
    struct Case {
        int difficulty;
        int score;
        const char* rank;  // as the screen shows it, null when it does not make the table
    };
    const Case cases[] = {
        {0, 1000, nullptr},       {0, 1001, "10TH ON EASY"}, {0, 10000, "2ND ON EASY"},
        {1, 299, "3RD ON MEDIUM"}, {1, 0, nullptr},           {2, 5, "1ST ON HARD"},
        {3, 5000, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        EXPECT_EQ(GameOver(c.difficulty, c.score), c.rank ? 1 : 0);
        EXPECT_EQ(game_state, c.rank ? STATE_ENTER_INITIALS : STATE_GAME_OVER);
        if (!c.rank) continue;
        Frame();
        const int width = 8 * static_cast<int>(std::strlen(c.rank));
        EXPECT_TRUE(ShowsText(c.rank, ENTRY_RANK_CENTRE_X - width / 2, ENTRY_VALUE_Y, IsWhite));
        EXPECT_TRUE(ShowsText(FormatScoreText(c.score), ENTRY_SCORE_CENTRE_X - 32, ENTRY_VALUE_Y, IsWhite));
    }
}

TEST_F(HighScoresTest, InitialsTypedAndChosenAreKeptWithTheReplayAndMarkedInTheTable)
{
    Keep(0, "TOP", 5000);
    for (int i = 0; i < 8; ++i) Keep(0, "MID", 3000);
    Keep(0, "LOW", 1000, "low.demo");
    WriteText(scratch.path / "replays" / "low.demo", "wavedart-demo 1\n");
    Keep(1, "MED", 9000);
    InstallHighScores(&profile);
    const std::string replay = "wavedart-demo 1\nthe game's keys\n";
    Frame({DIK_SPACE});  // held from play into the end
    ASSERT_EQ(GameOver(0, 4000, replay), 1);
    Frame({DIK_SPACE});
    Frame();
    EXPECT_TRUE(ShowsLetter(0, "A", IsGold)) << "the current letter";
    EXPECT_TRUE(ShowsLetter(1, "A", IsWhite));
    for (const int key : {DIK_Z, DIK_DOWN, DIK_RETURN, DIK_UP}) Tap(key);
    EXPECT_TRUE(ShowsLetter(1, "9", IsWhite));
    EXPECT_TRUE(ShowsLetter(2, "B", IsGold));
    Tap(DIK_SPACE);
    ASSERT_EQ(game_state, STATE_HIGH_SCORES);

    const ScoreTables tables = LoadScores(profile);
    ASSERT_EQ(tables[0].size(), 10u);
    EXPECT_FALSE(fs::exists(scratch.path / "replays" / "low.demo")) << "the replay of the entry pushed off";
    const ScoreEntry& kept = tables[0][1];
    EXPECT_EQ(kept.initials, "Z9B");
    EXPECT_EQ(kept.score, 4000);
    EXPECT_EQ(kept.level, 3);
    EXPECT_EQ(kept.date.size(), 10u);
    EXPECT_TRUE(kept.replay.ends_with("-easy.demo")) << kept.replay;
    EXPECT_EQ(ReadText(scratch.path / "replays" / kept.replay), replay);
    EXPECT_EQ(tables[1].size(), 1u) << "the other tables stay";

    EXPECT_TRUE(ShowsText("Z9B", TABLE_INITIALS_X, RowY(1), IsGold)) << "the new entry is marked";
    EXPECT_TRUE(ShowsText("YES", TABLE_REPLAY_X, RowY(1), IsGold));
    EXPECT_TRUE(ShowsCentred("YOUR SCORE IS KEPT", TABLE_STATUS_Y, IsGold));
    Tap(DIK_RIGHT);
    EXPECT_FALSE(ShowsCentred("YOUR SCORE IS KEPT", TABLE_STATUS_Y, IsGold)) << "said of the easy table";

    // The next entry starts from the initials entered last.
    ASSERT_EQ(GameOver(2, 700), 1);
    Frame();
    EXPECT_TRUE(ShowsLetter(0, "Z", IsGold));
}

TEST_F(HighScoresTest, ASaveThatFailsIsSaidOnStderrAndOnTheScreenAndTheGameGoesOn)
{
    Keep(0, "TOP", 5000);
    const std::string scores_before = ReadText(scratch.path / "scores.txt");
    std::string said;
    const int failures = RunInChild(
        [&] {
            InstallHighScores(&profile);
            signal(SIGXFSZ, SIG_IGN);
            const rlimit none = {0, 0};
            setrlimit(RLIMIT_FSIZE, &none);
            int failed = GameOver(0, 4000, "wavedart-demo 1\n") == 1 ? 0 : 1;
            Frame();
            for (const int key : {DIK_RETURN, DIK_RETURN, DIK_RETURN}) Tap(key);
            failed += game_state == STATE_HIGH_SCORES ? 0 : 2;
            failed += ShowsCentred("YOUR SCORE COULD NOT BE SAVED", TABLE_STATUS_Y, IsAlert) ? 0 : 4;
            failed += ShowsText("TOP", TABLE_INITIALS_X, RowY(0), IsWhite) ? 0 : 8;
            Tap(DIK_BACK);
            failed += game_state == STATE_MAIN_MENU ? 0 : 16;
            return failed;
        },
        &said);
    EXPECT_EQ(failures, 0);
    // Why, from the profile (once a run), and what it cost.
    EXPECT_EQ(said, "wavedart: cannot save in " + scratch.path.string() +
                        " (File too large); scores will not be kept\n"
                        "wavedart: the high score AAA 4000 on easy could not be saved\n");
    EXPECT_EQ(ReadText(scratch.path / "scores.txt"), scores_before);
    EXPECT_TRUE(fs::is_empty(scratch.path / "replays"));
}

TEST_F(HighScoresTest, WithoutAProfileOrOneThatCannotBeWrittenTheEndScreensStay)
{
    Keep(1, "RED", 800);
    Profile read_only;
    read_only.folder = scratch.path;
    for (Profile* kept : {static_cast<Profile*>(nullptr), &read_only}) {
        SCOPED_TRACE(kept ? "a profile that cannot be written" : "no profile");
        InstallHighScores(kept);
        EXPECT_EQ(GameOver(1, 900), 0);
        Frame();
        EXPECT_EQ(game_state, STATE_GAME_OVER);
        Tap(DIK_BACK);
        difficulty = 1;
        Tap(DIK_H);
        ASSERT_EQ(game_state, STATE_HIGH_SCORES);
        EXPECT_EQ(ShowsText("RED", TABLE_INITIALS_X, RowY(0), IsWhite), kept != nullptr);
        EXPECT_EQ(ShowsCentred("NO FOLDER FOR THE PLAYER'S FILES: SCORES ARE NOT KEPT", TABLE_NOTE_Y, IsWhite),
                  kept == nullptr);
        UninstallHighScores();
        game_state = STATE_MAIN_MENU;
    }
    EXPECT_EQ(LoadScores(profile)[1].size(), 1u);
}

TEST_F(HighScoresTest, TheTableShowsADifficultyWithTheChosenRowBarredAndPlaysItsReplay)
{
    Keep(0, "EA1", 700);
    Keep(1, "REP", 900, "best.demo");
    Keep(1, "NOR", 800);
    InstallHighScores(&profile);
    difficulty = 1;
    Tap(DIK_H);
    ASSERT_EQ(game_state, STATE_HIGH_SCORES);
    EXPECT_TRUE(ShowsText("REP", TABLE_INITIALS_X, RowY(0), IsWhite)) << "opens on the last difficulty chosen";
    EXPECT_TRUE(ShowsText("1.", TABLE_RANK_RIGHT_X - 16, RowY(0), IsWhite));
    EXPECT_TRUE(ShowsText("00000900", TABLE_SCORE_RIGHT_X - 64, RowY(0), IsWhite));
    EXPECT_TRUE(ShowsText("2", TABLE_LEVEL_RIGHT_X - 8, RowY(0), IsWhite));
    EXPECT_TRUE(ShowsText("NO", TABLE_FINISHED_X, RowY(0), IsWhite));
    EXPECT_TRUE(ShowsText("2024-05-01", TABLE_DATE_X, RowY(0), IsWhite));
    const auto barred = [](int row) {
        const HeadlessFrame* frame = HeadlessLastFrame();
        const PlatformColour bar = frame->palette[MARK_BAR_INDEX];
        const PlatformColour shown = HeadlessFrameColour(frame, TABLE_BOX_LEFT + 10, RowY(row));
        return shown.red == bar.red && shown.green == bar.green && shown.blue == bar.blue;
    };
    EXPECT_TRUE(barred(0));
    EXPECT_FALSE(barred(1));
    Tap(DIK_RETURN);
    EXPECT_TRUE(ShowsCentred("THIS REPLAY CANNOT BE PLAYED", TABLE_STATUS_Y, IsAlert));
    Tap(DIK_DOWN);
    EXPECT_FALSE(barred(0));
    EXPECT_TRUE(barred(1));
    Tap(DIK_SPACE);
    EXPECT_TRUE(ShowsCentred("NO REPLAY WAS KEPT OF THIS GAME", TABLE_STATUS_Y, IsGold));
    Tap(DIK_RIGHT);
    EXPECT_TRUE(ShowsCentred("NO SCORES ON HARD YET", TABLE_NOTE_Y, IsWhite));
    EXPECT_FALSE(barred(0));
    Tap(DIK_RIGHT);
    EXPECT_TRUE(ShowsText("EA1", TABLE_INITIALS_X, RowY(0), IsWhite));
    Tap(DIK_BACK);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);

    play_entry_replay = PlayReplayToMainMenu;
    difficulty = 1;
    Frame({DIK_H, DIK_RETURN});
    Frame({DIK_RETURN});
    EXPECT_EQ(game_state, STATE_HIGH_SCORES) << "Enter held with H plays nothing";
    Frame();
    Tap(DIK_RETURN);
    EXPECT_EQ(replay_played, "best.demo");
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    // The replay ends on a press of Space, still held as the table comes back.
    replay_played.clear();
    game_state = STATE_HIGH_SCORES;
    Frame({DIK_SPACE});
    Frame({DIK_SPACE});
    EXPECT_TRUE(replay_played.empty());
}

TEST_F(HighScoresTest, AScoreThatOtherGamesBeatWhileItsInitialsWereEnteredIsNotKept)
{
    for (int i = 1; i <= 9; ++i) Keep(0, "OLD", 1000 * i);
    InstallHighScores(&profile);
    ASSERT_EQ(GameOver(0, 500, "wavedart-demo 1\nbeaten\n"), 1);
    Frame();
    Profile other_game;
    OpenProfile(scratch.path, &other_game);
    for (int i = 0; i < 2; ++i) AddScore(other_game, 0, {"NEW", 700, 1, false, "2024-05-02", ""});
    CloseProfile(&other_game);
    const std::string said = Said([] {
        for (const int key : {DIK_RETURN, DIK_RETURN, DIK_RETURN}) Tap(key);
    });
    EXPECT_EQ(said, "wavedart: the high score AAA 500 on easy no longer makes the table: other games beat it "
                    "meanwhile\n");
    EXPECT_EQ(game_state, STATE_HIGH_SCORES);
    EXPECT_TRUE(ShowsCentred("OTHER GAMES BEAT THIS SCORE MEANWHILE", TABLE_STATUS_Y, IsAlert));
    EXPECT_TRUE(ShowsText("NEW", TABLE_INITIALS_X, RowY(9), IsWhite)) << "the table as the other game left it";
    EXPECT_TRUE(fs::is_empty(scratch.path / "replays")) << "the replay of a score not kept";
}
