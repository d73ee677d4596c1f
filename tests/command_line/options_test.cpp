// The command line: what each option sets, the errors, and the texts made
// from the one table; then the program itself with the options that print.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "command_line/options.h"
#include "options/settings_table.h"
#include "tests/command_line/program_run.h"

namespace {

// What a command line asks for in one line: each setting as index=value in
// order, then the files; or the error.
std::string Parsed(const std::vector<std::string>& arguments)
{
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(arguments, &line, &error)) return "error: " + error;
    std::string text;
    for (const SettingForRun& setting : line.settings) {
        text += std::to_string(setting.setting) + "=" + std::to_string(setting.value) + " ";
    }
    return text + "profile:" + line.profile + " record:" + line.record + " play:" + line.play +
           " verify:" + line.verify;
}

TEST(CommandLine, EveryOptionSetsWhatItSaysAndWhatIsWrongIsRefusedInOneLine)
{
    // The display setting's flags choose its values for the run.
    const std::string window = std::to_string(FindSettingIndex("display")) + "=0 ";
    const std::string full_screen = std::to_string(FindSettingIndex("display")) + "=1 ";
    const std::string none = "profile: record: play: verify:";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, none},
        {{"--window", "--fullscreen"}, window + full_screen + none},
        {{"--profile=--x"}, "profile:--x record: play: verify:"},
        {{"--record", "s.demo", "--window"}, window + "profile: record:s.demo play: verify:"},
        {{"--play", "--help"}, "profile: record: play:--help verify:"},
        {{"--verify=a=b"}, "profile: record: play: verify:a=b"},
        {{"--Help"}, "error: unknown option --Help"},
        {{"replay.demo"}, "error: unexpected argument replay.demo"},
        {{"--window", "--profile"}, "error: --profile needs DIR"},
        {{"--record="}, "error: --record needs FILE"},
        {{"--window=yes"}, "error: --window takes no argument"},
        {{"--play", "a", "--verify", "b"}, "error: only one of --record, --play and --verify at a time"},
    };
    for (const auto& [arguments, expected] : cases) EXPECT_EQ(Parsed(arguments), expected);
}

TEST(CommandLine, HelpIsTheReadmesCopyAndTheManPageListsEveryOption)
{
    const std::string usage = UsageText();
    std::ifstream readme(README_FILE);
    const std::string text(std::istreambuf_iterator<char>(readme), {});
    EXPECT_NE(text.find("```\n" + usage + "```\n"), std::string::npos) << "README.md's copy of --help";
    for (std::size_t start = 0, end; (end = usage.find('\n', start)) != std::string::npos; start = end + 1) {
        EXPECT_LE(end - start, 79u) << usage.substr(start, end - start);
    }
    for (const CommandOption& option : CommandOptions()) {
        EXPECT_NE(ManPageOptions().find(std::string(".TP\n.B \\-\\-") + (option.name + 2)), std::string::npos)
            << option.name;
    }
}

TEST(CommandLine, TheProgramPrintsRefusesWithStatusTwoAndKeepsItsProfileWhereTold)
{
    const std::string folder = testing::TempDir() + "wavedart_profile_" + std::to_string(getpid());
    // A run from start-up that quits at once with Escape.
    std::ofstream(folder + ".demo") << "wavedart-demo 1\nstart-tick 1\n1\n";
    const std::pair<std::string, int> cases[] = {
        {"--help", 0}, {"--window --version", 0}, {"--bogus", 2}, {"--verify", 2}, {"extra", 2},
        {"--window --profile " + folder + " --play " + folder + ".demo", 0},
    };
    for (const auto& [arguments, status] : cases) {
        const ProgramRun run = RunProgram(arguments, "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ");
        EXPECT_EQ(run.status, status) << arguments << "\n" << run.err;
        EXPECT_EQ(run.out, arguments == "--help" ? UsageText() : arguments.ends_with("version") ? "wavedart 1.0.0\n" : "");
        if (status == 2) {
            EXPECT_TRUE(run.err.starts_with("wavedart: ")) << run.err;
            EXPECT_EQ(run.err.substr(run.err.find('\n') + 1), UsageText());
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/replays"));
    std::filesystem::remove_all(folder);
    std::filesystem::remove(folder + ".demo");
}

}  // namespace
