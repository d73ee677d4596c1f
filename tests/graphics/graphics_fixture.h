// A temporary working folder with a started headless display, and a writer
// of small BMP files in every layout the loader meets.
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
    // Bytes between the palette (or the headers) and the pixel data.
    int gap = 0;
    bool size_image_zero = false;
    uint32_t compression = 0;
    // biClrUsed: 0 means a full palette of 256.
    uint32_t colours_used = 0;
    // 8-bit: the index; 16-bit: the word; 24-bit: 0xRRGGBB.
    std::function<uint32_t(int, int)> pixel = [](int x, int y) { return uint32_t(y * 16 + x); };
    // Palette entry i as red, green, blue.
    std::function<PaletteEntry(int)> colour = [](int i) {
        return PaletteEntry{uint8_t(i / 2), uint8_t(255 - i), uint8_t(i), 0};
    };
};

inline std::vector<uint8_t> MakeBmp(const BmpLayout& layout)
{
    std::vector<uint8_t> bytes;
    auto put = [&bytes](uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    const int bytes_per_pixel = layout.depth / 8;
    const int row = (layout.width * layout.depth + 31) / 32 * 4;
    const uint32_t image_size = static_cast<uint32_t>(row * layout.height);
    const uint32_t palette_entries =
        layout.depth == 8 ? (layout.colours_used ? layout.colours_used : 256) : 0;
    const uint32_t offset = 54 + 4 * palette_entries + static_cast<uint32_t>(layout.gap);
    put(0x4D42, 2);
    put(offset + image_size, 4);
    put(0, 4);
    put(offset, 4);
    put(40, 4);
    put(static_cast<uint32_t>(layout.width), 4);
    put(static_cast<uint32_t>(layout.top_down ? -layout.height : layout.height), 4);
    put(1, 2);
    put(static_cast<uint32_t>(layout.depth), 2);
    put(layout.compression, 4);
    put(layout.size_image_zero ? 0 : image_size, 4);
    put(2835, 4);
    put(2835, 4);
    put(layout.colours_used, 4);
    put(0, 4);
    for (uint32_t i = 0; i < palette_entries; ++i) {
        const PaletteEntry entry = layout.colour(static_cast<int>(i));
        bytes.push_back(entry.blue);
        bytes.push_back(entry.green);
        bytes.push_back(entry.red);
        bytes.push_back(0);
    }
    bytes.insert(bytes.end(), static_cast<std::size_t>(layout.gap), 0xEE);
    for (int r = 0; r < layout.height; ++r) {
        const int y = layout.top_down ? r : layout.height - 1 - r;
        for (int x = 0; x < layout.width; ++x) put(layout.pixel(x, y), bytes_per_pixel);
        // Padding that would show up as pixels if it were read as such.
        bytes.insert(bytes.end(), static_cast<std::size_t>(row - layout.width * bytes_per_pixel),
                     0xCC);
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
