// Writes the game's art, menus, sounds and palette into a folder:
//   assetgen DATA_DIR            every file the game reads
//   assetgen --contact OUT_DIR   contact sheets of the art, for looking at
//   assetgen --icons OUT_DIR     the desktop icons, in the icon theme's layout
//   assetgen --page-icons OUT_DIR  the web page's icons
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "tools/assetgen/art.h"
#include "tools/assetgen/files.h"
#include "tools/assetgen/icon.h"
#include "tools/assetgen/palette.h"
#include "tools/assetgen/sounds.h"

namespace {

bool failed = false;

void Check(bool ok, const std::string& path) {
    if (!ok) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        failed = true;
    }
}

void Bmp(const std::string& dir, const char* name, const Canvas& c) { Check(WriteBmp(dir + "/" + name, c), name); }

void Wav(const std::string& dir, const char* name, const std::vector<uint8_t>& s) {
    Check(WriteWav(dir + "/" + name, s), name);
}

void WriteGameFiles(const std::string& dir) {
    Check(WritePaletteFile(dir + "/PALDATA2.PAL"), "PALDATA2.PAL");
    Bmp(dir, "menuart/main_screen.bmp", DrawMainScreen());
    Bmp(dir, "menuart/new_game_screen.bmp", DrawNewGameScreen());
    Bmp(dir, "menuart/instruction_screen.bmp", DrawInstructionScreen());
    Bmp(dir, "menuart/game_finish_screen.bmp", DrawGameFinishScreen());
    Bmp(dir, "menuart/game_over_screen.bmp", DrawGameOverScreen());
    Bmp(dir, "menuart/high_scores_screen.bmp", DrawHighScoresScreen());
    Bmp(dir, "menuart/new_high_score_screen.bmp", DrawNewHighScoreScreen());
    Bmp(dir, "menuart/options_screen.bmp", DrawOptionsScreen());
    Bmp(dir, "menuart/controls_screen.bmp", DrawControlsScreen());
    Bmp(dir, "art/info.bmp", MakeSheet({DrawPanel()}, 1, PAL_BLACK));
    Bmp(dir, "art/world.bmp", DrawTileSheet());
    Bmp(dir, "art/skerrit.bmp", MakeSheet(DrawCraftFrames(), 3, PAL_BLACK));
    Bmp(dir, "art/missle.bmp", MakeSheet(DrawMissileFrames(), 8, PAL_BLACK));
    Bmp(dir, "art/explosion.bmp", MakeSheet(DrawExplosionFrames(), 6, PAL_BLACK));
    const char* enemies[] = {"art/boat.bmp", "art/cruiser.bmp", "art/destroyer.bmp",
                             "art/helicopter.bmp", "art/plane.bmp", "art/jet.bmp"};
    for (int kind = 0; kind < 6; ++kind) Bmp(dir, enemies[kind], MakeSheet(DrawEnemyFrames(kind), 2, PAL_BLACK));
    Bmp(dir, "art/fuel.bmp", MakeSheet({DrawFuelDepot()}, 1, PAL_BLACK));
    Bmp(dir, "art/bridge.bmp", MakeSheet({DrawBridge()}, 1, PAL_BLACK));
    Wav(dir, "sounds/engine.wav", EngineSound());
    Wav(dir, "sounds/fueling.wav", FuelingSound());
    Wav(dir, "sounds/fuel_low.wav", FuelLowSound());
    Wav(dir, "sounds/missle.wav", MissileSound());
    Wav(dir, "sounds/explosion.wav", ExplosionSound());
}

// Every sprite on one dark sheet, frames side by side, one kind per row.
Canvas SpriteContactSheet() {
    std::vector<std::vector<Canvas>> rows = {DrawCraftFrames(), DrawMissileFrames()};
    for (int kind = 0; kind < 6; ++kind) rows.push_back(DrawEnemyFrames(kind));
    rows.push_back(DrawExplosionFrames());
    rows.push_back({DrawFuelDepot(), DrawBridge()});
    rows.push_back({DrawPanel()});
    int width = 0, height = 8;
    for (const auto& row : rows) {
        int w = 8, h = 0;
        for (const Canvas& c : row) {
            w += c.width + 8;
            h = std::max(h, c.height);
        }
        width = std::max(width, w);
        height += h + 8;
    }
    Canvas sheet = MakeCanvas((width + 3) / 4 * 4, height, RAMP_WATER.Shade(6));
    int y = 8;
    for (const auto& row : rows) {
        int x = 8, h = 0;
        for (const Canvas& c : row) {
            Blit(sheet, c, x, y);
            x += c.width + 8;
            h = std::max(h, c.height);
        }
        y += h + 8;
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    bool contact = argc == 3 && std::strcmp(argv[1], "--contact") == 0;
    bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
    bool pageIcons = argc == 3 && std::strcmp(argv[1], "--page-icons") == 0;
    if (argc != 2 && !contact && !icons && !pageIcons) {
        std::fprintf(stderr, "usage: assetgen DATA_DIR | assetgen --contact OUT_DIR | assetgen --icons OUT_DIR"
                             " | assetgen --page-icons OUT_DIR\n");
        return 2;
    }
    std::string dir = argv[argc - 1];
    if (pageIcons) {
        Check(WritePageIcons(dir), dir + "/icon-*.png");
        return failed ? 1 : 0;
    }
    if (icons) {
        Check(WriteIcons(dir), dir + "/*/apps/wavedart.png");
        return failed ? 1 : 0;
    }
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!contact)
        for (const char* sub : {"/art", "/menuart", "/sounds"}) std::filesystem::create_directories(dir + sub, ec);
    if (contact) {
        Bmp(dir, "contact_sprites.bmp", SpriteContactSheet());
        Bmp(dir, "contact_river.bmp", DrawRiverMap());
    } else {
        WriteGameFiles(dir);
    }
    return failed ? 1 : 0;
}
