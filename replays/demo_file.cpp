#include "replays/demo_file.h"

#include <fstream>
#include <iterator>

namespace {

constexpr const char* DEMO_KIND = "wavedart-demo";
constexpr const char* DIFFICULTY_NAMES[] = {"easy", "medium", "hard"};
// The game's states run from 0 to 12.
constexpr int LAST_GAME_STATE = 12;
constexpr int LAST_DEATH_FRAME = 13;
constexpr int LAST_FUEL_BLINK = 255;
constexpr int LAST_LEVEL = 10;
constexpr int MOST_SHIPS = 3;

// The text as lines, each without its line end ("\n" or "\r\n").
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {}
    bool Next(std::string_view* line)
    {
        if (rest_.empty()) return false;
        const std::size_t end = rest_.find('\n');
        *line = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        if (!line->empty() && line->back() == '\r') line->remove_suffix(1);
        number_ += 1;
        return true;
    }
    int Number() const { return number_; }

private:
    std::string_view rest_;
    int number_ = 0;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

// A decimal number of digits only, at most max.
bool ParseNumber(std::string_view word, uint64_t max, uint64_t* value)
{
    if (word.empty() || word.size() > 10) return false;
    uint64_t number = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<uint64_t>(c - '0');
    }
    if (number > max) return false;
    *value = number;
    return true;
}

bool ParseInt(std::string_view word, int64_t min, int64_t max, int* value)
{
    const bool negative = !word.empty() && word[0] == '-';
    uint64_t magnitude = 0;
    if (!ParseNumber(negative ? word.substr(1) : word, negative ? 0 - min : max, &magnitude)) return false;
    const int64_t number = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (number < min) return false;
    *value = static_cast<int>(number);
    return true;
}

// "-" alone, or key codes 0 to 255 separated by blanks.
bool ParseKeyLine(std::string_view line, KeySnapshot* keys)
{
    keys->fill(0);
    const std::vector<std::string_view> words = Words(line);
    if (words.size() == 1 && words[0] == "-") return true;
    for (std::string_view word : words) {
        uint64_t code = 0;
        if (!ParseNumber(word, 255, &code)) return false;
        (*keys)[static_cast<std::size_t>(code)] = 0x80;
    }
    return !words.empty();
}

bool StartsWithWord(std::string_view line)
{
    return !line.empty() && line[0] >= 'a' && line[0] <= 'z';
}

bool Fail(DemoError* error, int line, std::string what)
{
    *error = DemoError{line, std::move(what)};
    return false;
}

bool ParseVersion1(Lines& lines, Demo* demo, DemoError* error)
{
    std::string_view line;
    const bool tick_read = lines.Next(&line);
    const std::vector<std::string_view> words = Words(line);
    uint64_t tick = 0;
    if (!tick_read || words.size() != 2 || words[0] != "start-tick" ||
        !ParseNumber(words[1], 0xFFFFFFFFu, &tick)) {
        return Fail(error, 2, "the second line must be \"start-tick N\", N from 0 to 4294967295");
    }
    demo->start_tick = static_cast<uint32_t>(tick);
    while (lines.Next(&line)) {
        if (demo->frames.size() >= DEMO_MAX_FRAMES) {
            return Fail(error, 0, "more than " + std::to_string(DEMO_MAX_FRAMES) + " frames");
        }
        KeySnapshot keys{};
        if (!ParseKeyLine(line, &keys)) {
            return Fail(error, lines.Number(), "not \"-\" or a list of key codes from 0 to 255");
        }
        demo->frames.push_back(keys);
    }
    return true;
}

bool ParseRandom(const std::vector<std::string_view>& words, wavedart::RandomState* random)
{
    if (words.size() != 3 + wavedart::RANDOM_DEGREE) return false;
    if (!ParseInt(words[1], 0, wavedart::RANDOM_DEGREE - 1, &random->front) ||
        !ParseInt(words[2], 0, wavedart::RANDOM_DEGREE - 1, &random->rear)) {
        return false;
    }
    for (int i = 0; i < wavedart::RANDOM_DEGREE; ++i) {
        uint64_t word = 0;
        if (!ParseNumber(words[3 + i], 0xFFFFFFFFu, &word)) return false;
        random->words[i] = static_cast<uint32_t>(word);
    }
    return wavedart::IsRandomState(*random);
}

bool ParseResult(const std::vector<std::string_view>& words, DemoResult* result)
{
    uint64_t frames = 0;
    const bool read = words.size() == 11 && words[1] == "level" && words[3] == "score" && words[5] == "ships" &&
                      words[7] == "frames" && words[9] == "finished" &&
                      ParseInt(words[2], 1, LAST_LEVEL, &result->level) &&
                      ParseInt(words[4], 0, 2147483647, &result->score) &&
                      ParseInt(words[6], -1, MOST_SHIPS, &result->ships) &&
                      ParseNumber(words[8], DEMO_MAX_FRAMES, &frames) && (words[10] == "yes" || words[10] == "no");
    if (!read) return false;
    result->frames = static_cast<uint32_t>(frames);
    result->finished = words[10] == "yes";
    return true;
}

// One line above "frames": false when it is a known line that does not read.
bool ParseHeaderLine(const std::vector<std::string_view>& words, Demo* demo, bool* has_start, bool* has_random)
{
    const std::string_view name = words[0];
    if (name == "start") {
        if (words.size() != 2 || (words[1] != "game" && words[1] != "session")) return false;
        demo->start = words[1] == "game" ? DemoStart::NEW_GAME : DemoStart::START_UP;
        return *has_start = true;
    }
    if (name == "difficulty") {
        for (int d = 0; d < 3; ++d) {
            if (words.size() == 2 && words[1] == DIFFICULTY_NAMES[d]) {
                demo->difficulty = d;
                return true;
            }
        }
        return false;
    }
    if (name == "death-frames") return words.size() == 2 && ParseInt(words[1], 0, LAST_DEATH_FRAME, &demo->death_frames);
    if (name == "fuel-blink") return words.size() == 2 && ParseInt(words[1], 0, LAST_FUEL_BLINK, &demo->fuel_blink);
    if (name == "random") return *has_random = ParseRandom(words, &demo->random);
    if (name == "result") return demo->has_result = ParseResult(words, &demo->result);
    return true;
}

bool ParseFrames(Lines& lines, uint32_t count, Demo* demo, DemoError* error)
{
    demo->frames.reserve(count);
    std::string_view line;
    while (lines.Next(&line)) {
        if (line == "end") {
            if (demo->frames.size() < count) break;
            // A jump after the last frame leads nowhere.
            if (!demo->jumps.empty() && demo->jumps.back().frame == count) demo->jumps.pop_back();
            return true;
        }
        const std::vector<std::string_view> words = Words(line);
        if (!words.empty() && StartsWithWord(words[0])) {
            if (words[0] != "state") continue;
            int state = 0;
            if (words.size() != 2 || !ParseInt(words[1], 0, LAST_GAME_STATE, &state)) {
                return Fail(error, lines.Number(), "not \"state N\", N from 0 to 12");
            }
            const auto frame = static_cast<uint32_t>(demo->frames.size());
            if (!demo->jumps.empty() && demo->jumps.back().frame == frame) demo->jumps.pop_back();
            demo->jumps.push_back(DemoJump{frame, state});
            continue;
        }
        if (demo->frames.size() == count) {
            return Fail(error, lines.Number(), "a key line past the " + std::to_string(count) + " frames it has");
        }
        KeySnapshot keys{};
        if (!ParseKeyLine(line, &keys)) {
            return Fail(error, lines.Number(), "not \"-\" or a list of key codes from 0 to 255");
        }
        demo->frames.push_back(keys);
    }
    return Fail(error, 0,
                "was cut short: " + std::to_string(demo->frames.size()) + " of its " + std::to_string(count) +
                    " frames and no \"end\"");
}

bool ParseVersion2(Lines& lines, Demo* demo, DemoError* error)
{
    bool has_start = false;
    bool has_random = false;
    std::string_view line;
    while (lines.Next(&line)) {
        const std::vector<std::string_view> words = Words(line);
        if (words.empty() || words[0][0] == '#') continue;
        if (!StartsWithWord(words[0])) return Fail(error, lines.Number(), "not a line of a replay's head");
        if (words[0] == "frames") {
            uint64_t count = 0;
            if (words.size() != 2 || !ParseNumber(words[1], DEMO_MAX_FRAMES, &count)) {
                return Fail(error, lines.Number(),
                            "not \"frames N\", N from 0 to " + std::to_string(DEMO_MAX_FRAMES));
            }
            if (!has_start) return Fail(error, 0, "does not say where it starts (\"start game\" or \"start session\")");
            if (!has_random) return Fail(error, 0, "has no \"random\" line");
            return ParseFrames(lines, static_cast<uint32_t>(count), demo, error);
        }
        if (!ParseHeaderLine(words, demo, &has_start, &has_random)) {
            return Fail(error, lines.Number(), "a \"" + std::string(words[0]) + "\" line that does not read");
        }
    }
    return Fail(error, 0, "was cut short before its \"frames\" line");
}

void AppendNumber(std::string* text, int64_t value)
{
    *text += ' ';
    *text += std::to_string(value);
}

}  // namespace

bool ParseDemo(std::string_view text, Demo* demo, DemoError* error)
{
    *demo = Demo{};
    Lines lines(text);
    std::string_view line;
    if (!lines.Next(&line)) return Fail(error, 0, "is empty");
    const std::vector<std::string_view> words = Words(line);
    uint64_t version = 0;
    const bool named = words.size() == 2 && words[0] == DEMO_KIND && line.size() == words[0].size() + 1 + words[1].size() &&
                       words[1][0] != '0' && ParseNumber(words[1], 0xFFFFFFFFu, &version);
    if (!named) return Fail(error, 1, "the first line must be \"wavedart-demo 1\" or \"wavedart-demo 2\"");
    if (version > DEMO_VERSION) {
        Fail(error, 0, "is of version " + std::to_string(version) + ", from a newer game; this one reads versions 1 and 2");
        error->newer = true;
        return false;
    }
    demo->version = static_cast<int>(version);
    return version == 1 ? ParseVersion1(lines, demo, error) : ParseVersion2(lines, demo, error);
}

std::string DescribeDemoError(const std::string& name, const DemoError& error)
{
    if (error.line > 0) return name + ":" + std::to_string(error.line) + ": " + error.what;
    return name + ": " + error.what;
}

bool ReadDemo(const std::filesystem::path& path, Demo* demo, std::string* error)
{
    const std::string name = path.string();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot open " + name;
        return false;
    }
    std::string text;
    text.resize(DEMO_MAX_BYTES + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > DEMO_MAX_BYTES) {
        *error = name + ": larger than " + std::to_string(DEMO_MAX_BYTES >> 20) + " MiB";
        return false;
    }
    DemoError problem;
    if (ParseDemo(text, demo, &problem)) return true;
    *error = DescribeDemoError(name, problem);
    return false;
}

std::string FormatKeyLine(const KeySnapshot& keys)
{
    std::string line;
    for (int code = 0; code < 256; ++code) {
        if (!keys[code]) continue;
        if (!line.empty()) line += ' ';
        line += std::to_string(code);
    }
    return line.empty() ? "-" : line;
}

std::string FormatDemoResult(const DemoResult& result)
{
    return "result level " + std::to_string(result.level) + " score " + std::to_string(result.score) + " ships " +
           std::to_string(result.ships) + " frames " + std::to_string(result.frames) + " finished " +
           (result.finished ? "yes" : "no");
}

std::string FormatDemoHeader(const Demo& demo)
{
    std::string text = std::string(DEMO_KIND) + " 2\n";
    text += demo.start == DemoStart::NEW_GAME ? "start game\n" : "start session\n";
    text += "difficulty " + std::string(DIFFICULTY_NAMES[demo.difficulty]) + "\n";
    text += "death-frames " + std::to_string(demo.death_frames) + "\n";
    text += "fuel-blink " + std::to_string(demo.fuel_blink) + "\n";
    text += "random";
    AppendNumber(&text, demo.random.front);
    AppendNumber(&text, demo.random.rear);
    for (uint32_t word : demo.random.words) AppendNumber(&text, word);
    text += '\n';
    if (demo.has_result) text += FormatDemoResult(demo.result) + "\n";
    return text;
}

std::string FormatDemo(const Demo& demo)
{
    std::string text;
    if (demo.version == 1) {
        text = std::string(DEMO_KIND) + " 1\nstart-tick " + std::to_string(demo.start_tick) + "\n";
        for (const KeySnapshot& keys : demo.frames) text += FormatKeyLine(keys) + "\n";
        return text;
    }
    text = FormatDemoHeader(demo) + "frames " + std::to_string(demo.frames.size()) + "\n";
    auto jump = demo.jumps.begin();
    for (std::size_t frame = 0; frame < demo.frames.size(); ++frame) {
        if (jump != demo.jumps.end() && jump->frame == frame) {
            text += "state " + std::to_string(jump->state) + "\n";
            ++jump;
        }
        text += FormatKeyLine(demo.frames[frame]) + "\n";
    }
    return text + "end\n";
}

bool WriteDemo(const std::filesystem::path& path, const Demo& demo)
{
    std::ofstream out(path, std::ios::binary);
    out << FormatDemo(demo);
    return static_cast<bool>(out);
}
