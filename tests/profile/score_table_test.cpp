#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profile/score_table.h"

namespace {

ScoreEntry Entry(const char* initials, int score, std::string replay = "")
{
    return {initials, score, 3, false, "2024-05-01", std::move(replay)};
}

std::string Order(const std::vector<ScoreEntry>& table)
{
    std::string order;
    for (const ScoreEntry& entry : table) order += entry.initials + ":" + std::to_string(entry.score) + " ";
    return order;
}

}  // namespace

// Each case starts from a table of nine entries (900, 800, ... 100 by
// A01 ... A09) plus those listed, then inserts the last entry.
TEST(ScoreTable, RanksTiesAndTheFullTable)
{
    struct Case {
        const char* name;
        int before;  // entries of the nine added first
        int score;
        int rank;
        int size_after;
    };
    const Case cases[] = {
        {"best of an empty table", 0, 5, 1, 1},
        {"above all", 9, 1000, 1, 10},
        {"equal to the best goes below it", 9, 900, 2, 10},
        {"equal to the last of a table with room", 9, 100, 10, 10},
        {"between two", 9, 450, 6, 10},
        {"zero never enters", 0, 0, 0, 0},
        {"negative never enters", 0, -5, 0, 0},
    };
    for (const Case& test : cases) {
        ScoreTables tables;
        for (int i = 0; i < test.before; ++i) {
            const std::string initials = "A0" + std::to_string(i + 1);
            InsertScore(&tables, 1, Entry(initials.c_str(), 900 - 100 * i));
        }
        EXPECT_EQ(InsertScore(&tables, 1, Entry("NEW", test.score)), test.rank) << test.name;
        EXPECT_EQ(static_cast<int>(tables[1].size()), test.size_after) << test.name;
        if (test.rank > 0) {
            EXPECT_EQ(tables[1][test.rank - 1].initials, "NEW") << test.name;
        }
        EXPECT_TRUE(tables[0].empty() && tables[2].empty()) << test.name;
    }
}

TEST(ScoreTable, AFullTableDropsItsLastAndRefusesAnEqualLast)
{
    ScoreTables tables;
    for (int i = 0; i < SCORE_TABLE_SIZE; ++i) {
        InsertScore(&tables, 2, Entry("AAA", 1000 - 10 * i, "r" + std::to_string(i) + ".demo"));
    }
    EXPECT_FALSE(ScoreMakesTable(tables, 2, 910));
    ScoreEntry dropped;
    EXPECT_EQ(InsertScore(&tables, 2, Entry("BBB", 910), &dropped), 0);
    EXPECT_TRUE(dropped.replay.empty());
    EXPECT_TRUE(ScoreMakesTable(tables, 2, 911));
    EXPECT_EQ(InsertScore(&tables, 2, Entry("CCC", 911), &dropped), 10);
    EXPECT_EQ(dropped.replay, "r9.demo");
    EXPECT_EQ(tables[2].size(), static_cast<std::size_t>(SCORE_TABLE_SIZE));
    EXPECT_FALSE(ScoreMakesTable(tables, 3, 5000));
    EXPECT_FALSE(ScoreMakesTable(tables, -1, 5000));
}

TEST(ScoreTable, RoundTripKeepsEveryField)
{
    ScoreTables tables;
    InsertScore(&tables, 0, {"ABC", 41250, 4, false, "2024-05-01", "20240501-203015-easy.demo"});
    InsertScore(&tables, 0, {"Q7Z", 41250, 1, false, "2024-05-02", ""});
    InsertScore(&tables, 2, {"JMB", 2147483647, 10, true, "2024-12-31", "b.demo"});
    const std::string text = FormatScores(tables);
    ScoreTables read;
    const ParseOutcome outcome = ParseScores(text, &read);
    EXPECT_EQ(outcome.health, ParseOutcome::GOOD);
    EXPECT_EQ(outcome.kept, 3);
    EXPECT_EQ(FormatScores(read), text);
    EXPECT_EQ(Order(read[0]), "ABC:41250 Q7Z:41250 ");
    const ScoreEntry& best = read[2][0];
    EXPECT_TRUE(best.finished);
    EXPECT_EQ(best.level, 10);
    EXPECT_EQ(best.date, "2024-12-31");
    EXPECT_EQ(best.replay, "b.demo");
    EXPECT_EQ(text.substr(0, 18), "wavedart-scores 1\n");
}

TEST(ScoreTable, ReadsWhatItCanAndSaysWhatIsWrong)
{
    const std::string head = "wavedart-scores 1\n";
    const std::string good = "easy ABC 500 2 no 2024-05-01 -\n";
    struct Case {
        const char* name;
        std::string text;
        ParseOutcome::Health health;
        const char* problem;
        std::string easy_order;
    };
    const Case cases[] = {
        {"comments, blanks, CRLF and unknown lines", head + "# x\n\r\nrecord 9\n" +
             "easy XYZ 700 1 yes 2024-01-01 a.demo\r\n" + good + "end\n",
         ParseOutcome::GOOD, "", "XYZ:700 ABC:500 "},
        {"out of order, ties in file order", head + good + "easy BIG 900 1 no 2024-05-01 -\n" +
             "easy TIE 500 1 no 2024-05-01 -\nend\n",
         ParseOutcome::GOOD, "", "BIG:900 ABC:500 TIE:500 "},
        {"lines after end", head + good + "end\neasy AFT 900 1 no 2024-05-01 -\n", ParseOutcome::GOOD,
         "", "ABC:500 "},
        {"a newer game's words and lines", "wavedart-scores 2\nstreak 4\n" +
             std::string("easy ABC 500 2 no 2024-05-01 - 17 extra\nhard what is this\nend\n"),
         ParseOutcome::NEWER, "", "ABC:500 "},
        {"empty", "", ParseOutcome::DAMAGED, "is empty", ""},
        {"blank", " \n\n", ParseOutcome::DAMAGED, "is empty", ""},
        {"another kind", "wavedart-settings 1\nend\n", ParseOutcome::DAMAGED,
         "is not a wavedart-scores file", ""},
        {"version 0", "wavedart-scores 0\nend\n", ParseOutcome::DAMAGED, "is not a wavedart-scores file",
         ""},
        {"cut short", head + good + "easy XYZ 40", ParseOutcome::DAMAGED, "was cut short", "ABC:500 "},
        {"cut at a line's end", head + good, ParseOutcome::DAMAGED, "was cut short", "ABC:500 "},
        {"bad fields", head + good + "easy ab1 5 1 no 2024-05-01 -\neasy ABC 0 1 no 2024-05-01 -\n" +
             "easy ABC 5 0 no 2024-05-01 -\neasy ABC 5 100 no 2024-05-01 -\n" +
             "easy ABC 5 1 maybe 2024-05-01 -\neasy ABC 5 1 no 2024-13-01 -\n" +
             "easy ABC 2147483648 1 no 2024-05-01 -\neasy ABC -5 1 no 2024-05-01 -\n" +
             "easy ABC 5 1 no 2024-05-01\nend\n",
         ParseOutcome::DAMAGED, "has 9 damaged lines", "ABC:500 "},
        {"a replay name leading out", head + "easy OUT 900 1 no 2024-05-01 ../../x\n" + good + "end\n",
         ParseOutcome::DAMAGED, "has 1 damaged line", "OUT:900 ABC:500 "},
    };
    for (const Case& test : cases) {
        ScoreTables tables;
        const ParseOutcome outcome = ParseScores(test.text, &tables);
        EXPECT_EQ(outcome.health, test.health) << test.name;
        EXPECT_EQ(outcome.problem, test.problem) << test.name;
        EXPECT_EQ(Order(tables[0]), test.easy_order) << test.name;
        for (const ScoreEntry& entry : tables[0]) {
            EXPECT_TRUE(IsValidEntry(entry)) << test.name;
        }
    }
}

TEST(ScoreTable, KeepsTheBestTenOfALongerFile)
{
    std::string text = "wavedart-scores 1\n";
    for (int score = 1; score <= 15; ++score) {
        text += "medium ABC " + std::to_string(score) + " 1 no 2024-05-01 -\n";
    }
    ScoreTables tables;
    const ParseOutcome outcome = ParseScores(text + "end\n", &tables);
    EXPECT_EQ(outcome.kept, SCORE_TABLE_SIZE);
    ASSERT_EQ(tables[1].size(), static_cast<std::size_t>(SCORE_TABLE_SIZE));
    EXPECT_EQ(tables[1].front().score, 15);
    EXPECT_EQ(tables[1].back().score, 6);
}
