#include "tests/assets/asset_files.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

std::string DataPath(const std::string& name) {
    const char* dir = std::getenv("WAVEDART_DATA_DIR");
    return std::string(dir ? dir : ".") + "/" + name;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool LoadPicture(const std::string& name, Picture* out) {
    BitmapFile file{};
    if (!LoadBitmapFile(&file, DataPath(name).c_str())) return false;
    bool ok = file.info_header.biBitCount == 8;
    if (ok) {
        out->width = file.info_header.biWidth;
        out->height = file.info_header.biHeight;
        out->pixels.assign(file.buffer, file.buffer + size_t(out->width) * size_t(out->height));
        for (int i = 0; i < PALETTE_SIZE; ++i) out->palette[size_t(i)] = file.palette[i];
    }
    UnloadBitmapFile(&file);
    return ok;
}

Picture Cell(const Picture& sheet, int cx, int cy, int w, int h) {
    Picture cell;
    cell.width = w;
    cell.height = h;
    cell.palette = sheet.palette;
    int left = cx * (w + 1) + 1, top = cy * (h + 1) + 1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) cell.pixels.push_back(uint8_t(sheet.At(left + x, top + y)));
    return cell;
}

std::vector<std::array<int, 4>> ReadPaletteFile() {
    std::vector<std::array<int, 4>> entries;
    FILE* f = std::fopen(DataPath("PALDATA2.PAL").c_str(), "r");
    if (!f) return entries;
    std::array<int, 4> e{};
    while (std::fscanf(f, "%d %d %d %d", &e[0], &e[1], &e[2], &e[3]) == 4) entries.push_back(e);
    std::fclose(f);
    return entries;
}

int Brightness(const PaletteEntry& e) { return (e.red * 3 + e.green * 6 + e.blue) / 10; }
