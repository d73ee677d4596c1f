// A temporary working folder with a started headless display, and a writer
// of small BMP files in the layouts the loader meets.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/display.h"

// An 8-bit picture stored bottom-up or top-down, palette entry i
// (i / 2, 255 - i, i).
struct BmpLayout {
    int width = 4;
    int height = 2;
    bool top_down = false;
    std::function<uint32_t(int, int)> pixel = [](int x, int y) { return uint32_t(y * 16 + x); };
};

inline std::vector<uint8_t> MakeBmp(const BmpLayout& layout)
{
    const uint32_t row = (uint32_t(layout.width) + 3) / 4 * 4;
    const uint32_t offset = 54 + 4 * PALETTE_SIZE;
    const uint32_t size = row * uint32_t(layout.height);
    std::vector<uint8_t> bytes;
    const auto put = [&bytes](uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    // The file header, then an information header of 40 bytes: one plane,
    // 8 bits a pixel, uncompressed.
    const std::pair<uint32_t, int> fields[] = {
        {BITMAP_ID, 2}, {offset + size, 4}, {0, 4}, {offset, 4}, {40, 4}, {uint32_t(layout.width), 4},
        {uint32_t(layout.top_down ? -layout.height : layout.height), 4}, {1, 2}, {8, 2}, {0, 4}, {size, 4},
        {2835, 4}, {2835, 4}, {0, 4}, {0, 4}};
    for (const auto& [value, count] : fields) put(value, count);
    for (uint32_t i = 0; i < PALETTE_SIZE; ++i) put(i | (255 - i) << 8 | i / 2 << 16, 4);
    for (int r = 0; r < layout.height; ++r) {
        const int y = layout.top_down ? r : layout.height - 1 - r;
        for (int x = 0; x < layout.width; ++x) put(layout.pixel(x, y), 1);
        // Padding that would show up if it were read as pixels.
        bytes.resize(offset + row * uint32_t(r + 1), 0xCC);
    }
    return bytes;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
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
        ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
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

private:
    std::filesystem::path old_dir_;
    std::filesystem::path dir_;
};
