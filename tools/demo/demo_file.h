// A demo: the clock's first reading and the keyboard of every frame.
//
//   wavedart-demo 1
//   start-tick N
//   one line per call of AppFrame: the held key codes in decimal, or "-"
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using KeySnapshot = std::array<unsigned char, 256>;

// Longer demos are refused: over two hours of play, 64 MiB of snapshots.
constexpr std::size_t DEMO_MAX_FRAMES = std::size_t{1} << 18;

struct Demo {
    uint32_t start_tick = 0;
    std::vector<KeySnapshot> frames;
};

// Reads a demo; on failure returns false and says why in error.
bool ReadDemo(const std::string& path, Demo* demo, std::string* error);
bool WriteDemo(const std::string& path, const Demo& demo);
std::string FormatKeyLine(const KeySnapshot& keys);
