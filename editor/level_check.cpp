// The live checks; see level_check.h.
#include "editor/level_check.h"

#include "world/map_picture.h"

namespace editor {

LevelReport CheckLevel(const world::LevelMap& map) {
    LevelReport report;
    for (const world::Cell cell : map.Cells) {
        report.Needed += world::CountsAsNeeded(cell);
        report.Bonus += cell == world::BCrystal || cell == world::BCrystalEarth;
        report.Starts += cell == world::StairUp;
        report.Exits += cell == world::StairDown;
        report.Unknown += world::CellSymbol(cell) == '?';
    }
    // The game starts the player on the last start stair and ignores the others, which would
    // look like stairs that do nothing; and a level without an exit cannot be finished.
    if (report.Starts == 0) report.Problems.push_back("No start stair: place one");
    if (report.Starts > 1)
        report.Problems.push_back(std::to_string(report.Starts) + " start stairs: keep one");
    if (report.Exits == 0) report.Problems.push_back("No exit: place one");
    // A cell of no named kind has no character in the source, which would then not read back.
    if (report.Unknown == 1) report.Problems.push_back("1 unknown cell: repaint it");
    if (report.Unknown > 1)
        report.Problems.push_back(std::to_string(report.Unknown) + " unknown cells: repaint them");
    return report;
}

}  // namespace editor
