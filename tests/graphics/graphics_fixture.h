// A temporary working folder with a started headless display, and a writer
// of small BMP files in the layouts the loader meets.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/display.h"

struct BmpLayout {
    int width = 4;
    int height = 2;
    int depth = 8;
    bool top_down = false;
    // Bytes between the palette and the pixel data.
    int gap = 0;
    // biClrUsed: 0 means a full palette of 256.
    uint32_t colours_used = 0;
    // 8-bit: the index; 16-bit: the word; 24-bit: 0xRRGGBB.
    std::function<uint32_t(int, int)> pixel = [](int x, int y) { return uint32_t(y * 16 + x); };
    std::function<PaletteEntry(int)> colour = [](int i) {
        return PaletteEntry{uint8_t(i / 2), uint8_t(255 - i), uint8_t(i), 0};
    };
};

// Writes size bytes of value at offset at, little-endian.
inline void Put(std::vector<uint8_t>* bytes, std::size_t at, uint32_t value, int size = 4)
{
    for (int i = 0; i < size; ++i) (*bytes)[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

inline std::vector<uint8_t> Patched(std::vector<uint8_t> bytes, std::size_t at, uint32_t value,
                                    int size = 4)
{
    Put(&bytes, at, value, size);
    return bytes;
}

inline std::vector<uint8_t> MakeBmp(const BmpLayout& layout)
{
    const int bytes_per_pixel = layout.depth / 8;
    const int row = (layout.width * layout.depth + 31) / 32 * 4;
    const uint32_t palette_entries =
        layout.depth == 8 ? (layout.colours_used ? layout.colours_used : 256) : 0;
    const uint32_t offset = 54 + 4 * palette_entries + static_cast<uint32_t>(layout.gap);
    const uint32_t image_size = static_cast<uint32_t>(row * layout.height);
    std::vector<uint8_t> bytes(offset + image_size, 0xEE);
    const uint32_t header[] = {offset + image_size, 0, offset, 40, uint32_t(layout.width),
                               uint32_t(layout.top_down ? -layout.height : layout.height),
                               1u | uint32_t(layout.depth) << 16, 0, image_size, 2835, 2835,
                               layout.colours_used, 0};
    Put(&bytes, 0, BITMAP_ID, 2);
    for (std::size_t i = 0; i < std::size(header); ++i) Put(&bytes, 2 + 4 * i, header[i]);
    for (uint32_t i = 0; i < palette_entries; ++i) {
        const PaletteEntry entry = layout.colour(static_cast<int>(i));
        Put(&bytes, 54 + 4 * i, uint32_t(entry.blue | entry.green << 8 | entry.red << 16));
    }
    for (int r = 0; r < layout.height; ++r) {
        const int y = layout.top_down ? r : layout.height - 1 - r;
        // Padding stays 0xEE, which would show up if it were read as pixels.
        for (int x = 0; x < layout.width; ++x) {
            Put(&bytes, offset + r * row + x * bytes_per_pixel, layout.pixel(x, y), bytes_per_pixel);
        }
    }
    return bytes;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

inline void WriteBmp(const std::string& path, const BmpLayout& layout)
{
    WriteBytes(path, MakeBmp(layout));
}

// Runs each test in its own empty folder with the display started.
class GraphicsTest : public testing::Test {
protected:
    void SetUp() override
    {
        old_dir_ = std::filesystem::current_path();
        char name[] = "/tmp/graphics_test_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
        std::filesystem::current_path(dir_);
        if (start_display_) {
            ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
        }
    }

    void TearDown() override
    {
        UnloadBitmapFile(&bitmap_file);
        StopDisplay();
        std::filesystem::current_path(old_dir_);
        std::filesystem::remove_all(dir_);
    }

    static int BackPixel(int x, int y)
    {
        LockBackSurface();
        const int value = back_buffer[y * back_pitch + x];
        UnlockBackSurface();
        return value;
    }

    bool start_display_ = true;

private:
    std::filesystem::path old_dir_;
    std::filesystem::path dir_;
};
