#include "tools/assetgen/files.h"

#include <cstdio>

#include "tools/assetgen/palette.h"

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v & 0xFF));
    out.push_back(uint8_t((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(tag[i]));
}

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

bool WriteBmp(const std::string& path, const Canvas& canvas) {
    if (canvas.width % 4 != 0) return false;
    const uint32_t image = uint32_t(canvas.width) * uint32_t(canvas.height);
    const uint32_t offset = 14 + 40 + 1024;
    std::vector<uint8_t> out;
    out.reserve(offset + image);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + image);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, uint32_t(canvas.width));
    Put32(out, uint32_t(canvas.height));
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 0);
    Put32(out, image);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 256);
    Put32(out, 0);
    for (const Rgb& c : GamePalette()) {
        out.push_back(uint8_t(c.b));
        out.push_back(uint8_t(c.g));
        out.push_back(uint8_t(c.r));
        out.push_back(0);
    }
    for (int y = canvas.height - 1; y >= 0; --y)
        for (int x = 0; x < canvas.width; ++x) out.push_back(uint8_t(GetPixel(canvas, x, y)));
    return Save(path, out);
}

bool WriteWav(const std::string& path, const std::vector<uint8_t>& samples) {
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, uint32_t(4 + 8 + 16 + 8 + samples.size() + (samples.size() & 1)));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);      // PCM
    Put16(out, 1);      // mono
    Put32(out, 11025);  // samples per second
    Put32(out, 11025);  // bytes per second
    Put16(out, 1);      // block alignment
    Put16(out, 8);      // bits per sample
    PutTag(out, "data");
    Put32(out, uint32_t(samples.size()));
    out.insert(out.end(), samples.begin(), samples.end());
    if (samples.size() & 1) out.push_back(0);
    return Save(path, out);
}
