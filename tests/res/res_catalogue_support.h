// The resource tree the game opens, as the game's loaders name it, with what the screen layout
// demands of each picture. Kept independent of the generator on purpose: these are the game's
// requirements, which the generated files must meet. Test thread only.
#pragma once

#include <string>
#include <vector>

namespace res_testing {

struct PictureRule {
    std::string Path;  // relative to the working directory, '/' separated
    int Width;         // required size in pixels; 0 = checked by a layout test instead
    int Height;
    bool Opaque;  // drawn Opaque: must not contain the key colour at all
};

// Every picture: the 18 map tiles, the player's four facings, the menu and button pictures, the
// score panel and digits, and the 20 explosion frames.
std::vector<PictureRule> Pictures();

struct SoundRule {
    std::string Path;
    double MinSeconds;
    double MaxSeconds;
};

// The twelve effects (the music is an MP3 and checked apart).
std::vector<SoundRule> Effects();

inline const std::string kMusic = "res/sound/ambience.mp3";

// Every path above plus the music, sorted: the whole tree, nothing more.
std::vector<std::string> AllPaths();

}  // namespace res_testing
