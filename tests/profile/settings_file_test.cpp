#include <gtest/gtest.h>

#include "profile/settings_file.h"

namespace {

std::string Pairs(const Settings& settings)
{
    std::string pairs;
    for (const Setting& setting : settings) pairs += setting.key + "=" + setting.value + ";";
    return pairs;
}

}  // namespace

TEST(SettingsFile, RoundTripKeepsOrderAndValues)
{
    Settings settings;
    SetSetting(&settings, "volume", "8");
    SetSetting(&settings, "fullscreen", "no");
    SetSetting(&settings, "title", "a # b = c");
    SetSetting(&settings, "volume", "5");
    SetSetting(&settings, "empty", "");
    const std::string text = FormatSettings(settings);
    EXPECT_EQ(text, "wavedart-settings 1\nvolume = 5\nfullscreen = no\ntitle = a # b = c\nempty = \nend\n");
    Settings read;
    const ParseOutcome outcome = ParseSettings(text, &read);
    EXPECT_EQ(outcome.health, ParseOutcome::GOOD);
    EXPECT_EQ(outcome.kept, 4);
    EXPECT_EQ(Pairs(read), "volume=5;fullscreen=no;title=a # b = c;empty=;");
    ASSERT_NE(FindSetting(read, "title"), nullptr);
    EXPECT_EQ(*FindSetting(read, "title"), "a # b = c");
    EXPECT_EQ(FindSetting(read, "missing"), nullptr);
}

TEST(SettingsFile, ReadsWhatItCanAndSaysWhatIsWrong)
{
    const std::string head = "wavedart-settings 1\n";
    struct Case {
        const char* name;
        std::string text;
        ParseOutcome::Health health;
        const char* problem;
        const char* pairs;
    };
    const Case cases[] = {
        {"trimmed, comments, blanks, CRLF", head + "  # note = no\n\n\t volume\t=  8 \r\nend\n",
         ParseOutcome::GOOD, "", "volume=8;"},
        {"a key set twice keeps its place", head + "a = 1\nb = 2\na = 3\nend\n", ParseOutcome::GOOD, "",
         "a=3;b=2;"},
        {"lines without '=' are a newer game's", head + "[section]\na = 1\nend\n", ParseOutcome::GOOD, "",
         "a=1;"},
        {"newer version", "wavedart-settings 3\na = 1\nb c = 2\nend\n", ParseOutcome::NEWER, "", "a=1;"},
        {"empty", "", ParseOutcome::DAMAGED, "is empty", ""},
        {"another kind", "wavedart-scores 1\nend\n", ParseOutcome::DAMAGED,
         "is not a wavedart-settings file", ""},
        {"cut short", head + "a = 1\nb = 2", ParseOutcome::DAMAGED, "was cut short", "a=1;b=2;"},
        {"bad keys and values", head + "a = 1\n= 2\nb c = 3\nd/e = 4\nf = x\x01y\n" +
             std::string(65, 'k') + " = 5\ng = " + std::string(257, 'v') + "\nend\n",
         ParseOutcome::DAMAGED, "has 6 damaged lines", "a=1;"},
    };
    for (const Case& test : cases) {
        Settings settings;
        const ParseOutcome outcome = ParseSettings(test.text, &settings);
        EXPECT_EQ(outcome.health, test.health) << test.name;
        EXPECT_EQ(outcome.problem, test.problem) << test.name;
        EXPECT_EQ(Pairs(settings), test.pairs) << test.name;
    }
}
