// The player's craft, seen from above, nose up. Its parts are flat
// polygons with a height; banking rolls them about the fuselage, so the
// wings shorten and the fin leans, and the lowered wing darkens.
#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/palette.h"

namespace {

struct Part {
    std::vector<Point> outline;  // x from the centre line, y from the top
    double height;               // above the wing plane
    Ramp ramp;
    int shade;
    int side;  // -1 left wing, +1 right wing, 0 on the centre line
};

std::vector<Part> Parts() {
    std::vector<Part> parts;
    auto both = [&](std::vector<Point> right, double height, Ramp ramp, int shade) {
        std::vector<Point> left;
        for (const Point& p : right) left.push_back({-p.x, p.y});
        parts.push_back({left, height, ramp, shade, -1});
        parts.push_back({right, height, ramp, shade, 1});
    };
    both({{2.5, 17}, {18.5, 29}, {18.5, 33}, {14, 33}, {2.5, 30}}, 0, RAMP_STEEL, 9);    // wing
    both({{15, 29.5}, {18.5, 29}, {18.5, 33}, {15, 33}}, 0, RAMP_ALERT, 0);             // wing tip
    both({{2, 37}, {9.5, 43}, {9.5, 45.5}, {2, 44}}, 0, RAMP_STEEL, 8);                 // tailplane
    both({{2.2, 24}, {6.5, 25}, {6.5, 29}, {2.2, 28}}, 0.5, RAMP_GREY, 6);              // intake
    parts.push_back({{{0, 1}, {2.6, 8}, {3.4, 18}, {3.2, 38}, {2.2, 45}, {-2.2, 45}, {-3.2, 38}, {-3.4, 18},
                      {-2.6, 8}},
                     1.5, RAMP_GREY, 12, 0});                                            // fuselage
    parts.push_back({{{-1, 19}, {1, 19}, {1, 36}, {-1, 36}}, 2, RAMP_ALERT, 1, 0});       // stripe
    parts.push_back({{{-0.6, 35}, {0.6, 35}, {0.6, 46}, {-0.6, 46}}, 6, RAMP_STEEL, 5, 0});  // fin
    return parts;
}

Canvas Draw(double roll) {
    Canvas c = MakeCanvas(40, 48);
    const double cx = 20;
    for (const Part& part : Parts()) {
        std::vector<Point> pts;
        for (const Point& p : part.outline)
            pts.push_back({cx + p.x * std::cos(roll) - part.height * std::sin(roll), p.y});
        int shade = part.shade + int(std::lround(part.side * std::sin(roll) * 6));
        FillPolygon(c, pts, part.ramp.Shade(shade));
    }
    // Canopy, lit from the upper left.
    double canopy_x = cx - 1.8 * std::sin(roll);
    FillEllipse(c, canopy_x, 12.5, 1.9, 4.2, RAMP_BLUE.Shade(3));
    FillEllipse(c, canopy_x - 0.6, 11.2, 0.9, 2.0, RAMP_BLUE.Shade(9));
    // Exhaust glow.
    FillRect(c, int(cx) - 1, 45, 2, 2, RAMP_FIRE.Shade(12));
    SetPixel(c, int(cx) - 1, 47, RAMP_FIRE.Shade(8));
    SetPixel(c, int(cx), 47, RAMP_FIRE.Shade(8));
    Outline(c, RAMP_NAVY.Shade(0));
    return c;
}

}  // namespace

std::vector<Canvas> DrawCraftFrames() {
    Canvas left = Draw(0.75);
    return {left, Draw(0.0), MirrorX(left)};
}
