// The generated desktop icons are well-formed PNG files of the size their
// folder names: every chunk's checksum holds, and their pixels, inflated and
// unfiltered, are the smallest icon's enlarged.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t BigEndian(const Bytes& b, std::size_t at)
{
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

uint32_t Crc32(const uint8_t* data, std::size_t size)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

Bytes ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

fs::path IconFile(int size)
{
    const char* data = std::getenv("WAVEDART_DATA_DIR");
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    return fs::path(data ? data : "").parent_path() / "icons" / name / "apps/wavedart.png";
}

// The RGBA pixels of an icon whose chunks are IHDR, IDAT and IEND, as the
// test below checks; empty when they do not inflate to whole rows.
Bytes Pixels(const Bytes& png, int size)
{
    const std::size_t idat = 8 + 25;
    const uint32_t length = BigEndian(png, idat);
    const std::size_t stride = 4 * static_cast<std::size_t>(size);
    Bytes raw((stride + 1) * static_cast<std::size_t>(size) + 1);
    uLongf rawSize = raw.size();
    if (uncompress(raw.data(), &rawSize, png.data() + idat + 8, length) != Z_OK ||
        rawSize != raw.size() - 1) {
        return {};
    }
    Bytes pixels(stride * static_cast<std::size_t>(size));
    for (std::size_t y = 0; y < static_cast<std::size_t>(size); ++y) {
        const uint8_t filter = raw[y * (stride + 1)];
        for (std::size_t i = 0; i < stride; ++i) {
            const int a = i >= 4 ? pixels[y * stride + i - 4] : 0;
            const int b = y > 0 ? pixels[(y - 1) * stride + i] : 0;
            const int c = i >= 4 && y > 0 ? pixels[(y - 1) * stride + i - 4] : 0;
            const int p = a + b - c;
            const int paeth = std::abs(p - a) <= std::abs(p - b) && std::abs(p - a) <= std::abs(p - c) ? a
                              : std::abs(p - b) <= std::abs(p - c) ? b : c;
            const int predicted[] = {0, a, b, (a + b) / 2, paeth};
            if (filter > 4) return {};
            pixels[y * stride + i] = static_cast<uint8_t>(raw[y * (stride + 1) + 1 + i] + predicted[filter]);
        }
    }
    return pixels;
}

}  // namespace

TEST(IconFiles, BiggerSizesAreTheSmallestEnlarged)
{
    const Bytes small = Pixels(ReadAll(IconFile(64)), 64);
    ASSERT_EQ(small.size(), 64u * 64u * 4u);
    EXPECT_EQ(small[3], 0) << "a transparent corner";
    EXPECT_EQ(small[(32 * 64 + 32) * 4 + 3], 255) << "an opaque middle";
    for (int size : {128, 256}) {
        SCOPED_TRACE(size);
        const Bytes big = Pixels(ReadAll(IconFile(size)), size);
        ASSERT_EQ(big.size(), static_cast<std::size_t>(size * size * 4));
        int differ = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const auto at = static_cast<std::size_t>((y * size + x) * 4);
                const auto from = static_cast<std::size_t>((y * 64 / size * 64 + x * 64 / size) * 4);
                differ += !std::equal(big.begin() + long(at), big.begin() + long(at) + 4, small.begin() + long(from));
            }
        }
        EXPECT_EQ(differ, 0);
    }
}

TEST(IconFiles, EachSizeIsAValidRgbaPng)
{
    ASSERT_NE(std::getenv("WAVEDART_DATA_DIR"), nullptr);
    for (int size : {64, 128, 256}) {
        SCOPED_TRACE(size);
        const Bytes png = ReadAll(IconFile(size));
        ASSERT_EQ(Bytes(png.begin(), png.begin() + (png.size() < 8 ? long(png.size()) : 8)),
                  (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
        std::vector<std::string> types;
        std::size_t at = 8;
        while (at + 12 <= png.size()) {
            const uint32_t length = BigEndian(png, at);
            ASSERT_LE(at + 12 + length, png.size());
            types.emplace_back(png.begin() + static_cast<long>(at) + 4,
                               png.begin() + static_cast<long>(at) + 8);
            EXPECT_EQ(Crc32(png.data() + at + 4, length + 4), BigEndian(png, at + 8 + length))
                << types.back();
            if (types.back() == "IHDR") {
                EXPECT_EQ(BigEndian(png, at + 8), static_cast<uint32_t>(size));
                EXPECT_EQ(BigEndian(png, at + 12), static_cast<uint32_t>(size));
                EXPECT_EQ(png[at + 16] << 8 | png[at + 17], 8 << 8 | 6) << "8 bits a channel, RGBA";
            }
            at += 12 + length;
        }
        EXPECT_EQ(at, png.size());
        EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    }
}
