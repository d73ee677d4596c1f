#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

Canvas MakeCanvas(int width, int height, int colour) {
    Canvas c;
    c.width = width;
    c.height = height;
    c.pixels.assign(size_t(width) * size_t(height), uint8_t(colour));
    return c;
}

int GetPixel(const Canvas& c, int x, int y) {
    if (x < 0 || y < 0 || x >= c.width || y >= c.height) return 0;
    return c.pixels[size_t(y) * size_t(c.width) + size_t(x)];
}

void SetPixel(Canvas& c, int x, int y, int colour) {
    if (x < 0 || y < 0 || x >= c.width || y >= c.height) return;
    c.pixels[size_t(y) * size_t(c.width) + size_t(x)] = uint8_t(colour);
}

void FillRect(Canvas& c, int x, int y, int w, int h, int colour) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) SetPixel(c, i, j, colour);
}

void FillPolygon(Canvas& c, const std::vector<Point>& pts, int colour) {
    size_t n = pts.size();
    if (n < 3) return;
    for (int y = 0; y < c.height; ++y) {
        double sy = y + 0.5;
        std::vector<double> xs;
        for (size_t i = 0; i < n; ++i) {
            const Point& a = pts[i];
            const Point& b = pts[(i + 1) % n];
            if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
                xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            int x0 = int(std::ceil(xs[k] - 0.5));
            int x1 = int(std::ceil(xs[k + 1] - 0.5));
            for (int x = x0; x < x1; ++x) SetPixel(c, x, y, colour);
        }
    }
}

void FillEllipse(Canvas& c, double cx, double cy, double rx, double ry, int colour) {
    for (int y = int(cy - ry - 1); y <= int(cy + ry + 1); ++y)
        for (int x = int(cx - rx - 1); x <= int(cx + rx + 1); ++x) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) SetPixel(c, x, y, colour);
        }
}

void DrawLine(Canvas& c, int x0, int y0, int x1, int y1, int colour) {
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        SetPixel(c, x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Outline(Canvas& c, int colour) {
    Canvas src = c;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            if (GetPixel(src, x, y) != 0) continue;
            if (GetPixel(src, x - 1, y) || GetPixel(src, x + 1, y) || GetPixel(src, x, y - 1) ||
                GetPixel(src, x, y + 1))
                SetPixel(c, x, y, colour);
        }
}

Canvas MirrorX(const Canvas& c) {
    Canvas m = MakeCanvas(c.width, c.height);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) SetPixel(m, c.width - 1 - x, y, GetPixel(c, x, y));
    return m;
}

void Blit(Canvas& dst, const Canvas& src, int x, int y) {
    for (int j = 0; j < src.height; ++j)
        for (int i = 0; i < src.width; ++i) {
            int p = GetPixel(src, i, j);
            if (p) SetPixel(dst, x + i, y + j, p);
        }
}

Canvas MakeSheet(const std::vector<Canvas>& frames, int columns, int border_colour) {
    int fw = frames[0].width, fh = frames[0].height;
    int rows = (int(frames.size()) + columns - 1) / columns;
    int w = columns * (fw + 1) + 1;
    w = (w + 3) / 4 * 4;
    Canvas sheet = MakeCanvas(w, rows * (fh + 1) + 1, border_colour);
    for (size_t i = 0; i < frames.size(); ++i) {
        int cx = int(i) % columns, cy = int(i) / columns;
        int x0 = cx * (fw + 1) + 1, y0 = cy * (fh + 1) + 1;
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x) SetPixel(sheet, x0 + x, y0 + y, GetPixel(frames[i], x, y));
    }
    return sheet;
}
