#include "tools/pilot/river_spans.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "game/craft.h"
#include "game/terrain.h"
#include "platform/surface.h"

namespace {

constexpr int WORDS = WORLD_WIDTH / 64;
constexpr int MAX_SPANS = 4;
// The craft's bank test covers its frame and one pixel more to the right and below.
constexpr int HALF_WIDTH = CRAFT_WIDTH / 2;
constexpr int HALF_HEIGHT = CRAFT_HEIGHT / 2;
// The screen edges hold the craft's centre within these.
constexpr int LEFTMOST = HALF_WIDTH;
constexpr int RIGHTMOST = WORLD_WIDTH - HALF_WIDTH;

using BankRow = std::array<uint64_t, WORDS>;

struct RowSpans {
    int count;
    std::array<CraftSpan, MAX_SPANS> spans;
};

std::array<RowSpans, WORLD_HEIGHT> row_spans;

bool IsBank(int x, int y)
{
    const int tile = river_map[y / TILE_SIZE][x / TILE_SIZE] - '0';
    if (tile < 0 || tile >= TILE_COUNT) return false;
    const PlatformSurface* frame = terrain_tiles.frames[tile];
    if (!frame || frame->width < TILE_SIZE || frame->height < TILE_SIZE) return false;
    const int index = frame->pixels[(y % TILE_SIZE) * frame->pitch + x % TILE_SIZE];
    return index >= BANK_COLOUR_FIRST && index <= BANK_COLOUR_LAST;
}

bool Blocked(const BankRow& row, int x)
{
    return (row[x / 64] >> (x % 64)) & 1u;
}

void FindSpans(const BankRow& blocked, RowSpans* out)
{
    // before[x]: blocked columns left of x.
    std::array<int, WORLD_WIDTH + 1> before{};
    for (int x = 0; x < WORLD_WIDTH; ++x) before[x + 1] = before[x] + (Blocked(blocked, x) ? 1 : 0);
    out->count = 0;
    int run_start = -1;
    for (int x = LEFTMOST; x <= RIGHTMOST + 1; ++x) {
        const bool open = x <= RIGHTMOST &&
                          before[std::min(x + HALF_WIDTH + 1, WORLD_WIDTH)] == before[x - HALF_WIDTH];
        if (open && run_start < 0) run_start = x;
        if (!open && run_start >= 0) {
            if (out->count < MAX_SPANS) out->spans[out->count++] = CraftSpan{run_start, x - 1};
            run_start = -1;
        }
    }
}

}  // namespace

void BuildCraftSpans()
{
    static std::array<BankRow, WORLD_HEIGHT> bank_rows;
    for (int y = 0; y < WORLD_HEIGHT; ++y) {
        bank_rows[y].fill(0);
        for (int x = 0; x < WORLD_WIDTH; ++x) {
            if (IsBank(x, y)) bank_rows[y][x / 64] |= uint64_t{1} << (x % 64);
        }
    }
    for (int y = 0; y < WORLD_HEIGHT; ++y) {
        BankRow blocked{};
        for (int r = y - HALF_HEIGHT; r <= y + HALF_HEIGHT; ++r) {
            if (r < 0 || r >= WORLD_HEIGHT) continue;
            for (int w = 0; w < WORDS; ++w) blocked[w] |= bank_rows[r][w];
        }
        FindSpans(blocked, &row_spans[y]);
    }
}

CraftSpan CraftSpanAt(int world_y, int near_x)
{
    if (world_y < 0 || world_y >= WORLD_HEIGHT) return CraftSpan{LEFTMOST, RIGHTMOST};
    const RowSpans& row = row_spans[world_y];
    if (row.count == 0) return CraftSpan{near_x, near_x - 1};
    int best = 0;
    int best_distance = 1 << 30;
    for (int i = 0; i < row.count; ++i) {
        const CraftSpan& span = row.spans[i];
        const int distance = near_x < span.left ? span.left - near_x : near_x > span.right ? near_x - span.right : 0;
        if (distance < best_distance) {
            best_distance = distance;
            best = i;
        }
    }
    return row.spans[best];
}
