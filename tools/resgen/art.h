// The generator's catalogue: every picture and sound of the game, each made by one painter or
// synthesiser function, and the lists that main writes out. Generator thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/resgen/canvas.h"

namespace resgen {

struct Picture {
    std::string Path;  // relative to the output root, '/' separated, e.g. "res/map/earth.bmp"
    Canvas Image;
};

struct Sound {
    std::string Path;                   // relative to the output root
    std::vector<std::int16_t> Samples;  // interleaved when Channels is 2
    int Channels;                       // 1 mono, 2 stereo
    int SampleRate;                     // samples per second per channel
};

// ---- Terrain (terrain.cpp): the cover tiles drawn Opaque, the backdrop and the brick block ----
Canvas PaintBackground();
Canvas PaintEarth();
Canvas PaintMassive();
Canvas PaintBlock();
Canvas PaintDeadEarth();
Canvas PaintCrystalEarth(bool bonus);

// ---- Gems (gems.cpp) ----------------------------------------------------------------------
// A crystal centred at (cx, cy), `size` pixels wide: the plain one a cut diamond in ice blue,
// the bonus one an octagonal brilliant in gold.
void DrawGem(Canvas& c, double cx, double cy, double size, bool bonus);
// A four-pointed glint of the given arm length.
void DrawGlint(Canvas& c, int cx, int cy, int arm, Colour core, Colour halo);
Canvas PaintCrystal(bool bonus);

// ---- Objects (objects.cpp, stairs.cpp) -----------------------------------------------------
Canvas PaintStone();
Canvas PaintBarrel();
Canvas PaintLeak();
Canvas PaintTnt(bool lit);
Canvas PaintPickaxe();
Canvas PaintStairUp();
Canvas PaintStairDown(bool open);

// ---- Sets written by main ------------------------------------------------------------------
std::vector<Picture> MapPictures();
std::vector<Picture> PlayerPictures();  // player.cpp
std::vector<Picture> MenuPictures();    // interface.cpp
std::vector<Picture> ScorePictures();   // interface.cpp
std::vector<Picture> FlamePictures();   // flames.cpp
std::vector<Sound> EffectSounds();      // effects.cpp
Sound AmbienceLoop();                   // music.cpp

// ---- The desktop icon (icon.cpp) ------------------------------------------------------------
// The icon at size x size pixels; key pixels are transparent in its PNG file.
Canvas PaintIcon(int size);

}  // namespace resgen
