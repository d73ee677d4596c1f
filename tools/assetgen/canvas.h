// An 8-bit picture in palette indices, with the few drawing tools the art
// needs. Pixels outside the canvas are ignored.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

struct Point {
    double x;
    double y;
};

Canvas MakeCanvas(int width, int height, int colour = 0);
int GetPixel(const Canvas& c, int x, int y);  // 0 outside
void SetPixel(Canvas& c, int x, int y, int colour);
void FillRect(Canvas& c, int x, int y, int w, int h, int colour);
// Pixels whose centres lie inside the polygon (even-odd rule).
void FillPolygon(Canvas& c, const std::vector<Point>& points, int colour);
void FillEllipse(Canvas& c, double cx, double cy, double rx, double ry, int colour);
void DrawLine(Canvas& c, int x0, int y0, int x1, int y1, int colour);
// Paints `colour` on every empty (0) pixel that touches a filled one
// (4-neighbours), giving sprites a crisp dark rim.
void Outline(Canvas& c, int colour);
Canvas MirrorX(const Canvas& c);
// Copies the non-zero pixels of `src` with its top-left at (x, y).
void Blit(Canvas& dst, const Canvas& src, int x, int y);

// Lays frames of equal size into a sheet with a one-pixel border around
// every cell, rows of `columns` cells; the width is padded to a multiple of 4.
Canvas MakeSheet(const std::vector<Canvas>& frames, int columns, int border_colour);
