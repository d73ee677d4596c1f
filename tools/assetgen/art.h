// Every picture of the game, each drawn by its own file.
#pragma once
#include <vector>

#include "tools/assetgen/canvas.h"

// Whether each pixel of tile `tile` is water; row-major 64 x 64.
std::vector<int> TileWaterMask(int tile);
Canvas DrawTile(int tile);
Canvas DrawTileSheet();           // "art/world.bmp"
Canvas DrawRiverMap();            // the whole map, 640 x 3840, for looking at

std::vector<Canvas> DrawCraftFrames();       // 3 frames of 40 x 48
std::vector<Canvas> DrawEnemyFrames(int kind);  // facing left, facing right
std::vector<Canvas> DrawMissileFrames();     // 16 frames of 8 x 8
std::vector<Canvas> DrawExplosionFrames();   // 14 frames of 48 x 48
Canvas DrawFuelDepot();                      // 48 x 96
Canvas DrawBridge();                         // 128 x 64
Canvas DrawPanel();                          // 640 x 32

Canvas DrawMainScreen();
Canvas DrawNewGameScreen();
Canvas DrawInstructionScreen();
Canvas DrawGameFinishScreen();
Canvas DrawGameOverScreen();
Canvas DrawHighScoresScreen();
Canvas DrawNewHighScoreScreen();
Canvas DrawOptionsScreen();
Canvas DrawControlsScreen();
