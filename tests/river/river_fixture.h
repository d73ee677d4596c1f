// A temporary working folder with small 8-bit art sheets written into its
// art/ folder, and a started headless display in it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "graphics/display.h"

class ArtFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        old_dir_ = std::filesystem::current_path();
        char name[] = "/tmp/river_test_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
        std::filesystem::create_directories(dir_ / "art");
        std::filesystem::current_path(dir_);
    }

    void TearDown() override
    {
        std::filesystem::current_path(old_dir_);
        std::filesystem::remove_all(dir_);
    }

    // Writes art/<name> as a bottom-up 8-bit BMP with padded rows whose pixel (x, y) is
    // pixel(x, y); palette entry i is (i, 255 - i, i / 2).
    static void WriteSheet(const std::string& name, int width, int height,
                           const std::function<uint8_t(int, int)>& pixel)
    {
        std::vector<uint8_t> bytes;
        auto put = [&bytes](uint32_t value, int count) {
            for (int i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
        };
        const int row_bytes = (width + 3) / 4 * 4;
        const uint32_t image_size = static_cast<uint32_t>(row_bytes * height);
        put(0x4D42, 2);
        put(1078 + image_size, 4);
        put(0, 4);
        put(1078, 4);
        put(40, 4);
        put(static_cast<uint32_t>(width), 4);
        put(static_cast<uint32_t>(height), 4);
        put(1, 2);
        put(8, 2);
        put(0, 4);
        put(image_size, 4);
        for (int i = 0; i < 4; ++i) put(0, 4);
        for (int i = 0; i < 256; ++i) {
            bytes.push_back(static_cast<uint8_t>(i / 2));
            bytes.push_back(static_cast<uint8_t>(255 - i));
            bytes.push_back(static_cast<uint8_t>(i));
            bytes.push_back(0);
        }
        for (int y = height - 1; y >= 0; --y) {
            for (int x = 0; x < row_bytes; ++x) bytes.push_back(x < width ? pixel(x, y) : 0);
        }
        std::FILE* file = std::fopen(("art/" + name).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    // A sheet of columns x rows cells of w x h, framed by one-pixel borders of
    // colour 0; pixel (px, py) of cell number i is cell(i, px, py).
    static void WriteCellSheet(const std::string& name, int w, int h, int columns, int rows,
                               const std::function<uint8_t(int, int, int)>& cell)
    {
        WriteSheet(name, columns * (w + 1) + 1, rows * (h + 1) + 1, [&](int x, int y) -> uint8_t {
            if (x % (w + 1) == 0 || y % (h + 1) == 0) return 0;
            const int i = (y / (h + 1)) * columns + x / (w + 1);
            return cell(i, x % (w + 1) - 1, y % (h + 1) - 1);
        });
    }

    // One pixel of the back surface, through a lock.
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

class RiverTest : public ArtFolderTest {
protected:
    void SetUp() override
    {
        ArtFolderTest::SetUp();
        ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
    }

    void TearDown() override
    {
        StopDisplay();
        ArtFolderTest::TearDown();
    }
};
