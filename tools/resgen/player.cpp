// The miner in four facings: front (facing down, also the standing pose), back (facing up) and
// the right profile, mirrored for the left. A yellow helmet with a lamp, blue overalls and a red
// scarf keep the figure readable on every backdrop; the profile's lamp casts a beam ahead.
// Called on the generator's one thread.
#include <algorithm>

#include "tools/resgen/art.h"
#include "tools/resgen/mathx.h"
#include "tools/resgen/paint.h"
#include "tools/resgen/palette.h"

namespace resgen {

namespace {

constexpr int kTile = 64;

// Keeps only the part of the canvas at or above row `bottom` (the helmet's dome).
Canvas CutBelow(const Canvas& c, int bottom) {
    Canvas out = c;
    for (int y = bottom + 1; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x) out.Clear(x, y);
    return out;
}

void PaintHelmet(Canvas& c, double cx, double brimLeft, double brimRight) {
    Canvas dome(kTile, kTile);
    ShadeBall(dome, cx, 20, 13, 11, palette::Helmet, 0.1, 1.0);
    Stamp(c, CutBelow(dome, 20), 0, 0);
    ShadeColumn(c, brimLeft, 19, brimRight, 22, 1.5, palette::Helmet, 0.05, 0.9);
}

void PaintLegsFront(Canvas& c) {
    ShadeColumn(c, 23, 47, 30, 56, 2, palette::Cloth, 0.05, 0.8);
    ShadeColumn(c, 33, 47, 40, 56, 2, palette::Cloth, 0.05, 0.8);
    ShadeSlab(c, 21, 55, 30, 61, 2.5, 1.5, palette::Leather, 0.55);
    ShadeSlab(c, 33, 55, 42, 61, 2.5, 1.5, palette::Leather, 0.55);
}

void PaintTorsoFront(Canvas& c, bool back) {
    ShadeColumn(c, 13, 35, 20, 48, 3, palette::Cloth, 0.1, 0.95);  // arms behind the body
    ShadeColumn(c, 43, 35, 50, 48, 3, palette::Cloth, 0.1, 0.95);
    ShadeBall(c, 16.5, 50, 3.5, 3.5, palette::Skin, 0.2, 1.0);
    ShadeBall(c, 46.5, 50, 3.5, 3.5, palette::Skin, 0.2, 1.0);
    ShadeColumn(c, 19, 32, 44, 50, 6, palette::Cloth, 0.1, 1.0);
    ShadeColumn(c, 19, 45, 44, 47, 1, palette::Leather, 0.1, 0.9);  // belt
    if (back) {
        ShadeSlab(c, 23, 34, 40, 46, 3, 2, palette::Leather, 0.6);  // backpack
        ShadeSlab(c, 25, 36, 38, 39, 1, 1, palette::Leather, 0.8);
        return;
    }
    ShadeSlab(c, 30, 44, 33, 47, 0.5, 1, palette::Gold, 0.7);   // buckle
    ShadeColumn(c, 24, 31, 39, 34, 2, palette::Red, 0.1, 1.0);  // scarf
    c.Set(25, 40, palette::Cloth.At(5));                        // overall buttons
    c.Set(38, 40, palette::Cloth.At(5));
}

Canvas PaintFront() {
    Canvas c(kTile, kTile);
    PaintLegsFront(c);
    PaintTorsoFront(c, false);
    ShadeBall(c, 32, 25.5, 10.5, 9, palette::Skin, 0.15, 1.0);
    for (int ex : {27, 36}) {
        FillRect(c, ex, 24, ex + 1, 27, palette::Ink);
        c.Set(ex, 24, Hex(0xFFFFFF));
    }
    FillRect(c, 30, 31, 33, 31, palette::Skin.At(0));  // a little smile
    c.Set(29, 30, palette::Skin.At(0));
    c.Set(34, 30, palette::Skin.At(0));
    PaintHelmet(c, 32, 17, 46);
    ShadeBall(c, 32, 14.5, 4.5, 4.5, palette::Steel, 0.2, 1.0);
    ShadeBall(c, 32, 14.5, 3, 3, palette::Gold, 0.7, 1.0, false);
    c.Set(31, 13, Hex(0xFFFFFF));
    AddOutline(c, palette::Ink);
    return c;
}

Canvas PaintBack() {
    Canvas c(kTile, kTile);
    PaintLegsFront(c);
    PaintTorsoFront(c, true);
    ShadeBall(c, 32, 25.5, 10.5, 9, palette::Leather, 0.2, 1.0);  // hair
    ShadeColumn(c, 28, 31, 35, 34, 1, palette::Skin, 0.1, 0.8);   // neck
    PaintHelmet(c, 32, 17, 46);
    FillRect(c, 20, 16, 43, 17, palette::Leather.At(1));  // the lamp's strap
    AddOutline(c, palette::Ink);
    return c;
}

// A cone of dithered light ahead of the lamp, thinning with distance.
void PaintBeam(Canvas& c, int x0, int y0) {
    for (int x = x0; x < kTile; ++x) {
        const double d = x - x0;
        const double spread = 1.5 + d * 0.45;
        for (int y = static_cast<int>(y0 - spread); y <= static_cast<int>(y0 + spread); ++y) {
            const double fall = 1.0 - d / (kTile - x0 + 2) - std::abs(y - y0) / (spread + 2) * 0.5;
            if (fall > Bayer(x, y) + 0.15 && c.IsKey(x, y))
                c.Set(x, y, fall > 0.7 ? palette::Helmet.At(5) : palette::Helmet.At(4));
        }
    }
}

Canvas PaintProfile() {
    Canvas c(kTile, kTile);
    ShadeRod(c, 29, 46, 24, 56, 7, palette::Cloth, 0.05, 0.6);  // back leg
    ShadeSlab(c, 19, 54, 28, 60, 2.5, 1.5, palette::Leather, 0.4);
    ShadeRod(c, 33, 30, 24, 44, 6, palette::Cloth, 0.05, 0.6);  // back arm
    ShadeColumn(c, 23, 32, 40, 50, 6, palette::Cloth, 0.1, 1.0);
    ShadeColumn(c, 23, 45, 40, 47, 1, palette::Leather, 0.1, 0.9);
    ShadeRod(c, 34, 46, 39, 56, 7, palette::Cloth, 0.1, 0.9);  // front leg
    ShadeSlab(c, 35, 54, 46, 60, 2.5, 1.5, palette::Leather, 0.6);
    ShadeRod(c, 31, 34, 40, 44, 6, palette::Cloth, 0.1, 1.0);  // front arm
    ShadeBall(c, 41.5, 45.5, 3.5, 3.5, palette::Skin, 0.2, 1.0);
    ShadeColumn(c, 29, 31, 41, 34, 2, palette::Red, 0.1, 1.0);  // scarf
    ShadeBall(c, 33, 25.5, 9.5, 9, palette::Skin, 0.15, 1.0);
    ShadeBall(c, 26.5, 24, 4.5, 6.5, palette::Leather, 0.2, 0.9);  // hair at the back
    ShadeBall(c, 42, 27, 2.2, 2.2, palette::Skin, 0.3, 1.0);       // nose
    FillRect(c, 37, 24, 38, 27, palette::Ink);
    c.Set(38, 24, Hex(0xFFFFFF));
    PaintHelmet(c, 31, 18, 47);
    ShadeBall(c, 43, 15.5, 4, 4, palette::Steel, 0.2, 1.0);
    ShadeBall(c, 44.5, 15.5, 2.5, 3, palette::Gold, 0.7, 1.0, false);
    AddOutline(c, palette::Ink);
    PaintBeam(c, 49, 15);
    return c;
}

}  // namespace

std::vector<Picture> PlayerPictures() {
    Canvas right = PaintProfile();
    Canvas left = MirrorX(right);
    std::vector<Picture> out;
    out.push_back({"res/player/pup.bmp", PaintBack()});
    out.push_back({"res/player/pdown.bmp", PaintFront()});
    out.push_back({"res/player/pright.bmp", std::move(right)});
    out.push_back({"res/player/pleft.bmp", std::move(left)});
    return out;
}

}  // namespace resgen
