#include "tools/demo/demo_file.h"

#include <fstream>
#include <sstream>

namespace {

constexpr const char* DEMO_HEADER = "wavedart-demo 1";

// A decimal number of digits only, at most max.
bool ParseNumber(const std::string& word, unsigned long max, unsigned long* value)
{
    if (word.empty() || word.size() > 10) return false;
    unsigned long number = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<unsigned long>(c - '0');
    }
    if (number > max) return false;
    *value = number;
    return true;
}

// The next line, without the carriage return a line written on Windows ends in.
bool ReadLine(std::istream& in, std::string* line)
{
    if (!std::getline(in, *line)) return false;
    if (!line->empty() && line->back() == '\r') line->pop_back();
    return true;
}

// "-" alone, or key codes 0 to 255 separated by blanks.
bool ParseKeyLine(const std::string& line, KeySnapshot* keys)
{
    keys->fill(0);
    std::istringstream words(line);
    std::string word;
    int count = 0;
    bool none = false;
    while (words >> word) {
        count += 1;
        unsigned long code = 0;
        if (word == "-") {
            none = true;
        } else if (ParseNumber(word, 255, &code)) {
            (*keys)[code] = 0x80;
        } else {
            return false;
        }
    }
    return none ? count == 1 : count > 0;
}

bool ParseStartTick(const std::string& line, uint32_t* tick)
{
    std::istringstream words(line);
    std::string name;
    std::string number;
    std::string rest;
    unsigned long value = 0;
    if (!(words >> name >> number) || words >> rest || name != "start-tick") return false;
    if (!ParseNumber(number, 0xFFFFFFFFul, &value)) return false;
    *tick = static_cast<uint32_t>(value);
    return true;
}

}  // namespace

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

bool ReadDemo(const std::string& path, Demo* demo, std::string* error)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    std::string line;
    if (!ReadLine(in, &line) || line != DEMO_HEADER) {
        *error = path + ": the first line must be \"" + DEMO_HEADER + "\"";
        return false;
    }
    if (!ReadLine(in, &line) || !ParseStartTick(line, &demo->start_tick)) {
        *error = path + ": the second line must be \"start-tick N\", N from 0 to 4294967295";
        return false;
    }
    demo->frames.clear();
    int number = 2;
    while (ReadLine(in, &line)) {
        number += 1;
        if (demo->frames.size() >= DEMO_MAX_FRAMES) {
            *error = path + ": more than " + std::to_string(DEMO_MAX_FRAMES) + " frames";
            return false;
        }
        KeySnapshot keys{};
        if (!ParseKeyLine(line, &keys)) {
            *error = path + ":" + std::to_string(number) + ": not \"-\" or a list of key codes from 0 to 255";
            return false;
        }
        demo->frames.push_back(keys);
    }
    return true;
}

bool WriteDemo(const std::string& path, const Demo& demo)
{
    std::ofstream out(path);
    out << DEMO_HEADER << "\nstart-tick " << demo.start_tick << '\n';
    for (const KeySnapshot& keys : demo.frames) out << FormatKeyLine(keys) << '\n';
    return static_cast<bool>(out);
}
