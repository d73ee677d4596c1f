// Where the picture goes in an output of another size, and how each output
// pixel is made from the picture's, for both ways of scaling. Both keep the
// picture's shape and centre it, with black bars around it.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/video.h"

struct PlatformSurface;

struct PicturePlace {
    int x;
    int y;
    int width;
    int height;
};

// Sharp: enlarged by the largest whole factor that fits; when not even the
// picture's own size fits, shrunk as fill does. Fill: the largest rectangle
// of the picture's shape that fits. Empty when the output is.
PicturePlace PlacePicture(int scaling, int width, int height, int out_width, int out_height);

// The whole factor fill enlarges by, with nearest sampling, before it
// smooths down to placed pixels: the smallest that reaches placed, so that
// every edge between two of the picture's pixels blends over at most one
// output pixel. At least 1.
int FillFactor(int size, int placed);

// How one output pixel along an axis is made: from the picture's pixel
// first, blended with the next one by weight / 256 when weight is not 0.
struct ScaleStep {
    int first;
    int weight;
};

// The steps of both axes for one size and place, and what the scaling
// works with.
struct ScalePlan {
    std::vector<ScaleStep> columns;
    std::vector<ScaleStep> rows;
    // When each picture pixel becomes this many output pixels across, as
    // sharp's whole factors do; 0 otherwise.
    int whole_factor;
    // Otherwise a picture row is made into its colours, followed by the blend
    // of each pixel with the next (each edge blends at most once, always by
    // the same weight, four bytes of it per pixel), and each output column
    // takes one of those.
    std::vector<uint32_t> column_source;
    std::vector<uint8_t> edge_weights;
    std::vector<uint32_t> colours_and_blends;
    // The last two picture rows scaled, with where each is: an output row,
    // or for rows that only blends need, a work row.
    int kept_row[2];
    const uint32_t* kept[2];
    std::vector<uint32_t> work[2];
};

// Sharp samples the nearest pixel; fill samples the picture enlarged by
// FillFactor at each output pixel's centre, between the two nearest pixels.
void PlanScaling(ScalePlan* plan, int scaling, int width, int height, int placed_width,
                 int placed_height);

// Writes the picture scaled to the plan's place, in 32-bit pixels whose
// values colours gives for each palette index. out is the place's top-left
// pixel; rows are out_pitch bytes apart. Blends mix each of the four bytes
// on its own, so any 32-bit pixel format serves.
void ScalePicture(ScalePlan* plan, const PlatformSurface* picture, const uint32_t* colours,
                  unsigned char* out, int out_pitch);
