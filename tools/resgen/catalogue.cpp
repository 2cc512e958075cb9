// The map's picture set: which painter makes which file under res/map.
// Called on the generator's one thread.
#include "tools/resgen/art.h"

namespace resgen {

std::vector<Picture> MapPictures() {
    std::vector<Picture> out;
    auto add = [&](const char* name, Canvas image) {
        out.push_back({std::string("res/map/") + name + ".bmp", std::move(image)});
    };
    add("background", PaintBackground());
    add("crystal", PaintCrystal(false));
    add("earth", PaintEarth());
    add("massive", PaintMassive());
    add("stone", PaintStone());
    add("stairdown", PaintStairDown(true));
    add("stairup", PaintStairUp());
    add("stairdownclosed", PaintStairDown(false));
    add("block", PaintBlock());
    add("pickaxe", PaintPickaxe());
    add("bcrystal", PaintCrystal(true));
    add("crystalearth", PaintCrystalEarth(false));
    add("bcrystalearth", PaintCrystalEarth(true));
    add("deadearth", PaintDeadEarth());
    add("barrel", PaintBarrel());
    add("leak", PaintLeak());
    add("tnt", PaintTnt(false));
    add("tntplaced", PaintTnt(true));
    return out;
}

}  // namespace resgen
