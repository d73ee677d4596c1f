// The river map, top row first. Equal rows share one string.
#include "game/terrain.h"

namespace {

// Each distinct row once, named after the first map row that uses it.
constexpr char ROW_00[] = "NNNMOLNNNN";
constexpr char ROW_01[] = "NN@<O=ANNN";
constexpr char ROW_02[] = "NNBOOOCNNN";
constexpr char ROW_03[] = "NNBOOOO2NN";
constexpr char ROW_04[] = "NNBOOOOOJN";
constexpr char ROW_05[] = "NN0OOOOOFN";
constexpr char ROW_06[] = "NNNBOOOOCN";
constexpr char ROW_08[] = "NN3OOOOO7N";
constexpr char ROW_09[] = "NNBOOOOO5N";
constexpr char ROW_10[] = "NNBOOOOO8N";
constexpr char ROW_11[] = "NNBOOOOOCN";
constexpr char ROW_12[] = "NNDOOOOOCN";
constexpr char ROW_13[] = "NNHOOOOO7N";
constexpr char ROW_14[] = "NNN6OOOO5N";
constexpr char ROW_15[] = "NNN4OOOO5N";
constexpr char ROW_18[] = "NNN9OOOO8N";
constexpr char ROW_21[] = "NNKOOOOOEN";
constexpr char ROW_22[] = "NNGOOOOOIN";
constexpr char ROW_23[] = "NKOOOOOENN";
constexpr char ROW_24[] = "NGOOOOOINN";
constexpr char ROW_25[] = "NBOOOOCNNN";
constexpr char ROW_27[] = "NDOOOOCNNN";
constexpr char ROW_28[] = "NHOOOOCNNN";
constexpr char ROW_29[] = "NNDOOOCNNN";
constexpr char ROW_30[] = "NNHOOOCNNN";
constexpr char ROW_31[] = "NNNBOOCNNN";
constexpr char ROW_33[] = "NNNBOOOJNN";
constexpr char ROW_34[] = "NNKOOOOFNN";
constexpr char ROW_35[] = "NNGOOOOOJN";
constexpr char ROW_36[] = "NNBOOOOOFN";
constexpr char ROW_40[] = "NNDOOOOOEN";
constexpr char ROW_41[] = "NNHOOOOOIN";
constexpr char ROW_42[] = "NNNBOOOENN";
constexpr char ROW_43[] = "NNNBOOOINN";
constexpr char ROW_45[] = "NN3OOOCNNN";
constexpr char ROW_46[] = "NKOOOOCNNN";
constexpr char ROW_47[] = "N4OOOOO2NN";
constexpr char ROW_48[] = "N4OOOOOOJN";
constexpr char ROW_49[] = "N4OOOOOO5N";
constexpr char ROW_51[] = "NHOOOOOOFN";
constexpr char ROW_57[] = "NNBOOOO:>N";
constexpr char ROW_58[] = "NN?;O:>NNN";

}  // namespace

const char* const river_map[MAP_ROWS] = {
    ROW_00,  // 0
    ROW_01,  // 1
    ROW_02,  // 2
    ROW_03,  // 3
    ROW_04,  // 4
    ROW_05,  // 5
    ROW_06,  // 6
    ROW_06,  // 7
    ROW_08,  // 8
    ROW_09,  // 9
    ROW_10,  // 10
    ROW_11,  // 11
    ROW_12,  // 12
    ROW_13,  // 13
    ROW_14,  // 14
    ROW_15,  // 15
    ROW_15,  // 16
    ROW_15,  // 17
    ROW_18,  // 18
    ROW_06,  // 19
    ROW_06,  // 20
    ROW_21,  // 21
    ROW_22,  // 22
    ROW_23,  // 23
    ROW_24,  // 24
    ROW_25,  // 25
    ROW_25,  // 26
    ROW_27,  // 27
    ROW_28,  // 28
    ROW_29,  // 29
    ROW_30,  // 30
    ROW_31,  // 31
    ROW_31,  // 32
    ROW_33,  // 33
    ROW_34,  // 34
    ROW_35,  // 35
    ROW_36,  // 36
    ROW_11,  // 37
    ROW_11,  // 38
    ROW_11,  // 39
    ROW_40,  // 40
    ROW_41,  // 41
    ROW_42,  // 42
    ROW_43,  // 43
    ROW_31,  // 44
    ROW_45,  // 45
    ROW_46,  // 46
    ROW_47,  // 47
    ROW_48,  // 48
    ROW_49,  // 49
    ROW_49,  // 50
    ROW_51,  // 51
    ROW_11,  // 52
    ROW_11,  // 53
    ROW_11,  // 54
    ROW_11,  // 55
    ROW_11,  // 56
    ROW_57,  // 57
    ROW_58,  // 58
    ROW_00,  // 59
};
