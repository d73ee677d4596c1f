// The five sound effects, as 8-bit unsigned samples at 11025 per second.
#pragma once
#include <cstdint>
#include <vector>

constexpr int SOUND_RATE = 11025;

std::vector<uint8_t> EngineSound();    // a hum that loops seamlessly
std::vector<uint8_t> FuelingSound();   // a pumping loop
std::vector<uint8_t> FuelLowSound();   // a two-tone alarm loop, played at 6000 Hz
std::vector<uint8_t> MissileSound();   // a short launch
std::vector<uint8_t> ExplosionSound(); // about a second
