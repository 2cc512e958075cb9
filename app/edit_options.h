// The command-line options of the level editor: "--edit" opens it on a new level, "--edit N" on
// level N of lvl/, "--edit FILE" on any level file (a file that does not exist yet is a new level
// saved there); "--level FILE" plays one level file on its own. Game thread, at start-up.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace app {

struct EditOptions {
    bool Edit = false;           // --edit
    std::int32_t EditLevel = 0;  // --edit N (0: none)
    std::string File;            // --edit FILE, or --level FILE
    bool PlayFile = false;       // --level FILE
    std::string Error;           // what is wrong with them, for the player
};

EditOptions ReadEditOptions(int argc, char** argv);

// True when `word` is a value of --edit rather than the next option: --edit's value is optional.
bool IsEditValue(const char* word);

// Where "--edit" alone puts a new level: new-level.dat in the folder, or new-level-2.dat and so on
// when that name is taken.
std::filesystem::path NewLevelFile(const std::filesystem::path& folder);

}  // namespace app
