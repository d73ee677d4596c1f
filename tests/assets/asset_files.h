// Reading the generated data files in the tests.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/bitmap.h"

// The folder the build writes the data into.
std::string DataPath(const std::string& name);
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// An 8-bit picture as the game's loader reads it: rows top-down.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    std::array<PaletteEntry, PALETTE_SIZE> palette{};
    int At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// Loads with LoadBitmapFile; false when the game could not load it.
bool LoadPicture(const std::string& name, Picture* out);
// The cell (cx, cy) of a sheet of w x h cells, cut by the game's rule.
Picture Cell(const Picture& sheet, int cx, int cy, int w, int h);

// The 256 entries of "PALDATA2.PAL".
std::vector<std::array<int, 4>> ReadPaletteFile();

// Land and bank colours: what the craft and the missiles crash into.
inline bool IsLand(int index) { return index >= 197 && index <= 230; }
// Perceived brightness 0..255 of a palette entry.
int Brightness(const PaletteEntry& e);
