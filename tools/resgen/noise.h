// Tileable value noise for textures: seamless across a picture's edges, so earth, rock and the
// backdrop can be laid side by side without visible seams. Pure functions; any thread.
#pragma once

#include <cstdint>

namespace resgen {

// Smooth noise in [0, 1) at pixel (x, y) of a size x size picture, with `cells` lattice cells
// across it; wraps around at the picture's edges.
double TileNoise(double x, double y, int size, int cells, std::uint32_t seed);

// Sum of `octaves` layers of TileNoise, each with twice the cells and half the weight of the
// previous one, normalised back to [0, 1).
double TileFbm(double x, double y, int size, int cells, int octaves, std::uint32_t seed);

// Distance from (x, y) to the nearest of `cells` x `cells` jittered feature points (wrapping),
// in pixels, and the hash of that nearest cell: stones, pebbles and crystal facets.
struct Cellular {
    double Nearest;    // pixels to the nearest feature point
    double Second;     // pixels to the second nearest
    double Dx, Dy;     // from the nearest feature point to (x, y), pixels
    std::uint32_t Id;  // hash of the nearest point's cell
};
Cellular TileCells(double x, double y, int size, int cells, std::uint32_t seed);

}  // namespace resgen
