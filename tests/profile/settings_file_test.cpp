#include <gtest/gtest.h>

#include "profile/settings_file.h"

// What is kept is written back in the order read, a key's last value in its
// first place, and reads back the same.
TEST(SettingsFile, ReadsWhatItCanAndSaysWhatIsWrong)
{
    const std::string head = "wavedart-settings 1\n";
    struct Case {
        std::string text;
        ParseOutcome::Health health;
        const char* problem;
        const char* written;  // the pairs kept, as the writer puts them
    };
    const Case cases[] = {
        {head + "  # note = no\n\n\t volume\t=  8 \r\nempty =\ntitle = a # b = c\nend\n", ParseOutcome::GOOD, "",
         "volume = 8\nempty = \ntitle = a # b = c\n"},
        {head + "a = 1\nb = 2\na = 3\nend\n", ParseOutcome::GOOD, "", "a = 3\nb = 2\n"},
        {head + "[section]\na = 1\nend\n", ParseOutcome::GOOD, "", "a = 1\n"},
        {"wavedart-settings 3\na = 1\nb c = 2\nend\n", ParseOutcome::NEWER, "", "a = 1\n"},
        {"", ParseOutcome::DAMAGED, "is empty", ""},
        {"wavedart-scores 1\nend\n", ParseOutcome::DAMAGED, "is not a wavedart-settings file", ""},
        {head + "a = 1\nb = 2", ParseOutcome::DAMAGED, "was cut short", "a = 1\nb = 2\n"},
        {head + "a = 1\n= 2\nb c = 3\nd/e = 4\nf = x\x01y\n" + std::string(65, 'k') +
             " = 5\ng = " + std::string(257, 'v') + "\nend\n",
         ParseOutcome::DAMAGED, "has 6 damaged lines", "a = 1\n"},
    };
    for (const Case& test : cases) {
        Settings settings;
        const ParseOutcome outcome = ParseSettings(test.text, &settings);
        EXPECT_EQ(outcome.health, test.health) << test.text;
        EXPECT_EQ(outcome.problem, test.problem) << test.text;
        EXPECT_EQ(FormatSettings(settings), head + test.written + "end\n") << test.text;
        Settings again;
        ParseSettings(FormatSettings(settings), &again);
        EXPECT_EQ(FormatSettings(again), FormatSettings(settings));
    }
}
