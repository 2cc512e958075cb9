// Where the game's data (res/ and lvl/) is read from. The game opens its files by relative paths,
// so the folder found here becomes the working directory. Called once on the game thread at
// start-up, before any file is opened.
#pragma once

#include <filesystem>

namespace app {

// True when the folder holds both res/ and lvl/.
bool HoldsGameData(const std::filesystem::path& folder);

// The folder to read the data from: the working directory when it holds the data (as the game
// always did), else the data folder installed beside the program (dataFromProgram, relative to
// the executable's folder) when that holds it, else the working directory all the same, where the
// missing files are reported as ever.
std::filesystem::path ChooseDataFolder(const std::filesystem::path& workingDirectory,
                                       const std::filesystem::path& executable,
                                       const std::filesystem::path& dataFromProgram);

// Chooses for this process (its executable from /proc/self/exe) and changes into the folder
// when it is not the working directory already.
void EnterDataFolder();

}  // namespace app
