// Writers for the two file formats the game reads.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/canvas.h"

// 8-bit uncompressed BMP, bottom-up, the shared palette right after the
// header and the pixels right after the palette. The width must be a
// multiple of 4, so rows carry no padding.
bool WriteBmp(const std::string& path, const Canvas& canvas);
// RIFF WAVE: a 16-byte PCM "fmt " chunk then "data", 8-bit unsigned mono
// at 11025 samples per second.
bool WriteWav(const std::string& path, const std::vector<uint8_t>& samples);
