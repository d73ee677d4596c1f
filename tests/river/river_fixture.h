// A temporary working folder with small 8-bit art sheets written into its
// art/ folder, a started headless display, and the missiles, explosions and
// depots loaded from the sheets: frame i of the missiles and the explosions
// is colour 100 + i, the depot 60.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "game/camera.h"
#include "game/explosions.h"
#include "game/fuel_depots.h"
#include "game/missiles.h"
#include "tests/graphics/graphics_fixture.h"

class RiverTest : public GraphicsTest {
protected:
    void SetUp() override
    {
        GraphicsTest::SetUp();
        std::filesystem::create_directories("art");
        auto numbered = [](int i) { return static_cast<uint8_t>(100 + i); };
        WriteCellSheet("missle.bmp", 8, 8, 8, 2, numbered);
        WriteCellSheet("explosion.bmp", 48, 48, 6, 3, numbered);
        WriteCellSheet("fuel.bmp", 48, 96, 1, 1, [](int) { return uint8_t{60}; });
        ASSERT_EQ(LoadMissiles() + LoadExplosions() + LoadFuelDepots(), 3);
        camera_x = 0;
        camera_y = 0;
        FillSurface(back_surface, 0, nullptr);
    }

    void TearDown() override
    {
        DestroyMissiles();
        DestroyExplosions();
        DestroyFuelDepots();
        GraphicsTest::TearDown();
    }

    // Writes art/<name>: a sheet of columns x rows cells of w x h framed by
    // one-pixel borders of colour 0, every pixel of cell i cell(i).
    static void WriteCellSheet(const std::string& name, int w, int h, int columns, int rows,
                               const std::function<uint8_t(int)>& cell)
    {
        BmpLayout layout;
        layout.width = columns * (w + 1) + 1;
        layout.height = rows * (h + 1) + 1;
        layout.pixel = [=](int x, int y) -> uint32_t {
            if (x % (w + 1) == 0 || y % (h + 1) == 0) return 0;
            return cell((y / (h + 1)) * columns + x / (w + 1));
        };
        WriteBmp("art/" + name, layout);
    }
};
