#include <gtest/gtest.h>

#include "profile/settings_file.h"

TEST(SettingsFile, RoundTripKeepsOrderAndValues)
{
    Settings settings;
    SetSetting(&settings, "volume", "8");
    SetSetting(&settings, "fullscreen", "no");
    SetSetting(&settings, "title", "a # b = c");
    SetSetting(&settings, "volume", "5");
    const std::string text = FormatSettings(settings);
    EXPECT_EQ(text, "wavedart-settings 1\nvolume = 5\nfullscreen = no\ntitle = a # b = c\nend\n");
    Settings read;
    EXPECT_EQ(ParseSettings(text, &read).health, ParseOutcome::GOOD);
    EXPECT_EQ(FormatSettings(read), text);
    ASSERT_NE(FindSetting(read, "title"), nullptr);
    EXPECT_EQ(*FindSetting(read, "title"), "a # b = c");
    EXPECT_EQ(FindSetting(read, "missing"), nullptr);
}

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
        {head + "  # note = no\n\n\t volume\t=  8 \r\nempty =\nend\n", ParseOutcome::GOOD, "",
         "volume = 8\nempty = \n"},
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
    }
}
