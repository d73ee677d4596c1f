// The five full-screen pictures. Each one shows the river at dusk behind
// the game's name and exactly the keys that screen answers to.
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "app/menu_entries.h"
#include "tools/assetgen/art.h"
#include "tools/assetgen/menu_parts.h"

namespace {

void DrawMenuList(Canvas& c, const MenuList& list) {
    Box(c, list.box_left, list.box_top, list.box_width, list.box_height);
    for (const MenuEntry& entry : list.entries) Option(c, entry.x, entry.y, entry.key_width, entry.key, entry.label);
}

}  // namespace

Canvas DrawMainScreen() {
    Canvas c = Backdrop(1344, 0.42);
    Title(c, W / 2, 40, 10);
    DrawCentred(c, W / 2, 150, "FLY THE RIVER  -  SINK THE FLEET  -  BRING DOWN THE BRIDGES", kGold);
    DrawMenuList(c, MAIN_MENU_LIST);
    std::vector<Canvas> craft = DrawCraftFrames();
    Blit(c, craft[1], 300, 400);
    Blit(c, DrawEnemyFrames(0)[1], 70, 250);
    Blit(c, DrawEnemyFrames(3)[0], 500, 120);
    Blit(c, DrawEnemyFrames(5)[0], 520, 400);
    return c;
}

Canvas DrawNewGameScreen() {
    Canvas c = Backdrop(2304, 0.42);
    Title(c, W / 2, 22, 7);
    DrawCentred(c, W / 2, 108, "CHOOSE YOUR DIFFICULTY", kBig);
    DrawMenuList(c, NEW_GAME_LIST);
    const char* notes[] = {"cruise as slowly as you like", "a quicker river, faster refuelling",
                           "never slow, the fastest refuelling"};
    for (std::size_t i = 0; i < std::size(notes); ++i) {
        const MenuEntry& entry = NEW_GAME_ENTRIES[i];
        DrawString(c, entry.x + 48, entry.y + 32, notes[i], kText);
    }
    BackHint(c, BACK_HINT_Y, "BACK TO THE MAIN MENU");
    return c;
}

Canvas DrawInstructionScreen() {
    Canvas c = Backdrop(2624, 0.32);
    Title(c, W / 2, 8, 6);
    // Every key on the left, a line each, the rules on the right.
    Box(c, 16, 62, 608, 214);
    // A cap of the list, an arrow pointing dx, dy when it has no label, and
    // the word that stands between it and the next cap.
    struct ListedKey {
        std::string label;
        int width;
        int dx, dy;
        std::string then;
    };
    struct KeyLine {
        std::vector<ListedKey> keys;
        std::string does;
    };
    const KeyLine key_lines[] = {
        {{{"", 26, -1, 0, ""}, {"", 26, 1, 0, ""}}, "steer"},
        {{{"", 26, 0, -1, ""}, {"", 26, 0, 1, ""}}, "faster / slower"},
        {{{"SPACE", 56, 0, 0, ""}}, "fire"},
        {{{"P", 26, 0, 0, ""}}, "pause, and again to go on"},
        {{{"BACKSPACE", 96, 0, 0, ""}}, "main menu"},
        {{{"ESC", 40, 0, 0, ""}}, "quit, on the main menu"},
        {{{"F11", 36, 0, 0, "or"}, {"ALT", 36, 0, 0, "+"}, {"ENTER", 52, 0, 0, ""}}, "full screen / window"},
    };
    int line_y = 72;
    for (const KeyLine& line : key_lines) {
        int x = 32;
        for (const ListedKey& key : line.keys) {
            if (key.label.empty()) ArrowCap(c, x, line_y, key.dx, key.dy);
            else KeyCap(c, x, line_y, key.width, key.label);
            x += key.width + 4;
            if (key.then.empty()) continue;
            DrawString(c, x + 2, line_y + 4, key.then, kText);
            x += TextWidth(key.then, kText) + 8;
        }
        DrawString(c, std::max(100, x + 8), line_y + 4, line.does, kText);
        line_y += 28;
    }
    const char* rules[] = {"Fly up the river to its",    "bridge and shoot the bridge",
                           "down to end the level. Ten", "levels, four ships.",
                           "The banks, enemies, their",  "fire and the bridge cost a",
                           "ship; so does an empty",     "tank. Fly over depots to",
                           "refuel. One ship back per",  "level."};
    for (int i = 0; i < 10; ++i) DrawString(c, 392, 80 + i * 18, rules[i], kText);
    // Points of every target, with its picture.
    Box(c, 16, 284, 608, 190);
    DrawCentred(c, W / 2, 292, "POINTS", kGold);
    struct Target {
        Canvas art;
        const char* points;
    };
    Canvas depot_small = MakeCanvas(24, 48), bridge_small = MakeCanvas(64, 32);
    Canvas depot = DrawFuelDepot(), bridge = DrawBridge();
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 24; ++x) SetPixel(depot_small, x, y, GetPixel(depot, x * 2, y * 2));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) SetPixel(bridge_small, x, y, GetPixel(bridge, x * 2, y * 2));
    Target left[] = {{DrawEnemyFrames(0)[0], "300"},
                     {DrawEnemyFrames(1)[0], "400"},
                     {DrawEnemyFrames(2)[0], "500"},
                     {bridge_small, "2000"}};
    Target right[] = {{DrawEnemyFrames(3)[0], "600"},
                      {DrawEnemyFrames(4)[0], "700"},
                      {DrawEnemyFrames(5)[0], "800"},
                      {depot_small, "200"}};
    const char* left_names[] = {"BOAT", "CRUISER", "DESTROYER", "BRIDGE"};
    const char* right_names[] = {"HELICOPTER", "PLANE", "JET", "FUEL DEPOT"};
    int rows_y[] = {312, 350, 392, 434};
    for (int i = 0; i < 4; ++i) {
        int cy = rows_y[i];
        Blit(c, left[i].art, 88 - left[i].art.width / 2, cy - left[i].art.height / 2 + 8);
        DrawString(c, 156, cy, left_names[i], kText);
        DrawString(c, 296 - TextWidth(left[i].points, kBold), cy, left[i].points, kGold);
        Blit(c, right[i].art, 380 - right[i].art.width / 2, cy - right[i].art.height / 2 + 8);
        DrawString(c, 428, cy, right_names[i], kText);
        DrawString(c, 604 - TextWidth(right[i].points, kBold), cy, right[i].points, kGold);
    }
    return c;
}

namespace {

// The end screens: a headline, the score's frame (its inside left plain for
// the score drawn at x 316 to 380, y 340 to 356) and the way back.
Canvas EndScreen(int map_y, const std::string& headline, Ramp ramp, const std::string& line) {
    Canvas c = Backdrop(map_y, 0.38);
    Title(c, W / 2, 28, 7);
    Headline(c, W / 2, 130, 6, headline, ramp);
    DrawCentred(c, W / 2, 228, line, kBold);
    Box(c, 236, 290, 168, 92);
    DrawCentred(c, W / 2, 304, "FINAL SCORE", kGold);
    FillRect(c, 300, 332, 96, 32, RAMP_NAVY.Shade(0));
    FillRect(c, 300, 332, 96, 1, RAMP_STEEL.Shade(3));
    BackHint(c, BACK_HINT_Y, "MAIN MENU");
    return c;
}

}  // namespace

Canvas DrawGameFinishScreen() {
    Canvas c = EndScreen(0, "RIVER CLEARED!", RAMP_LIME, "All ten bridges are down. The river is yours.");
    std::vector<Canvas> blast = DrawExplosionFrames();
    Blit(c, blast[3], 60, 300);
    Blit(c, blast[5], 530, 280);
    Blit(c, blast[2], 480, 360);
    Blit(c, DrawCraftFrames()[2], 110, 380);
    return c;
}

Canvas DrawGameOverScreen() {
    Canvas c = EndScreen(3008, "GAME OVER", RAMP_ALERT, "Your last ship is down. The river waits for you.");
    Blit(c, DrawEnemyFrames(2)[1], 150, 384);
    Blit(c, DrawEnemyFrames(3)[0], 470, 250);
    return c;
}
