#include "platform/picture_scaling.h"

#include <cstring>

#include "platform/surface.h"

namespace {

PicturePlace Centred(int64_t width, int64_t height, int out_width, int out_height)
{
    return PicturePlace{static_cast<int>((out_width - width) / 2),
                        static_cast<int>((out_height - height) / 2), static_cast<int>(width),
                        static_cast<int>(height)};
}

// The largest rectangle of the picture's shape inside the output.
PicturePlace Fit(int64_t width, int64_t height, int out_width, int out_height)
{
    if (out_width * height > out_height * width) {
        return Centred(out_height * width / height, out_height, out_width, out_height);
    }
    return Centred(out_width, out_width * height / width, out_width, out_height);
}

void PlanAxis(std::vector<ScaleStep>* steps, int scaling, int size, int placed)
{
    steps->resize(static_cast<std::size_t>(placed > 0 ? placed : 0));
    const int64_t factor = scaling == PLATFORM_SCALING_FILL ? FillFactor(size, placed) : 1;
    const int64_t enlarged = factor * size;
    const int64_t span = 2 * static_cast<int64_t>(placed);
    for (int64_t i = 0; i < placed; ++i) {
        ScaleStep& step = (*steps)[static_cast<std::size_t>(i)];
        if (scaling != PLATFORM_SCALING_FILL) {
            step = ScaleStep{static_cast<int>((2 * i + 1) * size / span), 0};
            continue;
        }
        // The centre of output pixel i falls at (2i + 1) enlarged / span - 1/2
        // in the enlarged picture, between its pixels near and near + 1; the
        // last falls before the enlarged picture's last pixel, or on it.
        const int64_t position = (2 * i + 1) * enlarged - placed;
        const int64_t near = position / span;
        const int64_t first = near / factor;
        const int64_t weight = (position % span * 256 + placed) / span;
        if ((near + 1) / factor == first || weight == 0) {
            step = ScaleStep{static_cast<int>(first), 0};
        } else if (weight == 256) {
            step = ScaleStep{static_cast<int>(first + 1), 0};
        } else {
            step = ScaleStep{static_cast<int>(first), static_cast<int>(weight)};
        }
    }
}

// Each byte of a mixed with the one of b at the same place, weight / 256 of
// b's, where weight is the byte of weights at that place or, when weights is
// null, one weight for all.
uint8_t Mix(uint8_t a, uint8_t b, uint16_t weight)
{
    return static_cast<uint8_t>(static_cast<uint16_t>(a * (256 - weight) + b * weight) >> 8);
}

// In blocks of a fixed length first, which the compiler makes into vector
// code even where it leaves loops of unknown length alone, then the rest.
void BlendBytes(const uint8_t* __restrict a, const uint8_t* __restrict b,
                const uint8_t* __restrict weights, uint8_t weight, uint8_t* __restrict out,
                std::size_t count)
{
    constexpr std::size_t BLOCK = 64;
    std::size_t i = 0;
    if (weights) {
        for (; i + BLOCK <= count; i += BLOCK) {
            for (std::size_t k = 0; k < BLOCK; ++k) {
                out[i + k] = Mix(a[i + k], b[i + k], weights[i + k]);
            }
        }
        for (; i < count; ++i) out[i] = Mix(a[i], b[i], weights[i]);
        return;
    }
    for (; i + BLOCK <= count; i += BLOCK) {
        for (std::size_t k = 0; k < BLOCK; ++k) out[i + k] = Mix(a[i + k], b[i + k], weight);
    }
    for (; i < count; ++i) out[i] = Mix(a[i], b[i], weight);
}

void ScaleRow(ScalePlan* plan, const unsigned char* indices, const uint32_t* colours, uint32_t* out)
{
    const std::size_t width = plan->columns.size();
    const auto factor = static_cast<std::size_t>(plan->whole_factor);
    if (factor == 1) {
        for (std::size_t x = 0; x < width; ++x) out[x] = colours[indices[x]];
        return;
    }
    if (factor > 1) {
        for (std::size_t x = 0; x < width; x += factor) {
            const uint32_t colour = colours[indices[x / factor]];
            for (std::size_t k = 0; k < factor; ++k) out[x + k] = colour;
        }
        return;
    }
    uint32_t* line = plan->colours_and_blends.data();
    const std::size_t picture_width = plan->edge_weights.size() / 4;
    for (std::size_t i = 0; i < picture_width; ++i) line[i] = colours[indices[i]];
    line[picture_width] = line[picture_width - 1];
    BlendBytes(reinterpret_cast<const uint8_t*>(line), reinterpret_cast<const uint8_t*>(line + 1),
               plan->edge_weights.data(), 0, reinterpret_cast<uint8_t*>(line + picture_width + 1),
               4 * picture_width);
    for (std::size_t x = 0; x < width; ++x) out[x] = line[plan->column_source[x]];
}

// The picture's row scaled: one of the two kept, or made into `into` (or,
// when null, a work row of the plan) and kept in place of the lower row but
// the one named keep.
const uint32_t* ScaledRow(ScalePlan* plan, const PlatformSurface* picture, const uint32_t* colours,
                          int row, int keep, uint32_t* into)
{
    for (int k = 0; k < 2; ++k) {
        if (plan->kept_row[k] == row) return plan->kept[k];
    }
    int slot = plan->kept_row[0] < plan->kept_row[1] ? 0 : 1;
    if (plan->kept_row[0] == keep) slot = 1;
    if (plan->kept_row[1] == keep) slot = 0;
    uint32_t* out = into;
    if (!out) {
        plan->work[slot].resize(plan->columns.size());
        out = plan->work[slot].data();
    }
    ScaleRow(plan, picture->pixels + row * picture->pitch, colours, out);
    plan->kept_row[slot] = row;
    plan->kept[slot] = out;
    return out;
}

}  // namespace

PicturePlace PlacePicture(int scaling, int width, int height, int out_width, int out_height)
{
    if (width <= 0 || height <= 0 || out_width <= 0 || out_height <= 0) return PicturePlace{};
    const int factor =
        out_width / width < out_height / height ? out_width / width : out_height / height;
    if (scaling == PLATFORM_SCALING_FILL || factor == 0) {
        return Fit(width, height, out_width, out_height);
    }
    return Centred(static_cast<int64_t>(width) * factor, static_cast<int64_t>(height) * factor,
                   out_width, out_height);
}

int FillFactor(int size, int placed)
{
    if (size <= 0 || placed <= size) return 1;
    return (placed + size - 1) / size;
}

void PlanScaling(ScalePlan* plan, int scaling, int width, int height, int placed_width,
                 int placed_height)
{
    PlanAxis(&plan->columns, scaling, width, placed_width);
    // Fill at a whole factor samples as sharp does.
    const bool whole = width > 0 && placed_width >= width && placed_width % width == 0;
    plan->whole_factor = whole ? placed_width / width : 0;
    const auto picture_width = static_cast<std::size_t>(width > 0 ? width : 0);
    plan->edge_weights.assign(4 * picture_width, 0);
    plan->colours_and_blends.assign(2 * picture_width + 1, 0);
    plan->column_source.resize(plan->columns.size());
    for (std::size_t x = 0; x < plan->columns.size(); ++x) {
        const ScaleStep step = plan->columns[x];
        const auto first = static_cast<std::size_t>(step.first);
        if (step.weight != 0) std::memset(&plan->edge_weights[4 * first], step.weight, 4);
        plan->column_source[x] =
            static_cast<uint32_t>(step.weight != 0 ? picture_width + 1 + first : first);
    }
    PlanAxis(&plan->rows, scaling, height, placed_height);
    plan->kept_row[0] = -1;
    plan->kept_row[1] = -1;
}

void ScalePicture(ScalePlan* plan, const PlatformSurface* picture, const uint32_t* colours,
                  unsigned char* out, int out_pitch)
{
    // Rows kept from an earlier picture hold its colours.
    plan->kept_row[0] = -1;
    plan->kept_row[1] = -1;
    const std::size_t row_bytes = plan->columns.size() * sizeof(uint32_t);
    for (std::size_t y = 0; y < plan->rows.size(); ++y) {
        const ScaleStep step = plan->rows[y];
        auto* line = reinterpret_cast<uint32_t*>(out + static_cast<std::ptrdiff_t>(y) * out_pitch);
        if (step.weight == 0) {
            // Made in place, or copied when an earlier row made it.
            const uint32_t* made = ScaledRow(plan, picture, colours, step.first, -1, line);
            if (made != line) std::memcpy(line, made, row_bytes);
            continue;
        }
        const uint32_t* upper =
            ScaledRow(plan, picture, colours, step.first, step.first + 1, nullptr);
        const uint32_t* lower =
            ScaledRow(plan, picture, colours, step.first + 1, step.first, nullptr);
        BlendBytes(reinterpret_cast<const uint8_t*>(upper), reinterpret_cast<const uint8_t*>(lower),
                   nullptr, static_cast<uint8_t>(step.weight), reinterpret_cast<uint8_t*>(line),
                   row_bytes);
    }
}
