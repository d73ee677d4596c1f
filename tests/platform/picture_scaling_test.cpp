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

// Pictures of stripes across, down or both, through colours whose bytes all
// differ, so that a blend of any two is none of them.
class PictureScalingTest : public testing::Test {
protected:
    void SetUp() override
    {
        picture = PlatformCreateSurface(WIDTH, HEIGHT);
        ASSERT_NE(picture, nullptr);
        Draw(1, 2, 1);
        for (int i = 0; i < 256; ++i) colours[i] = 0xFF000000u;
        for (int i = 0; i < 4; ++i) colours[i] = PURE[i];
    }

    void TearDown() override { PlatformDestroySurface(picture); }

    // Pixel (x, y) takes colour (x / stripe * across + y / stripe * down) % 4.
    void Draw(int across, int down, int stripe)
    {
        pattern_across = across;
        pattern_down = down;
        pattern_stripe = stripe;
        for (int y = 0; y < HEIGHT; ++y) {
            for (int x = 0; x < WIDTH; ++x) picture->pixels[y * picture->pitch + x] = Index(x, y);
        }
    }

    unsigned char Index(int x, int y) const
    {
        return static_cast<unsigned char>(
            (x / pattern_stripe * pattern_across + y / pattern_stripe * pattern_down) % 4);
    }

    std::vector<uint32_t> Scale(int scaling, const PicturePlace& place)
    {
        ScalePlan plan{};
        PlanScaling(&plan, scaling, WIDTH, HEIGHT, place.width, place.height);
        std::vector<uint32_t> out(static_cast<std::size_t>(place.width) * place.height);
        ScalePicture(&plan, picture, colours, reinterpret_cast<unsigned char*>(out.data()),
                     place.width * 4);
        return out;
    }

    static bool IsPure(uint32_t colour)
    {
        for (const uint32_t pure : PURE) {
            if (colour == pure) return true;
        }
        return false;
    }

    // The longest run of blended pixels along the rows or the columns.
    static int LongestBlend(const std::vector<uint32_t>& out, const PicturePlace& place,
                            bool across)
    {
        int longest = 0;
        const int lines = across ? place.height : place.width;
        const int length = across ? place.width : place.height;
        for (int line = 0; line < lines; ++line) {
            int run = 0;
            for (int i = 0; i < length; ++i) {
                const int x = across ? i : line;
                const int y = across ? line : i;
                run = IsPure(out[static_cast<std::size_t>(y) * place.width + x]) ? 0 : run + 1;
                if (run > longest) longest = run;
            }
        }
        return longest;
    }

    static constexpr uint32_t PURE[4] = {0xFF102030u, 0xFFE0C0A0u, 0xFF40F008u, 0xFFA808F0u};
    PlatformSurface* picture = nullptr;
    int pattern_across = 0;
    int pattern_down = 0;
    int pattern_stripe = 1;
    uint32_t colours[256] = {};
};

}  // namespace

TEST(PictureScaling, EachModePlacesThePictureCentredInItsShape)
{
    struct Case {
        int out_width, out_height;
        PicturePlace sharp, fill;
    };
    const Case cases[] = {
        {640, 480, {0, 0, 640, 480}, {0, 0, 640, 480}},
        {1366, 768, {363, 144, 640, 480}, {171, 0, 1024, 768}},
        {1280, 720, {320, 120, 640, 480}, {160, 0, 960, 720}},
        {1920, 1080, {320, 60, 1280, 960}, {240, 0, 1440, 1080}},
        {2560, 1440, {320, 0, 1920, 1440}, {320, 0, 1920, 1440}},
        {3840, 2160, {640, 120, 2560, 1920}, {480, 0, 2880, 2160}},
        {1000, 1000, {180, 260, 640, 480}, {0, 125, 1000, 750}},
        // Smaller than the picture: both shrink it to fit.
        {320, 300, {0, 30, 320, 240}, {0, 30, 320, 240}},
        {1, 1, {0, 0, 1, 0}, {0, 0, 1, 0}},
        {0, 480, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.out_width << "x" << c.out_height);
        const PicturePlace places[2] = {
            PlacePicture(PLATFORM_SCALING_SHARP, WIDTH, HEIGHT, c.out_width, c.out_height),
            PlacePicture(PLATFORM_SCALING_FILL, WIDTH, HEIGHT, c.out_width, c.out_height)};
        const PicturePlace expected[2] = {c.sharp, c.fill};
        for (int mode = 0; mode < 2; ++mode) {
            EXPECT_EQ(places[mode].x, expected[mode].x) << mode;
            EXPECT_EQ(places[mode].y, expected[mode].y) << mode;
            EXPECT_EQ(places[mode].width, expected[mode].width) << mode;
            EXPECT_EQ(places[mode].height, expected[mode].height) << mode;
        }
    }
}

TEST(PictureScaling, FillEnlargesByTheSmallestWholeFactorThatReachesItsSize)
{
    const int cases[][3] = {{640, 640, 1},  {640, 300, 1},  {640, 641, 2},  {640, 1024, 2},
                            {640, 1280, 2}, {640, 1281, 3}, {480, 1080, 3}, {480, 2160, 5}};
    for (const auto& c : cases) EXPECT_EQ(FillFactor(c[0], c[1]), c[2]) << c[0] << " to " << c[1];
}

TEST(PictureScaling, FillSamplesThePictureEnlargedTwiceAtEachPixelCentre)
{
    // 640 to 1024: the centres fall at 0.125, 1.375, 2.625, 3.875, 5.125 and
    // 6.375 of the 1280 enlarged pixels, whose pairs are the picture's pixels.
    ScalePlan plan{};
    PlanScaling(&plan, PLATFORM_SCALING_FILL, 640, 480, 1024, 768);
    const ScaleStep expected[] = {{0, 0}, {0, 96}, {1, 0}, {1, 224}, {2, 32}, {3, 0}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(plan.columns[i].first, expected[i].first) << i;
        EXPECT_EQ(plan.columns[i].weight, expected[i].weight) << i;
        EXPECT_EQ(plan.rows[i].first, expected[i].first) << i;
        EXPECT_EQ(plan.rows[i].weight, expected[i].weight) << i;
    }
    EXPECT_EQ(plan.columns.back().first, 639);
    EXPECT_EQ(plan.columns.back().weight, 0);
    EXPECT_EQ(plan.rows.back().first, 479);
}

TEST_F(PictureScalingTest, FillBlendsEachEdgeOverOnePixelAtMostAndSharpNone)
{
    const int sizes[][2] = {{1366, 768},  {1280, 720}, {1920, 1080}, {800, 600},
                            {1000, 1000}, {1280, 960}, {3840, 2160}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size[0] << "x" << size[1]);
        const PicturePlace place =
            PlacePicture(PLATFORM_SCALING_FILL, WIDTH, HEIGHT, size[0], size[1]);
        // Edges four pixels apart, across and then down, so that each edge's
        // blend stands apart from the next.
        Draw(1, 0, 4);
        EXPECT_LE(LongestBlend(Scale(PLATFORM_SCALING_FILL, place), place, true), 1);
        Draw(0, 1, 4);
        EXPECT_LE(LongestBlend(Scale(PLATFORM_SCALING_FILL, place), place, false), 1);
        // The corners are the picture's corners, unblended.
        Draw(1, 2, 1);
        const std::vector<uint32_t> out = Scale(PLATFORM_SCALING_FILL, place);
        EXPECT_EQ(out.front(), PURE[Index(0, 0)]);
        EXPECT_EQ(out.back(), PURE[Index(WIDTH - 1, HEIGHT - 1)]);
    }
    const int factors[] = {1, 2, 3};
    for (const int factor : factors) {
        const PicturePlace place{0, 0, WIDTH * factor, HEIGHT * factor};
        const std::vector<uint32_t> out = Scale(PLATFORM_SCALING_SHARP, place);
        for (int y = 0; y < place.height; ++y) {
            for (int x = 0; x < place.width; ++x) {
                ASSERT_EQ(out[static_cast<std::size_t>(y) * place.width + x],
                          PURE[Index(x / factor, y / factor)])
                    << factor << "x at " << x << "," << y;
            }
        }
    }
}

TEST_F(PictureScalingTest, ScaledPixelsMixTheirStepsPicturePixelsAcrossThenDown)
{
    // Each byte mixed as (a * (256 - w) + b * w) / 256, rounded down.
    const auto mix = [](uint32_t a, uint32_t b, int weight) {
        uint32_t out = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            const uint32_t ab = (a >> shift) & 0xFF;
            const uint32_t bb = (b >> shift) & 0xFF;
            out |= ((ab * (256 - weight) + bb * weight) >> 8) << shift;
        }
        return out;
    };
    const int sizes[][2] = {{1366, 768}, {1920, 1080}, {3840, 2160}, {300, 200}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size[0] << "x" << size[1]);
        const PicturePlace place =
            PlacePicture(PLATFORM_SCALING_FILL, WIDTH, HEIGHT, size[0], size[1]);
        ScalePlan plan{};
        PlanScaling(&plan, PLATFORM_SCALING_FILL, WIDTH, HEIGHT, place.width, place.height);
        const std::vector<uint32_t> out = Scale(PLATFORM_SCALING_FILL, place);
        int mismatches = 0;
        for (int y = 0; y < place.height; ++y) {
            const ScaleStep row = plan.rows[y];
            for (int x = 0; x < place.width; ++x) {
                const ScaleStep column = plan.columns[x];
                const auto at = [this](int px, int py) { return PURE[Index(px, py)]; };
                const int next_x = column.weight ? column.first + 1 : column.first;
                const int next_y = row.weight ? row.first + 1 : row.first;
                const uint32_t upper =
                    mix(at(column.first, row.first), at(next_x, row.first), column.weight);
                const uint32_t lower =
                    mix(at(column.first, next_y), at(next_x, next_y), column.weight);
                mismatches += out[static_cast<std::size_t>(y) * place.width + x] !=
                              mix(upper, lower, row.weight);
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}
