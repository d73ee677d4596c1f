// Demos and replays: the keys of every frame of a run and what the run starts
// from, as text. Two versions are read; the game records version 2.
//
// Version 1, a run from start-up, written by the pilot and the tests:
//
//   wavedart-demo 1
//   start-tick N        the clock's first reading, which seeds the game
//   one line per turn of the message loop: the held key codes in decimal, or "-"
//
// Version 2, the keys that the game's own screens read, one line per frame in
// which one of them ran. Frames paused, and frames of the screens added
// around the game (high scores, a replay being watched), are not in it, and
// P, pause's own key, never pauses it:
//
//   wavedart-demo 2
//   start game          "game": the first frame of a new game, which resets
//                       score, ships, level and fuel itself; "session":
//                       start-up, every value as the program starts
//   difficulty medium   easy, medium or hard
//   death-frames 0      what carries over from the frames before the start:
//   fuel-blink 45       the dying count (0 to 13) and the fuel pulse (0 to 255)
//   random F R W1 ... W31
//                       the random sequence's state: its two places (0 to 30,
//                       R + 3 = F modulo 31) and its 31 words
//   result level 10 score 80700 ships 3 frames 8547 finished yes
//                       what it ends with: the level as the heads-up display
//                       shows it, the score, the ships in reserve (-1 after
//                       the last), the frames until a game ends (the whole
//                       file for a session), whether all ten levels were done
//   frames 8547         the number of key lines below, at most DEMO_MAX_FRAMES
//   -
//   200 57              key lines, as in version 1
//   state 0             before the next key line the game is put in that
//   ...                 state (0 to 12), as the window or a screen added
//   end                 around the game did when it was recorded
//
// Blank lines and '#' comments may stand among the lines above "frames".
// Lines there that start with a word a reader does not know, lines among the
// key lines that start with a word other than "state", and everything after
// "end" belong to a newer game and are skipped, so that it can add to the
// format without breaking older games. A higher version is refused.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/random.h"

using KeySnapshot = std::array<unsigned char, 256>;

// Longer demos are refused: over two hours of play, 64 MiB of snapshots.
constexpr std::size_t DEMO_MAX_FRAMES = std::size_t{1} << 18;
// Larger files are refused before they are read.
constexpr std::size_t DEMO_MAX_BYTES = std::size_t{16} << 20;
constexpr int DEMO_VERSION = 2;

enum class DemoStart { START_UP, NEW_GAME };

struct DemoResult {
    int level = 1;
    int score = 0;
    int ships = 0;
    uint32_t frames = 0;
    bool finished = false;
    bool operator==(const DemoResult&) const = default;
};

// Before frame `frame` the game is put in state `state`.
struct DemoJump {
    uint32_t frame = 0;
    int state = 0;
    bool operator==(const DemoJump&) const = default;
};

struct Demo {
    int version = 1;
    // Version 1 only.
    uint32_t start_tick = 0;
    // Version 2 only.
    DemoStart start = DemoStart::START_UP;
    int difficulty = 0;
    int death_frames = 0;
    int fuel_blink = 0;
    wavedart::RandomState random{};
    bool has_result = false;
    DemoResult result;
    std::vector<KeySnapshot> frames;
    // In the order of their frames, at most one a frame.
    std::vector<DemoJump> jumps;
};

// Why a text is not a demo: the line (0 for the file as a whole) and what is
// wrong with it; newer when it is whole but of a newer version, which a
// newer game reads.
struct DemoError {
    int line = 0;
    std::string what;
    bool newer = false;
};

bool ParseDemo(std::string_view text, Demo* demo, DemoError* error);
// "name:line: what", or "name: what" for the file as a whole.
std::string DescribeDemoError(const std::string& name, const DemoError& error);
// Reads a demo of at most DEMO_MAX_BYTES; on failure says why in error, in
// one line that starts with the path.
bool ReadDemo(const std::filesystem::path& path, Demo* demo, std::string* error);

std::string FormatDemo(const Demo& demo);
bool WriteDemo(const std::filesystem::path& path, const Demo& demo);
// The lines of version 2 above "frames", for a demo whose key lines are
// written as they are recorded.
std::string FormatDemoHeader(const Demo& demo);
std::string FormatKeyLine(const KeySnapshot& keys);
// "result level L score S ships K frames F finished yes|no".
std::string FormatDemoResult(const DemoResult& result);
