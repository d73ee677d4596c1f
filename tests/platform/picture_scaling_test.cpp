// Where each scaling mode puts the 640 x 480 picture, and what its pixels
// become: sharp keeps every pixel a square of one colour, fill blends each
// edge between two pixels over one output pixel at most.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/picture_scaling.h"
#include "platform/surface.h"

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
// Colours whose bytes all differ, so that a blend of any two is none of them.
constexpr uint32_t PURE[4] = {0xFF102030u, 0xFFE0C0A0u, 0xFF40F008u, 0xFFA808F0u};

bool IsPure(uint32_t colour)
{
    return colour == PURE[0] || colour == PURE[1] || colour == PURE[2] || colour == PURE[3];
}

// Pictures of stripes across, down or both.
class PictureScalingTest : public testing::Test {
protected:
    void SetUp() override
    {
        picture = PlatformCreateSurface(WIDTH, HEIGHT);
        ASSERT_NE(picture, nullptr);
        for (int i = 0; i < 4; ++i) colours[i] = PURE[i];
    }

    void TearDown() override { PlatformDestroySurface(picture); }

    // Pixel (x, y) takes colour (x / stripe * across + y / stripe * down) % 4.
    void Draw(int across, int down, int stripe)
    {
        for (int y = 0; y < HEIGHT; ++y) {
            for (int x = 0; x < WIDTH; ++x) {
                picture->pixels[y * picture->pitch + x] = uint8_t((x / stripe * across + y / stripe * down) % 4);
            }
        }
    }

    std::vector<uint32_t> Scale(int scaling, const PicturePlace& place)
    {
        ScalePlan plan{};
        PlanScaling(&plan, scaling, WIDTH, HEIGHT, place.width, place.height);
        std::vector<uint32_t> out(static_cast<std::size_t>(place.width) * place.height);
        ScalePicture(&plan, picture, colours, reinterpret_cast<unsigned char*>(out.data()), place.width * 4);
        return out;
    }

    // The longest run of blended pixels along the rows or the columns.
    static int LongestBlend(const std::vector<uint32_t>& out, const PicturePlace& place, bool across)
    {
        int longest = 0;
        for (int line = 0; line < (across ? place.height : place.width); ++line) {
            int run = 0;
            for (int i = 0; i < (across ? place.width : place.height); ++i) {
                const std::size_t at = across ? std::size_t(line) * place.width + i : std::size_t(i) * place.width + line;
                run = IsPure(out[at]) ? 0 : run + 1;
                longest = std::max(longest, run);
            }
        }
        return longest;
    }

    PlatformSurface* picture = nullptr;
    uint32_t colours[256] = {};
};

}  // namespace

TEST(PictureScaling, EachModePlacesThePictureCentredInItsShapeEnlargedByWholeSteps)
{
    struct Case {
        int out_width, out_height;
        PicturePlace sharp, fill;
    };
    const Case cases[] = {
        {640, 480, {0, 0, 640, 480}, {0, 0, 640, 480}},
        {1366, 768, {363, 144, 640, 480}, {171, 0, 1024, 768}},
        {1920, 1080, {320, 60, 1280, 960}, {240, 0, 1440, 1080}},
        {1000, 1000, {180, 260, 640, 480}, {0, 125, 1000, 750}},
        // Smaller than the picture: both shrink it to fit.
        {320, 300, {0, 30, 320, 240}, {0, 30, 320, 240}},
        {0, 480, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.out_width << "x" << c.out_height);
        const PicturePlace expected[2] = {c.sharp, c.fill};
        for (int mode : {PLATFORM_SCALING_SHARP, PLATFORM_SCALING_FILL}) {
            const PicturePlace place = PlacePicture(mode, WIDTH, HEIGHT, c.out_width, c.out_height);
            const PicturePlace& want = expected[mode == PLATFORM_SCALING_FILL];
            EXPECT_EQ((std::vector<int>{place.x, place.y, place.width, place.height}),
                      (std::vector<int>{want.x, want.y, want.width, want.height})) << mode;
        }
    }
    // Fill first enlarges by the smallest whole factor that reaches its size.
    const int factors[][3] = {{640, 640, 1}, {640, 641, 2}, {640, 1280, 2}, {640, 1281, 3}, {480, 2160, 5}};
    for (const auto& f : factors) EXPECT_EQ(FillFactor(f[0], f[1]), f[2]) << f[0] << " to " << f[1];
}

TEST(PictureScaling, FillSamplesThePictureEnlargedTwiceAtEachPixelCentre)
{
    // 640 to 1024: the centres fall at 0.125, 1.375, 2.625, 3.875, 5.125 and
    // 6.375 of the 1280 enlarged pixels, whose pairs are the picture's pixels.
    ScalePlan plan{};
    PlanScaling(&plan, PLATFORM_SCALING_FILL, 640, 480, 1024, 768);
    const ScaleStep expected[] = {{0, 0}, {0, 96}, {1, 0}, {1, 224}, {2, 32}, {3, 0}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(plan.columns[i].first * 256 + plan.columns[i].weight, expected[i].first * 256 + expected[i].weight) << i;
        EXPECT_EQ(plan.rows[i].first * 256 + plan.rows[i].weight, expected[i].first * 256 + expected[i].weight) << i;
    }
    EXPECT_EQ(plan.columns.back().first, 639);
    EXPECT_EQ(plan.columns.back().weight, 0);
    EXPECT_EQ(plan.rows.back().first, 479);
}

TEST_F(PictureScalingTest, FillBlendsEachEdgeOverOnePixelAtMostAndSharpNone)
{
    for (const auto& size : {std::pair{1366, 768}, {1920, 1080}, {800, 600}, {1000, 1000}, {3840, 2160}}) {
        SCOPED_TRACE(testing::Message() << size.first << "x" << size.second);
        const PicturePlace place = PlacePicture(PLATFORM_SCALING_FILL, WIDTH, HEIGHT, size.first, size.second);
        // Edges four pixels apart, across and then down, so that each edge's
        // blend stands apart from the next.
        Draw(1, 0, 4);
        EXPECT_LE(LongestBlend(Scale(PLATFORM_SCALING_FILL, place), place, true), 1);
        Draw(0, 1, 4);
        EXPECT_LE(LongestBlend(Scale(PLATFORM_SCALING_FILL, place), place, false), 1);
        // The corners are the picture's corners, unblended.
        Draw(1, 2, 1);
        const std::vector<uint32_t> out = Scale(PLATFORM_SCALING_FILL, place);
        EXPECT_EQ(out.front(), PURE[0]);
        EXPECT_EQ(out.back(), PURE[(WIDTH - 1 + 2 * (HEIGHT - 1)) % 4]);
    }
    Draw(1, 2, 1);
    for (const int factor : {1, 2, 3}) {
        const PicturePlace place{0, 0, WIDTH * factor, HEIGHT * factor};
        const std::vector<uint32_t> out = Scale(PLATFORM_SCALING_SHARP, place);
        for (int y = 0; y < place.height; ++y) {
            for (int x = 0; x < place.width; ++x) {
                ASSERT_EQ(out[std::size_t(y) * place.width + x], PURE[(x / factor + 2 * (y / factor)) % 4])
                    << factor << "x at " << x << "," << y;
            }
        }
    }
}
