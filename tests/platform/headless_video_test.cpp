// The hash of a picture, which the regression demos keep for every picture
// shown, moves with any pixel, palette entry or size.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "platform/headless/headless_video.h"
#include "platform/video.h"

namespace {

// 13 x 7: the row of pixels does not fill the hash's last round.
HeadlessFrame Pattern()
{
    HeadlessFrame frame{13, 7, std::vector<unsigned char>(13 * 7), {}};
    for (std::size_t i = 0; i < frame.pixels.size(); ++i) frame.pixels[i] = static_cast<unsigned char>(i * 37);
    for (int i = 0; i < PLATFORM_PALETTE_SIZE; ++i) {
        frame.palette[i] = PlatformColour{uint8_t(i), uint8_t(255 - i), uint8_t(i / 3)};
    }
    return frame;
}

}  // namespace

TEST(HeadlessVideoTest, TheHashMovesWithEveryPartOfThePicture)
{
    const HeadlessFrame base = Pattern();
    std::vector<HeadlessFrame> changed(6, base);
    changed[0].pixels.front() ^= 1;
    changed[1].pixels.back() ^= 1;
    changed[2].pixels[13 * 4 + 5] ^= 0x80;
    changed[3].palette[0].red ^= 1;
    changed[4].palette[PLATFORM_PALETTE_SIZE - 1].blue ^= 1;
    std::swap(changed[5].width, changed[5].height);

    std::set<uint64_t> hashes{HeadlessFrameHash(&base)};
    for (const HeadlessFrame& frame : changed) hashes.insert(HeadlessFrameHash(&frame));
    EXPECT_EQ(hashes.size(), changed.size() + 1);
    const HeadlessFrame again = Pattern();
    EXPECT_EQ(HeadlessFrameHash(&again), HeadlessFrameHash(&base));
}
