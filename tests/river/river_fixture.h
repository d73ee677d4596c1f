// A temporary working folder with small 8-bit art sheets written into its
// art/ folder, a started headless display, and the missiles, explosions,
// depots and bridge loaded from the sheets: frame i of the missiles and the
// explosions is colour 100 + i, the depot 60 and the bridge 70.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game/bridge.h"
#include "game/camera.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "graphics/display.h"

class RiverTest : public testing::Test {
protected:
    void SetUp() override
    {
        old_dir_ = std::filesystem::current_path();
        char name[] = "/tmp/river_test_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
        std::filesystem::create_directories(dir_ / "art");
        std::filesystem::current_path(dir_);
        ASSERT_EQ(StartDisplay(640, 480, 8, 0), 1);
        auto numbered = [](int i, int, int) { return static_cast<uint8_t>(100 + i); };
        WriteCellSheet("missle.bmp", 8, 8, 8, 2, numbered);
        WriteCellSheet("explosion.bmp", 48, 48, 6, 3, numbered);
        WriteCellSheet("fuel.bmp", 48, 96, 1, 1, [](int, int, int) { return uint8_t{60}; });
        WriteCellSheet("bridge.bmp", 128, 64, 1, 1, [](int, int, int) { return uint8_t{70}; });
        ASSERT_EQ(LoadMissiles() + LoadExplosions() + LoadFuelDepots() + LoadBridge(), 4);
        camera_x = 0;
        camera_y = 0;
        FillSurface(back_surface, 0, nullptr);
    }

    void TearDown() override
    {
        DestroyMissiles();
        DestroyExplosions();
        DestroyFuelDepots();
        DestroyBridge();
        StopDisplay();
        std::filesystem::current_path(old_dir_);
        std::filesystem::remove_all(dir_);
    }

    // Writes art/<name>: a sheet of columns x rows cells of w x h framed by
    // one-pixel borders of colour 0, as a bottom-up 8-bit BMP with padded
    // rows; pixel (px, py) of cell i is cell(i, px, py), and palette entry i
    // is (i, 255 - i, i / 2).
    static void WriteCellSheet(const std::string& name, int w, int h, int columns, int rows,
                               const std::function<uint8_t(int, int, int)>& cell)
    {
        const int width = columns * (w + 1) + 1;
        const int height = rows * (h + 1) + 1;
        const int row_bytes = (width + 3) / 4 * 4;
        const uint32_t image_size = static_cast<uint32_t>(row_bytes * height);
        std::vector<uint8_t> bytes;
        auto put = [&bytes](uint32_t value, int count) {
            for (int i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
        };
        const uint32_t header[][2] = {{0x4D42, 2}, {1078 + image_size, 4}, {0, 4}, {1078, 4}, {40, 4},
                                      {static_cast<uint32_t>(width), 4}, {static_cast<uint32_t>(height), 4},
                                      {1, 2}, {8, 2}, {0, 4}, {image_size, 4}, {0, 4}, {0, 4}, {0, 4}, {0, 4}};
        for (const auto& field : header) put(field[0], static_cast<int>(field[1]));
        for (uint32_t i = 0; i < 256; ++i) put((i << 16) | ((255 - i) << 8) | (i / 2), 4);
        for (int y = height - 1; y >= 0; --y) {
            for (int x = 0; x < row_bytes; ++x) {
                const bool border = x >= width || x % (w + 1) == 0 || y % (h + 1) == 0;
                const int i = (y / (h + 1)) * columns + x / (w + 1);
                bytes.push_back(border ? 0 : cell(i, x % (w + 1) - 1, y % (h + 1) - 1));
            }
        }
        std::FILE* file = std::fopen(("art/" + name).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
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
