#include <gtest/gtest.h>

#include "profile/score_table.h"

namespace {

std::string Order(const std::vector<ScoreEntry>& table)
{
    std::string order;
    for (const ScoreEntry& entry : table) order += entry.initials[0] + std::to_string(entry.score) + " ";
    return order;
}

}  // namespace

// From a medium table of A entries, one N entry more.
TEST(ScoreTable, HigherFirstEqualBelowZeroNever)
{
    const std::vector<int> full = {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
    struct Case {
        std::vector<int> before;
        int score, rank;
        const char* after;
        int dropped;
    };
    const Case cases[] = {
        {{}, 5, 1, "N5 ", 0},
        {{900, 500}, 900, 2, "A900 N900 A500 ", 0},
        {{900, 500}, 700, 2, "A900 N700 A500 ", 0},
        {{900, 500}, 500, 3, "A900 A500 N500 ", 0},
        {full, 100, 0, "A1000 A900 A800 A700 A600 A500 A400 A300 A200 A100 ", 0},
        {full, 101, 10, "A1000 A900 A800 A700 A600 A500 A400 A300 A200 N101 ", 100},
        {full, 5000, 1, "N5000 A1000 A900 A800 A700 A600 A500 A400 A300 A200 ", 100},
        {{}, 0, 0, "", 0},
        {{}, -5, 0, "", 0},
    };
    for (const Case& test : cases) {
        ScoreTables tables;
        for (const int score : test.before) {
            InsertScore(&tables, 1, {"AAA", score, 1, false, "2024-05-01", ""});
        }
        ScoreEntry dropped;
        EXPECT_EQ(ScoreMakesTable(tables, 1, test.score), test.rank > 0) << test.after;
        EXPECT_EQ(InsertScore(&tables, 1, {"NNN", test.score, 1, false, "2024-05-01", ""}, &dropped),
                  test.rank);
        EXPECT_EQ(Order(tables[1]), test.after);
        EXPECT_EQ(dropped.score, test.dropped) << test.after;
        EXPECT_TRUE(tables[0].empty() && tables[2].empty());
    }
    EXPECT_FALSE(ScoreMakesTable({}, 3, 100));
    EXPECT_FALSE(ScoreMakesTable({}, -1, 100));
}

// Written back from the entries, the text is the same: every field was read.
TEST(ScoreTable, WritesBackWhatItReads)
{
    const std::string text =
        "wavedart-scores 1\n# difficulty initials score level finished date replay\n"
        "easy ABC 41250 4 no 2024-05-01 20240501-203015-easy.demo\neasy Q7Z 41250 1 no 2024-05-02 -\n"
        "hard JMB 2147483647 10 yes 2024-12-31 -\nend\n";
    ScoreTables tables;
    EXPECT_EQ(ParseScores(text, &tables).kept, 3);
    EXPECT_EQ(FormatScores(tables), text);
}

TEST(ScoreTable, ReadsWhatItCanAndSaysWhatIsWrong)
{
    const std::string head = "wavedart-scores 1\n";
    const std::string good = "easy ABC 500 2 no 2024-05-01 -\n";
    std::string eleven;
    for (int score = 1; score <= 11; ++score) {
        eleven += "easy ABC " + std::to_string(score) + " 1 no 2024-05-01 -\n";
    }
    struct Case {
        std::string text;
        ParseOutcome::Health health;
        const char* problem;
        const char* easy;
    };
    const Case cases[] = {
        {head + "# x\n\r\nrecord 9\neasy XYZ 700 1 yes 2024-01-01 a.demo\r\n" + good + "end\n",
         ParseOutcome::GOOD, "", "X700 A500 "},
        {head + good + "easy BIG 900 1 no 2024-05-01 -\neasy TIE 500 1 no 2024-05-01 -\nend\n",
         ParseOutcome::GOOD, "", "B900 A500 T500 "},
        {head + eleven + "end\n", ParseOutcome::GOOD, "", "A11 A10 A9 A8 A7 A6 A5 A4 A3 A2 "},
        {head + good + "end\neasy AFT 900 1 no 2024-05-01 -\n", ParseOutcome::GOOD, "", "A500 "},
        {"wavedart-scores 2\nstreak 4\neasy ABC 500 2 no 2024-05-01 - 17 x\nhard what\nend\n",
         ParseOutcome::NEWER, "", "A500 "},
        {"", ParseOutcome::DAMAGED, "is empty", ""},
        {" \n\n", ParseOutcome::DAMAGED, "is empty", ""},
        {"wavedart-settings 1\nend\n", ParseOutcome::DAMAGED, "is not a wavedart-scores file", ""},
        {"wavedart-scores 0\nend\n", ParseOutcome::DAMAGED, "is not a wavedart-scores file", ""},
        {head + good + "easy XYZ 40", ParseOutcome::DAMAGED, "was cut short", "A500 "},
        {head + good, ParseOutcome::DAMAGED, "was cut short", "A500 "},
        {head + good + "easy ab1 5 1 no 2024-05-01 -\neasy ABC 0 1 no 2024-05-01 -\n" +
             "easy ABC 5 0 no 2024-05-01 -\neasy ABC 5 100 no 2024-05-01 -\n" +
             "easy ABC 5 1 maybe 2024-05-01 -\neasy ABC 5 1 no 2024-13-01 -\n" +
             "easy ABC 2147483648 1 no 2024-05-01 -\neasy ABC -5 1 no 2024-05-01 -\n" +
             "easy ABC 5 1 no 2024-05-01\nend\n",
         ParseOutcome::DAMAGED, "has 9 damaged lines", "A500 "},
        {head + "easy OUT 900 1 no 2024-05-01 ../../x\n" + good + "end\n", ParseOutcome::DAMAGED,
         "has 1 damaged line", "O900 A500 "},
    };
    for (const Case& test : cases) {
        ScoreTables tables;
        const ParseOutcome outcome = ParseScores(test.text, &tables);
        EXPECT_EQ(outcome.health, test.health) << test.text;
        EXPECT_EQ(outcome.problem, test.problem) << test.text;
        EXPECT_EQ(Order(tables[0]), test.easy) << test.text;
        EXPECT_EQ(outcome.kept, static_cast<int>(tables[0].size()));
        for (const ScoreEntry& entry : tables[0]) EXPECT_TRUE(IsValidEntry(entry)) << test.text;
    }
}
