// Synthesised effects. Loops are built from whole periods (or from noise
// filtered around the loop), so their end runs straight into their start.
#include "tools/assetgen/sounds.h"

#include <cmath>

#include "tools/assetgen/noise.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Scales to the peak level given and converts to unsigned 8-bit around 128.
std::vector<uint8_t> ToSamples(const std::vector<double>& v, double peak) {
    double top = 1e-9;
    for (double s : v) top = std::fmax(top, std::fabs(s));
    std::vector<uint8_t> out;
    out.reserve(v.size());
    for (double s : v) out.push_back(uint8_t(std::lround(128 + s / top * peak)));
    return out;
}

// One-pole low-pass run twice round a loop, so the result is itself a loop.
std::vector<double> LoopLowPass(const std::vector<double>& in, double a) {
    std::vector<double> out(in.size());
    double y = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < in.size(); ++i) out[i] = y = y + a * (in[i] - y);
    return out;
}

double Square(double phase, double softness) { return std::tanh(std::sin(phase) * softness); }

}  // namespace

std::vector<uint8_t> EngineSound() {
    // One second; every component repeats a whole number of times in it.
    const int n = SOUND_RATE;
    Random rng{0x5EED1u};
    std::vector<double> noise(static_cast<size_t>(n));
    for (double& s : noise) s = rng.Signed();
    noise = LoopLowPass(noise, 0.08);
    std::vector<double> v(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        double t = double(i) / n;
        double throb = 1 + 0.25 * std::sin(2 * kPi * 6 * t);  // six beats a second
        double hum = Square(2 * kPi * 70 * t, 2.5) * 0.55 + std::sin(2 * kPi * 140 * t) * 0.3 +
                     std::sin(2 * kPi * 211 * t) * 0.12;
        v[size_t(i)] = hum * throb + noise[size_t(i)] * 2.2;
    }
    return ToSamples(v, 90);
}

std::vector<uint8_t> FuelingSound() {
    // Four rising gulps a second; each starts and ends in silence.
    const int n = SOUND_RATE / 2;
    std::vector<double> v(static_cast<size_t>(n));
    const int gulp = n / 2;
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        int k = i % gulp;
        double t = double(k) / gulp;
        double freq = 320 + 520 * t * t;
        phase += 2 * kPi * freq / SOUND_RATE;
        double env = std::sin(kPi * t);
        env *= env;
        v[size_t(i)] = (Square(phase, 1.8) * 0.7 + std::sin(phase * 2) * 0.3) * env;
        if (k == gulp - 1) phase = 0;
    }
    return ToSamples(v, 100);
}

std::vector<uint8_t> FuelLowSound() {
    // Two tones, high then low. Played at 6000 Hz they sound about 0.54 as
    // high and last 1.84 times as long: near 760 and 570 Hz, three times a
    // second. Each tone starts with a sharp attack, so even its first few
    // milliseconds, replayed over and over, read as a warning buzz.
    const int n = SOUND_RATE / 5;
    const int half = n / 2;
    std::vector<double> v(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        int k = i % half;
        double freq = i < half ? 1400 : 1050;
        double attack = std::fmin(1.0, k / 12.0);
        double release = std::fmin(1.0, (half - 1 - k) / 60.0);
        double t = double(k) / SOUND_RATE;
        v[size_t(i)] = Square(2 * kPi * freq * t, 3.0) * attack * release;
    }
    return ToSamples(v, 100);
}

std::vector<uint8_t> MissileSound() {
    const int n = SOUND_RATE / 4;
    Random rng{0xA11CEu};
    std::vector<double> v(static_cast<size_t>(n));
    double phase = 0, hiss = 0;
    for (int i = 0; i < n; ++i) {
        double t = double(i) / n;
        double freq = 1700 * std::exp(-2.6 * t) + 180;
        phase += 2 * kPi * freq / SOUND_RATE;
        hiss += 0.35 * (rng.Signed() - hiss);
        double env = std::fmin(1.0, i / 40.0) * std::pow(1 - t, 1.6);
        v[size_t(i)] = (Square(phase, 1.5) * 0.6 + hiss * 0.9) * env;
    }
    return ToSamples(v, 110);
}

std::vector<uint8_t> ExplosionSound() {
    const int n = SOUND_RATE;  // one second
    Random rng{0xB0011u};
    std::vector<double> v(static_cast<size_t>(n));
    double low = 0, mid = 0, phase = 0;
    for (int i = 0; i < n; ++i) {
        double t = double(i) / n;
        double white = rng.Signed();
        low += 0.05 * (white - low);
        mid += 0.3 * (white - mid);
        double crackle = rng.Unit() > 0.997 - 0.004 * (1 - t) ? rng.Signed() * 2.0 : 0.0;
        phase += 2 * kPi * (110 * std::exp(-3 * t) + 35) / SOUND_RATE;
        double env = std::fmin(1.0, i / 30.0) * std::exp(-2.4 * t) * std::sqrt(1 - t);
        v[size_t(i)] = (low * 5.0 + mid * 0.9 * std::exp(-5 * t) + std::sin(phase) * 0.9 + crackle * 0.3) * env;
    }
    return ToSamples(v, 118);
}
