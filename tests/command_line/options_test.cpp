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

// What a command line asks for in one line: the flags, each setting as
// index=value in order, then the files.
std::string Described(const CommandLine& line)
{
    std::string text = std::string(line.help ? "help " : "") + (line.version ? "version " : "");
    for (const SettingForRun& setting : line.settings) {
        text += std::to_string(setting.setting) + "=" + std::to_string(setting.value) + " ";
    }
    return text + "profile:" + line.profile + " record:" + line.record + " play:" + line.play +
           " verify:" + line.verify;
}

TEST(CommandLine, EveryOptionSetsWhatItSays)
{
    // The display setting's flags choose its values for the run.
    const std::string window = std::to_string(FindSettingIndex("display")) + "=0 ";
    const std::string full_screen = std::to_string(FindSettingIndex("display")) + "=1 ";
    const std::string none = "profile: record: play: verify:";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, none},
        {{"--help"}, "help " + none},
        {{"--version"}, "version " + none},
        {{"--window"}, window + none},
        {{"--fullscreen"}, full_screen + none},
        {{"--window", "--fullscreen"}, window + full_screen + none},
        {{"--profile", "p ä"}, "profile:p ä record: play: verify:"},
        {{"--profile=--x"}, "profile:--x record: play: verify:"},
        {{"--record", "s.demo", "--window"}, window + "profile: record:s.demo play: verify:"},
        {{"--play", "--help"}, "profile: record: play:--help verify:"},
        {{"--verify=a=b"}, "profile: record: play: verify:a=b"},
    };
    for (const auto& [arguments, expected] : cases) {
        CommandLine line;
        std::string error;
        ASSERT_TRUE(ParseCommandLine(arguments, &line, &error)) << error;
        EXPECT_EQ(Described(line), expected);
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
