#include "command_line/options.h"

#include <algorithm>
#include <span>

#include "options/settings_table.h"

namespace {

// --help: the options' column, and the width the lines are wrapped to.
constexpr std::size_t HELP_COLUMN = 18;
constexpr std::size_t HELP_WIDTH = 79;

std::vector<CommandOption> AllOptions()
{
    std::vector<CommandOption> options = {
        {"--help", nullptr, "print these options and exit",
         [](CommandLine* line, const std::string&) { line->help = true; }},
        {"--version", nullptr, "print the version and exit",
         [](CommandLine* line, const std::string&) { line->version = true; }},
    };
    const std::span<const SettingDef> table = SettingTable();
    for (std::size_t setting = 0; setting < table.size(); ++setting) {
        for (std::size_t value = 0; value < table[setting].choices.size(); ++value) {
            const SettingChoice& choice = table[setting].choices[value];
            if (!choice.flag) continue;
            options.push_back({choice.flag, nullptr, choice.flag_help, nullptr, static_cast<int>(setting),
                               static_cast<int>(value)});
        }
    }
    options.insert(options.end(), {
        {"--profile", "DIR", "keep the player's scores, settings and replays in DIR",
         [](CommandLine* line, const std::string& dir) { line->profile = dir; }},
        {"--record", "FILE", "record the whole session into FILE, a replay",
         [](CommandLine* line, const std::string& file) { line->record = file; }},
        {"--play", "FILE", "play the replay in FILE, then quit; any key quits sooner",
         [](CommandLine* line, const std::string& file) { line->play = file; }},
        {"--verify", "FILE",
         "play the replay in FILE unseen, print its result and exit with 0 when it is the one FILE says, 1 when "
         "not, 2 when FILE cannot be read",
         [](CommandLine* line, const std::string& file) { line->verify = file; }},
    });
    return options;
}

const std::vector<CommandOption> OPTIONS = AllOptions();

const CommandOption* FindOption(const std::string& name)
{
    for (const CommandOption& option : OPTIONS) {
        if (name == option.name) return &option;
    }
    return nullptr;
}

std::string Signature(const CommandOption& option)
{
    std::string text = option.name;
    if (option.argument) text += std::string(" ") + option.argument;
    return text;
}

// Troff takes a line starting with '.' or '\'' as a request, and '\' and '-'
// as its own.
std::string Troff(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

const std::vector<CommandOption>& CommandOptions()
{
    return OPTIONS;
}

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine* line, std::string* error)
{
    *line = CommandLine{};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const CommandOption* option = word.rfind("--", 0) == 0 ? FindOption(name) : nullptr;
        if (!option) {
            *error = word.rfind("-", 0) == 0 ? "unknown option " + word : "unexpected argument " + word;
            return false;
        }
        std::string value;
        if (option->argument && equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (option->argument) {
            if (i + 1 >= arguments.size()) {
                *error = name + " needs " + option->argument;
                return false;
            }
            value = arguments[++i];
        } else if (equals != std::string::npos) {
            *error = name + " takes no argument";
            return false;
        }
        if (option->argument && value.empty()) {
            *error = name + " needs " + option->argument;
            return false;
        }
        if (option->setting >= 0) {
            line->settings.push_back({option->setting, option->setting_value});
        } else {
            option->apply(line, value);
        }
    }
    const int runs = !line->record.empty() + !line->play.empty() + !line->verify.empty();
    if (runs > 1) {
        *error = "only one of --record, --play and --verify at a time";
        return false;
    }
    return true;
}

std::string UsageText()
{
    std::string text = "Usage: wavedart [OPTION]...\nFly up a river and shoot what crosses it.\n\n";
    for (const CommandOption& option : OPTIONS) {
        std::string line = "  " + Signature(option);
        line += std::string(std::max<std::size_t>(HELP_COLUMN - line.size(), 2), ' ');
        const std::string help = option.help;
        std::size_t start = 0;
        while (start < help.size()) {
            std::size_t end = help.find(' ', start);
            if (end == std::string::npos) end = help.size();
            const std::string word = help.substr(start, end - start);
            if (line.size() > HELP_COLUMN && line.size() + 1 + word.size() > HELP_WIDTH) {
                text += line + "\n";
                line = std::string(HELP_COLUMN, ' ');
            } else if (line.back() != ' ') {
                line += ' ';
            }
            line += word;
            start = end + 1;
        }
        text += line + "\n";
    }
    return text;
}

std::string VersionText()
{
    return std::string("wavedart ") + WAVEDART_VERSION;
}

std::string ManPageOptions()
{
    std::string text = ".SH OPTIONS\n";
    for (const CommandOption& option : OPTIONS) {
        text += ".TP\n.B ";
        text += Troff(option.name);
        if (option.argument) {
            text += " \\fI";
            text += option.argument;
            text += "\\fR";
        }
        text += "\n";
        text += Troff(option.help);
        text += "\n";
    }
    return text;
}

std::string ManPageSettings()
{
    std::string text = ".SH SETTINGS\nThe Options screen keeps the player's settings in\n.I settings.txt\n"
                       "in the profile (see FILES), one\n.IR key \" = \" value\na line:\n";
    for (const SettingDef& setting : SettingTable()) {
        text += ".TP\n.BR " + Troff(setting.key) + " \" = " + Troff(SettingValuesText(setting)) + "\"\n";
        text += Troff(setting.label) + "; " + Troff(SettingText(setting, setting.default_value)) + " at first.\n";
    }
    text += ".PP\nA value that is none of its setting's gives way to the one at first, and a\n"
            "key that is none of these is kept but not used; each is said in one line.\n";
    return text;
}
