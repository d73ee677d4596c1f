// Missiles and the explosion: small animated effects in fire colours.
#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/palette.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// The player's shot flies up: a bright head over a flickering flame.
Canvas PlayerShot(int frame) {
    Canvas c = MakeCanvas(8, 8);
    FillRect(c, 3, 0, 2, 4, RAMP_FIRE.Shade(14));
    FillRect(c, 3, 0, 2, 2, PAL_WHITE);
    SetPixel(c, 2, 1, RAMP_FIRE.Shade(9));
    SetPixel(c, 5, 1, RAMP_FIRE.Shade(9));
    int flame = 2 + (frame * 5 % 3);
    for (int k = 0; k < flame; ++k) {
        int shade = 12 - k * 3 - (frame % 2);
        SetPixel(c, 3 + ((frame + k) % 2), 4 + k, RAMP_FIRE.Shade(shade));
        if (k < 2) SetPixel(c, 3 + ((frame + k + 1) % 2), 4 + k, RAMP_FIRE.Shade(shade - 2));
    }
    return c;
}

// The enemies' shot flies sideways either way: a pulsing bolt with sparks
// trailing both ends.
Canvas EnemyShot(int frame) {
    Canvas c = MakeCanvas(8, 8);
    double pulse = 0.5 + 0.5 * std::sin(frame * 2 * kPi / 8);
    FillRect(c, 1, 3, 6, 2, RAMP_ALERT.Shade(0));
    FillRect(c, 2, 3, 4, 2, RAMP_ALERT.Shade(6 + int(pulse * 6)));
    FillRect(c, 3, 3, 2, 2, PAL_WHITE);
    SetPixel(c, 3, 2, RAMP_ALERT.Shade(2));
    SetPixel(c, 4, 5, RAMP_ALERT.Shade(2));
    SetPixel(c, frame % 2 ? 0 : 7, 3 + frame % 2, RAMP_FIRE.Shade(9));
    SetPixel(c, frame % 2 ? 7 : 0, 4 - frame % 2, RAMP_FIRE.Shade(6));
    return c;
}

Canvas Blast(int frame) {
    Canvas c = MakeCanvas(48, 48);
    const double t = frame / 12.0;  // 0 at the flash, 1 at the last frame shown
    const double radius = 5 + 17 * (1 - (1 - std::fmin(t, 1.0)) * (1 - std::fmin(t, 1.0)));
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            double dx = x + 0.5 - 24, dy = y + 0.5 - 24;
            double d = std::sqrt(dx * dx + dy * dy);
            double angle = std::atan2(dy, dx);
            double ragged = radius * (0.82 + 0.18 * std::sin(angle * 5 + frame * 0.7) * std::sin(angle * 3 - 1.3) +
                                      0.1 * HashUnit(int(angle * 12 + 40), frame, 3));
            if (d > ragged) continue;
            double r = d / ragged;
            // Billows: smooth noise that boils from frame to frame.
            double billow = TileNoise(x, y, 6, 48, 40 + frame / 2) * 0.6 + TileNoise(x, y, 3, 48, 60 + frame) * 0.4;
            double grain = billow * 0.5 + HashUnit(x, y, 40 + frame) * 0.08;
            // Heat falls off outwards and with age; the cooled rim is smoke.
            double heat = (1.2 - r * 0.85) * std::pow(std::fmax(0.0, 1.02 - t), 1.4) + grain - 0.22;
            if (t > 0.55 && billow < (t - 0.55) * 1.7 * (0.5 + r)) continue;  // the smoke thins out
            if (heat > 0.28)
                SetPixel(c, x, y, RAMP_FIRE.Shade(int(heat * 16)));
            else
                SetPixel(c, x, y, RAMP_SMOKE.Shade(int((heat + 0.3) * 12 + grain * 4)));
        }
    // Sparks thrown out in the first frames.
    for (int k = 0; k < 14 && frame < 9; ++k) {
        double a = HashUnit(k, 1, 99) * 2 * kPi, v = 6 + HashUnit(k, 2, 99) * 16;
        double px = 24 + std::cos(a) * v * (0.3 + t * 1.6), py = 24 + std::sin(a) * v * (0.3 + t * 1.6);
        SetPixel(c, int(px), int(py), RAMP_FIRE.Shade(15 - frame));
    }
    return c;
}

}  // namespace

std::vector<Canvas> DrawMissileFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 8; ++f) frames.push_back(PlayerShot(f));
    for (int f = 0; f < 8; ++f) frames.push_back(EnemyShot(f));
    return frames;
}

std::vector<Canvas> DrawExplosionFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 14; ++f) frames.push_back(Blast(f));
    return frames;
}
