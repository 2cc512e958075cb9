// The resource tree the game opens, and the size rules of the screen layout.
// Runs on the test's thread.
#include "tests/res/res_catalogue_support.h"

#include <algorithm>

namespace res_testing {

std::vector<PictureRule> Pictures() {
    std::vector<PictureRule> out;
    // Map cells are 64 x 64; the earth kinds, the massive wall and the backdrop cover their cell.
    const char* opaque[] = {"background",   "earth",         "massive",
                            "crystalearth", "bcrystalearth", "deadearth"};
    const char* keyed[] = {"crystal",         "stone", "stairdown", "stairup",
                           "stairdownclosed", "block", "pickaxe",   "bcrystal",
                           "barrel",          "leak",  "tnt",       "tntplaced"};
    for (const char* n : opaque)
        out.push_back({std::string("res/map/") + n + ".bmp", 64, 64, true});
    for (const char* n : keyed)
        out.push_back({std::string("res/map/") + n + ".bmp", 64, 64, false});
    for (const char* n : {"pup", "pdown", "pright", "pleft"})
        out.push_back({std::string("res/player/") + n + ".bmp", 64, 64, false});
    for (int f = 0; f < 20; ++f)
        out.push_back({"res/anim/flame" + std::to_string(f) + ".bmp", 64, 64, false});
    for (const char* n :
         {"veryweak", "playgame up", "playgame down", "back up", "back down", "okup", "okdown"})
        out.push_back({std::string("res/menu/") + n + ".bmp", 0, 0, false});
    out.push_back({"res/score/panel.bmp", 0, 0, false});
    for (int d = 0; d <= 9; ++d)
        out.push_back({"res/score/" + std::to_string(d) + ".bmp", 0, 0, false});
    return out;
}

std::vector<SoundRule> Effects() {
    std::vector<SoundRule> out;
    for (const char* n : {"buttonclick", "dead", "finish", "breakstone", "dig", "pickup",
                          "rollstone", "stonecoll", "stoneslideside", "fassroll", "leak"})
        out.push_back({std::string("res/sound/") + n + ".wav", 0.05, 1.0});
    out.push_back({"res/sound/explosion.wav", 0.8, 1.2});  // the big one: about a second
    return out;
}

std::vector<std::string> AllPaths() {
    std::vector<std::string> out{kMusic};
    for (const PictureRule& p : Pictures()) out.push_back(p.Path);
    for (const SoundRule& s : Effects()) out.push_back(s.Path);
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace res_testing
