// The six enemies, drawn facing left; the right-facing frame is the mirror
// image. Ships are seen from above like the river; aircraft in profile,
// which tells them apart at a glance.
#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/palette.h"

namespace {

const int kRim = RAMP_NAVY.Shade(0);

void Wake(Canvas& c, int x, int y0, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int i = 0; i < 4; ++i)
            if ((x + i + y) % 3 != 0) SetPixel(c, x + i, y + (i % 2), RAMP_WATER.Shade(22 - i * 2));
}

void Turret(Canvas& c, double x, double y, double r, int barrel_to) {
    DrawLine(c, int(x), int(y) - 1, barrel_to, int(y) - 1, RAMP_STEEL.Shade(2));
    DrawLine(c, int(x), int(y), barrel_to, int(y), RAMP_STEEL.Shade(3));
    FillEllipse(c, x, y, r, r, RAMP_STEEL.Shade(6));
    FillEllipse(c, x - r * 0.3, y - r * 0.3, r * 0.5, r * 0.5, RAMP_STEEL.Shade(11));
}

Canvas Boat() {
    Canvas c = MakeCanvas(80, 24);
    FillPolygon(c, {{2, 12}, {12, 4}, {24, 2.5}, {70, 2.5}, {73, 4}, {73, 20}, {70, 21.5}, {24, 21.5}, {12, 20}},
                RAMP_RUST.Shade(4));
    FillPolygon(c, {{6, 12}, {14, 6}, {25, 5}, {69, 5}, {70, 6}, {70, 18}, {69, 19}, {25, 19}, {14, 18}},
                RAMP_TAN.Shade(7));
    for (int x = 28; x < 68; x += 6) DrawLine(c, x, 6, x, 17, RAMP_TAN.Shade(5));  // deck planks
    FillRect(c, 36, 7, 20, 10, RAMP_GREY.Shade(14));                                // cabin
    FillRect(c, 36, 7, 20, 2, RAMP_GREY.Shade(15));
    FillRect(c, 36, 15, 20, 2, RAMP_GREY.Shade(10));
    FillRect(c, 37, 9, 3, 6, RAMP_BLUE.Shade(4));                                   // windscreen
    FillRect(c, 58, 9, 6, 6, RAMP_TAN.Shade(3));                                    // hatch
    FillEllipse(c, 17, 12, 2.5, 2.5, RAMP_STEEL.Shade(4));                          // deck gun
    DrawLine(c, 8, 12, 16, 12, RAMP_STEEL.Shade(2));
    Wake(c, 75, 6, 17);
    Outline(c, kRim);
    return c;
}

Canvas Cruiser() {
    Canvas c = MakeCanvas(112, 24);
    FillPolygon(c, {{1, 12}, {16, 4}, {34, 2.5}, {102, 2.5}, {107, 5}, {107, 19}, {102, 21.5}, {34, 21.5}, {16, 20}},
                RAMP_STEEL.Shade(7));
    FillPolygon(c, {{5, 12}, {18, 6}, {34, 5}, {101, 5}, {104, 7}, {104, 17}, {101, 19}, {34, 19}, {18, 18}},
                RAMP_STEEL.Shade(9));
    DrawLine(c, 18, 12, 104, 12, RAMP_STEEL.Shade(8));
    FillRect(c, 46, 7, 24, 10, RAMP_STEEL.Shade(12));   // superstructure
    FillRect(c, 50, 8, 12, 8, RAMP_STEEL.Shade(14));    // bridge deck
    FillRect(c, 50, 9, 2, 6, RAMP_BLUE.Shade(3));
    FillEllipse(c, 76, 12, 4, 3.2, RAMP_GREY.Shade(3));  // funnel
    FillEllipse(c, 76, 12, 2.2, 1.6, RAMP_GREY.Shade(0));
    Turret(c, 28, 12, 4, 17);
    Turret(c, 40, 12, 3.2, 31);
    Turret(c, 92, 12, 4, 103);
    Wake(c, 108, 7, 16);
    Outline(c, kRim);
    return c;
}

Canvas Destroyer() {
    Canvas c = MakeCanvas(112, 40);
    FillPolygon(c, {{1, 20}, {14, 8}, {30, 3}, {100, 3}, {107, 7}, {107, 33}, {100, 37}, {30, 37}, {14, 32}},
                RAMP_GREY.Shade(5));
    FillPolygon(c, {{5, 20}, {16, 10}, {31, 6}, {99, 6}, {104, 9}, {104, 31}, {99, 34}, {31, 34}, {16, 30}},
                RAMP_GREY.Shade(8));
    for (int x = 34; x < 100; x += 8) DrawLine(c, x, 7, x, 33, RAMP_GREY.Shade(7));
    FillRect(c, 44, 10, 30, 20, RAMP_GREY.Shade(10));   // superstructure
    FillRect(c, 46, 12, 14, 16, RAMP_GREY.Shade(12));
    FillRect(c, 46, 14, 2, 12, RAMP_BLUE.Shade(3));     // bridge windows
    FillEllipse(c, 66, 20, 3.5, 3.5, RAMP_GREY.Shade(5));  // radar mast
    DrawLine(c, 62, 20, 70, 20, RAMP_GREY.Shade(14));
    FillEllipse(c, 80, 14, 4.5, 4, RAMP_GREY.Shade(2));    // funnels
    FillEllipse(c, 80, 26, 4.5, 4, RAMP_GREY.Shade(2));
    FillEllipse(c, 80, 14, 2.5, 2, RAMP_SMOKE.Shade(0));
    FillEllipse(c, 80, 26, 2.5, 2, RAMP_SMOKE.Shade(0));
    Turret(c, 24, 20, 5, 10);
    Turret(c, 36, 20, 4.5, 26);
    Turret(c, 94, 20, 5, 106);
    FillRect(c, 40, 4, 4, 2, RAMP_ALERT.Shade(0));      // markings
    FillRect(c, 40, 34, 4, 2, RAMP_ALERT.Shade(0));
    Wake(c, 108, 10, 30);
    Outline(c, kRim);
    return c;
}

Canvas Helicopter() {
    Canvas c = MakeCanvas(64, 24);
    FillPolygon(c, {{32, 11}, {56, 10}, {58, 8}, {60, 8}, {60, 13}, {32, 15}}, RAMP_OLIVE.Shade(5));  // tail
    FillEllipse(c, 58, 11, 4, 4, RAMP_OLIVE.Shade(10));                                       // tail rotor
    FillEllipse(c, 58, 11, 1.5, 1.5, RAMP_OLIVE.Shade(3));
    FillEllipse(c, 22, 14, 14, 6.5, RAMP_OLIVE.Shade(6));                                      // body
    FillEllipse(c, 21, 12, 11, 3.5, RAMP_OLIVE.Shade(8));
    FillPolygon(c, {{9, 13}, {13, 9}, {20, 9}, {20, 14}, {9, 15}}, RAMP_BLUE.Shade(5));         // canopy
    FillRect(c, 13, 10, 4, 2, RAMP_BLUE.Shade(9));
    FillRect(c, 20, 5, 6, 3, RAMP_OLIVE.Shade(3));                                             // rotor mast
    FillRect(c, 2, 3, 52, 2, RAMP_GREY.Shade(11));                                             // rotor blur
    FillRect(c, 10, 3, 36, 1, RAMP_GREY.Shade(14));
    DrawLine(c, 14, 20, 16, 22, RAMP_GREY.Shade(4));                                          // skids
    DrawLine(c, 28, 20, 26, 22, RAMP_GREY.Shade(4));
    DrawLine(c, 8, 22, 34, 22, RAMP_GREY.Shade(6));
    SetPixel(c, 7, 21, RAMP_GREY.Shade(6));
    Outline(c, kRim);
    return c;
}

Canvas Plane() {
    Canvas c = MakeCanvas(48, 16);
    FillPolygon(c, {{36, 7}, {40, 1}, {44, 1}, {44, 9}}, RAMP_TAN.Shade(6));            // fin
    FillPolygon(c, {{5, 6}, {10, 5}, {40, 6.5}, {45, 8}, {45, 10}, {10, 11}, {5, 10}},
                RAMP_TAN.Shade(8));                                                      // fuselage
    FillRect(c, 10, 9, 30, 2, RAMP_TAN.Shade(5));
    FillRect(c, 3, 6, 3, 4, RAMP_ALERT.Shade(0));                                        // nose
    FillRect(c, 1, 2, 1, 12, RAMP_GREY.Shade(12));                                       // propeller
    FillPolygon(c, {{12, 4}, {15, 2.5}, {20, 2.5}, {21, 5.5}, {12, 5.5}}, RAMP_BLUE.Shade(5));  // cockpit
    FillPolygon(c, {{13, 8}, {28, 8}, {30, 9.5}, {13, 10.5}}, RAMP_TAN.Shade(3));         // wing
    FillEllipse(c, 32, 8, 1.8, 1.8, RAMP_ALERT.Shade(0));                                 // roundel
    SetPixel(c, 32, 8, PAL_WHITE);
    Outline(c, kRim);
    return c;
}

Canvas Jet() {
    Canvas c = MakeCanvas(48, 16);
    FillPolygon(c, {{30, 7}, {38, 1}, {43, 1}, {43, 8}}, RAMP_PURPLE.Shade(4));          // swept fin
    FillPolygon(c, {{0, 9}, {8, 6.5}, {38, 6}, {44, 7}, {44, 11}, {38, 12}, {8, 11.5}},
                RAMP_PURPLE.Shade(7));                                                    // fuselage
    FillRect(c, 8, 10, 34, 2, RAMP_PURPLE.Shade(5));
    FillPolygon(c, {{9, 6.5}, {13, 4}, {19, 4}, {22, 6.5}}, RAMP_BLUE.Shade(7));          // canopy
    FillPolygon(c, {{20, 9}, {34, 8.5}, {36, 10}, {24, 13}, {19, 13}}, RAMP_PURPLE.Shade(3));  // swept wing
    FillRect(c, 24, 7, 5, 2, RAMP_GREY.Shade(3));                                          // intake
    FillRect(c, 44, 8, 3, 3, RAMP_FIRE.Shade(11));                                         // afterburner
    SetPixel(c, 47, 9, RAMP_FIRE.Shade(14));
    Outline(c, kRim);
    return c;
}

}  // namespace

std::vector<Canvas> DrawEnemyFrames(int kind) {
    Canvas left;
    switch (kind) {
        case 0: left = Boat(); break;
        case 1: left = Cruiser(); break;
        case 2: left = Destroyer(); break;
        case 3: left = Helicopter(); break;
        case 4: left = Plane(); break;
        default: left = Jet(); break;
    }
    return {left, MirrorX(left)};
}
