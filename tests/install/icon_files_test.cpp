// The generated desktop icons are well-formed PNG files of the size their
// folder names: every chunk's checksum holds.
#include <gtest/gtest.h>

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

}  // namespace

TEST(IconFiles, EachSizeIsAValidRgbaPng)
{
    const char* data = std::getenv("WAVEDART_DATA_DIR");
    ASSERT_NE(data, nullptr);
    const fs::path icons = fs::path(data).parent_path() / "icons";
    for (int size : {64, 128, 256}) {
        SCOPED_TRACE(size);
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const Bytes png = ReadAll(icons / name / "apps/wavedart.png");
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
