#include "profile/versioned_text.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace {

constexpr std::string_view BLANKS = " \t\r";
constexpr int MAX_VERSION = 9999;

// The next line of rest, without its end; rest moves past it.
std::string_view NextLine(std::string_view* rest)
{
    const std::size_t end = rest->find('\n');
    const std::string_view line = rest->substr(0, end);
    rest->remove_prefix(end == std::string_view::npos ? rest->size() : end + 1);
    return line;
}

ParseOutcome Damaged(std::string problem)
{
    return {ParseOutcome::DAMAGED, std::move(problem), 0};
}

}  // namespace

void NoteDamagedLines(int count, ParseOutcome* outcome)
{
    if (count == 0 || outcome->health == ParseOutcome::DAMAGED) return;
    outcome->health = ParseOutcome::DAMAGED;
    outcome->problem = "has " + std::to_string(count) + " damaged line" + (count == 1 ? "" : "s");
}

bool IsAsciiAlphanumeric(char letter)
{
    return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z') || (letter >= '0' && letter <= '9');
}

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(BLANKS);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(BLANKS) - first + 1);
}

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    while (!(line = Trim(line)).empty()) {
        const std::size_t end = std::min(line.find_first_of(BLANKS), line.size());
        words.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return words;
}

bool ParseCount(std::string_view text, long long max, long long* value)
{
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    std::from_chars(text.data(), text.data() + text.size(), *value);
    return *value <= max;
}

std::string FormatVersionLine(std::string_view kind, int version)
{
    return std::string(kind) + " " + std::to_string(version) + "\n";
}

ParseOutcome SplitVersionedText(std::string_view text, std::string_view kind, int current,
                                VersionedText* split)
{
    *split = {};
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return Damaged("is empty");
    const std::vector<std::string_view> first = Words(NextLine(&text));
    long long version = 0;
    if (first.size() != 2 || first[0] != kind || !ParseCount(first[1], MAX_VERSION, &version) ||
        version == 0) {
        return Damaged("is not a " + std::string(kind) + " file");
    }
    split->version = static_cast<int>(version);
    while (!text.empty()) {
        const std::string_view line = Trim(NextLine(&text));
        if (line == "end") {
            return {version > current ? ParseOutcome::NEWER : ParseOutcome::GOOD, {}, 0};
        }
        if (!line.empty() && line[0] != '#') split->lines.push_back(line);
    }
    return Damaged("was cut short");
}
