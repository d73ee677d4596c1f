#include "tools/demo/demo_file.h"

#include <fstream>
#include <sstream>

namespace {

constexpr const char* DEMO_HEADER = "wavedart-demo 1";

bool ParseKeyLine(const std::string& line, KeySnapshot* keys)
{
    keys->fill(0);
    std::istringstream words(line);
    std::string word;
    bool any = false;
    while (words >> word) {
        if (word == "-" && !any) {
            any = true;
            continue;
        }
        std::size_t used = 0;
        int code = -1;
        try {
            code = std::stoi(word, &used);
        } catch (...) {
            return false;
        }
        if (used != word.size() || code < 0 || code > 255) return false;
        (*keys)[code] = 0x80;
        any = true;
    }
    return any;
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
    if (!std::getline(in, line) || line != DEMO_HEADER) {
        *error = path + ": the first line must be \"" + DEMO_HEADER + "\"";
        return false;
    }
    unsigned long tick = 0;
    std::string word;
    if (!std::getline(in, line) || !(std::istringstream(line) >> word >> tick) || word != "start-tick" ||
        tick > 0xFFFFFFFFul) {
        *error = path + ": the second line must be \"start-tick N\"";
        return false;
    }
    demo->start_tick = static_cast<uint32_t>(tick);
    demo->frames.clear();
    int number = 2;
    while (std::getline(in, line)) {
        number += 1;
        KeySnapshot keys{};
        if (!ParseKeyLine(line, &keys)) {
            *error = path + ":" + std::to_string(number) + ": not a list of key codes or \"-\"";
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
