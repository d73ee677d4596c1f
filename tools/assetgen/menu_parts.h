// What the full-screen pictures are made of: the dimmed river behind them,
// framed boxes, headlines, key caps and the lettering styles.
#pragma once
#include <string>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/font.h"
#include "tools/assetgen/palette.h"

// The screen's size.
constexpr int W = 640;
constexpr int H = 480;

// The river from high above at map row map_y, dimmed so that lettering stands out.
Canvas Backdrop(int map_y, double light);
// A framed dark box for text.
void Box(Canvas& c, int x, int y, int w, int h);
// The same by its edges, right and bottom exclusive, as the layouts give them.
void BoxBetween(Canvas& c, int left, int top, int right, int bottom);
// Big lettering in a ramp, lit from above, with a dark rim and a shadow.
void Headline(Canvas& c, int centre_x, int y, int scale, const std::string& text, Ramp ramp);
void Title(Canvas& c, int centre_x, int y, int scale);
// A screen added beside the menus: the river at map row map_y, the title
// small at the top and the screen's name under it at headline_y.
Canvas AddedScreen(int map_y, int headline_y, const std::string& headline);
// A keyboard key with its label, `w` pixels wide.
void KeyCap(Canvas& c, int x, int y, int w, const std::string& label);
// An arrow key: the key with a triangle pointing dx, dy.
void ArrowCap(Canvas& c, int x, int y, int dx, int dy);
// A key cap with a big label beside it, as the menus list their choices.
void Option(Canvas& c, int x, int y, int key_width, const std::string& key, const std::string& label);
// The Backspace key and where it leads, centred.
void BackHint(Canvas& c, int y, const std::string& what);
// A dark well that the game's text is drawn into.
void Well(Canvas& c, int x, int y, int w, int h);
// A key cap and what it does, from x; returns where the next one may start.
int Hint(Canvas& c, int x, int y, int key_width, const std::string& key, const std::string& what);
// Two arrow caps side by side and what they do; returns where the next may start.
int ArrowPair(Canvas& c, int x, int y, bool vertical, const std::string& what);

extern const TextStyle kText;
extern const TextStyle kBold;
extern const TextStyle kGold;
extern const TextStyle kBig;
