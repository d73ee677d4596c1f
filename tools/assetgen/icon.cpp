// The icon is drawn once at 64 x 64 in palette indices and written as RGBA
// PNG, enlarged by whole factors for the bigger sizes. The PNG writer keeps
// the image data in stored (uncompressed) deflate blocks: no compressor is
// needed and every viewer reads it.
#include "tools/assetgen/icon.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "tools/assetgen/art.h"
#include "tools/assetgen/palette.h"

namespace {

constexpr int BASE_SIZE = 64;
constexpr int SIZES[] = {64, 128, 256};
constexpr int CORNER_RADIUS = 10;
constexpr int BANK_WIDTH = 9;

using Bytes = std::vector<uint8_t>;

// Water between two grassy banks, with the level craft in the middle.
Canvas DrawIconPicture()
{
    Canvas c = MakeCanvas(BASE_SIZE, BASE_SIZE, RAMP_WATER.Shade(8));
    for (int y = 0; y < BASE_SIZE; ++y) {
        // The banks wander a little, as the river's do.
        const int wobble = (y / 8) % 2;
        FillRect(c, 0, y, BANK_WIDTH + wobble, 1, RAMP_GRASS.Shade(5));
        FillRect(c, BASE_SIZE - BANK_WIDTH - (1 - wobble), y, BANK_WIDTH + 1, 1,
                 RAMP_GRASS.Shade(4));
        SetPixel(c, BANK_WIDTH + wobble, y, RAMP_MUD.Shade(4));
        SetPixel(c, BASE_SIZE - BANK_WIDTH - (1 - wobble) - 1, y, RAMP_MUD.Shade(3));
    }
    const Canvas craft = DrawCraftFrames()[1];
    Blit(c, craft, (BASE_SIZE - craft.width) / 2, (BASE_SIZE - craft.height) / 2);
    return c;
}

// Outside the rounded square the icon is transparent.
bool InsideRoundedSquare(int x, int y)
{
    const int r = CORNER_RADIUS;
    const int cx = x < r ? r : (x >= BASE_SIZE - r ? BASE_SIZE - r - 1 : x);
    const int cy = y < r ? r : (y >= BASE_SIZE - r ? BASE_SIZE - r - 1 : y);
    const int dx = x - cx;
    const int dy = y - cy;
    return dx * dx + dy * dy <= r * r;
}

uint32_t Crc32(const uint8_t* data, std::size_t size, uint32_t crc = 0)
{
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t Adler32(const Bytes& data)
{
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

void PutU32BigEndian(Bytes& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data)
{
    PutU32BigEndian(out, static_cast<uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutU32BigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored blocks, each at most 65535 bytes.
Bytes StoredZlib(const Bytes& raw)
{
    Bytes z = {0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t length = raw.size() - at < 65535 ? raw.size() - at : 65535;
        const bool last = at + length == raw.size();
        z.push_back(last ? 1 : 0);
        const auto len = static_cast<uint16_t>(length);
        const auto nlen = static_cast<uint16_t>(~len);
        for (uint16_t v : {len, nlen}) {
            z.push_back(static_cast<uint8_t>(v));
            z.push_back(static_cast<uint8_t>(v >> 8));
        }
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                 raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    PutU32BigEndian(z, Adler32(raw));
    return z;
}

// 8-bit RGBA, no interlacing; every row has filter type 0.
Bytes EncodePng(const Canvas& picture, int size)
{
    const Palette& palette = GamePalette();
    const int factor = size / BASE_SIZE;
    Bytes raw;
    raw.reserve(static_cast<std::size_t>(size) * (4 * size + 1));
    for (int y = 0; y < size; ++y) {
        raw.push_back(0);
        for (int x = 0; x < size; ++x) {
            const int px = x / factor;
            const int py = y / factor;
            const Rgb colour = palette[static_cast<std::size_t>(GetPixel(picture, px, py))];
            const bool inside = InsideRoundedSquare(px, py);
            for (int v : {colour.r, colour.g, colour.b, inside ? 255 : 0}) {
                raw.push_back(static_cast<uint8_t>(inside ? v : 0));
            }
        }
    }
    Bytes header;
    PutU32BigEndian(header, static_cast<uint32_t>(size));
    PutU32BigEndian(header, static_cast<uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0});
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    return png;
}

bool WriteFile(const std::string& path, const Bytes& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

}  // namespace

bool WriteIcons(const std::string& dir)
{
    const Canvas picture = DrawIconPicture();
    bool ok = true;
    for (int size : SIZES) {
        const std::string folder = dir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        ok = WriteFile(folder + "/wavedart.png", EncodePng(picture, size)) && ok;
    }
    return ok;
}
