// The command line: what each option sets, the errors, and the texts made
// from the one table; then the program itself with the options that print.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "command_line/options.h"
#include "options/settings_table.h"
#include "tests/command_line/program_run.h"

namespace {

struct Parsed {
    std::vector<std::string> arguments;
    CommandLine expected;
};

CommandLine With(void (*set)(CommandLine*))
{
    CommandLine line;
    set(&line);
    return line;
}

bool SameSettings(const std::vector<SettingForRun>& a, const std::vector<SettingForRun>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].setting != b[i].setting || a[i].value != b[i].value) return false;
    }
    return true;
}

bool Same(const CommandLine& a, const CommandLine& b)
{
    return a.help == b.help && a.version == b.version && SameSettings(a.settings, b.settings) &&
           a.profile == b.profile && a.record == b.record && a.play == b.play && a.verify == b.verify;
}

// The display setting's flags choose its values for the run.
SettingForRun Display(int value)
{
    return {FindSettingIndex("display"), value};
}
constexpr int WINDOW = 0;
constexpr int FULL_SCREEN = 1;

TEST(CommandLine, EveryOptionSetsWhatItSays)
{
    const Parsed cases[] = {
        {{}, CommandLine{}},
        {{"--help"}, With([](CommandLine* l) { l->help = true; })},
        {{"--version"}, With([](CommandLine* l) { l->version = true; })},
        {{"--window"}, With([](CommandLine* l) { l->settings = {Display(WINDOW)}; })},
        {{"--fullscreen"}, With([](CommandLine* l) { l->settings = {Display(FULL_SCREEN)}; })},
        {{"--window", "--fullscreen"},
         With([](CommandLine* l) { l->settings = {Display(WINDOW), Display(FULL_SCREEN)}; })},
        {{"--profile", "p ä"}, With([](CommandLine* l) { l->profile = "p ä"; })},
        {{"--profile=--x"}, With([](CommandLine* l) { l->profile = "--x"; })},
        {{"--record", "s.demo", "--window"}, With([](CommandLine* l) {
             l->record = "s.demo";
             l->settings = {Display(WINDOW)};
         })},
        {{"--play", "--help"}, With([](CommandLine* l) { l->play = "--help"; })},
        {{"--verify=a=b"}, With([](CommandLine* l) { l->verify = "a=b"; })},
    };
    for (const Parsed& c : cases) {
        CommandLine line;
        std::string error;
        ASSERT_TRUE(ParseCommandLine(c.arguments, &line, &error)) << error;
        EXPECT_TRUE(Same(line, c.expected)) << (c.arguments.empty() ? "" : c.arguments[0]);
    }
}

TEST(CommandLine, UnknownOptionsMissingArgumentsAndClashesAreRefusedInOneLine)
{
    struct Refused {
        std::vector<std::string> arguments;
        const char* error;
    };
    const Refused cases[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"-h"}, "unknown option -h"},
        {{"--Help"}, "unknown option --Help"},
        {{"replay.demo"}, "unexpected argument replay.demo"},
        {{"--play"}, "--play needs FILE"},
        {{"--window", "--profile"}, "--profile needs DIR"},
        {{"--record="}, "--record needs FILE"},
        {{"--window=yes"}, "--window takes no argument"},
        {{"--play", "a", "--verify", "b"}, "only one of --record, --play and --verify at a time"},
        {{"--record", "a", "--play", "b"}, "only one of --record, --play and --verify at a time"},
    };
    for (const Refused& c : cases) {
        CommandLine line;
        std::string error;
        EXPECT_FALSE(ParseCommandLine(c.arguments, &line, &error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(CommandLine, HelpAndTheManPageListEveryOptionOfTheTable)
{
    const std::string usage = UsageText();
    const std::string man = ManPageOptions();
    // The help as one line, however it is wrapped.
    std::string joined;
    for (char c : usage) {
        if ((c == ' ' || c == '\n') && !joined.empty() && joined.back() == ' ') continue;
        joined += c == '\n' ? ' ' : c;
    }
    EXPECT_EQ(usage.rfind("Usage: wavedart [OPTION]...\n", 0), 0u);
    EXPECT_EQ(man.rfind(".SH OPTIONS\n", 0), 0u);
    EXPECT_EQ(CommandOptions().size(), 8u);
    std::size_t start = 0;
    for (std::size_t end = usage.find('\n'); end != std::string::npos; end = usage.find('\n', start)) {
        EXPECT_LE(end - start, 79u) << usage.substr(start, end - start);
        start = end + 1;
    }
    for (const CommandOption& option : CommandOptions()) {
        std::string signature = option.name;
        std::string troff = std::string(".B \\-\\-") + (option.name + 2);
        if (option.argument) {
            signature += std::string(" ") + option.argument;
            troff += std::string(" \\fI") + option.argument + "\\fR";
        }
        EXPECT_NE(usage.find("\n  " + signature + " "), std::string::npos) << signature;
        EXPECT_NE(joined.find(std::string(" ") + option.help + " "), std::string::npos) << signature;
        EXPECT_NE(man.find(".TP\n" + troff + "\n"), std::string::npos) << troff;
    }
    EXPECT_EQ(VersionText(), "wavedart 1.0.0");
    std::ifstream readme(README_FILE);
    const std::string text(std::istreambuf_iterator<char>(readme), {});
    EXPECT_NE(text.find("```\n" + usage + "```\n"), std::string::npos) << "README.md's copy of --help";
}

TEST(CommandLine, TheProgramPrintsHelpAndVersionAndRefusesBadOptionsWithStatusTwo)
{
    const ProgramRun help = RunProgram("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, UsageText());
    const ProgramRun version = RunProgram("--window --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "wavedart 1.0.0\n");
    for (const char* bad : {"--bogus", "--verify", "extra"}) {
        const ProgramRun run = RunProgram(bad);
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(run.err.find('\n') + 1), UsageText()) << bad;
        EXPECT_EQ(run.err.rfind("wavedart: ", 0), 0u) << run.err;
    }
}

}  // namespace

namespace {

TEST(CommandLine, TheGameKeepsItsProfileWhereToldAndPlaysAReplayUntilItQuits)
{
    const std::string folder = testing::TempDir() + "wavedart_profile_" + std::to_string(getpid());
    const std::string replay = folder + ".demo";
    // A run from start-up that quits at once with Escape.
    std::ofstream(replay) << "wavedart-demo 1\nstart-tick 1\n1\n";
    const ProgramRun run =
        RunProgram("--window --profile " + folder + " --play " + replay, "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/replays"));
    std::filesystem::remove_all(folder);
    std::filesystem::remove(replay);
}

}  // namespace
