// The data folder lookup; see data_folder.h. Game thread, at start-up.
#include "app/data_folder.h"

#include <cstdio>
#include <system_error>

#ifndef GAME_DATA_FROM_PROGRAM
#define GAME_DATA_FROM_PROGRAM "../share/game"
#endif

namespace app {

namespace fs = std::filesystem;

bool HoldsGameData(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder / "res", error) && fs::is_directory(folder / "lvl", error);
}

fs::path ChooseDataFolder(const fs::path& workingDirectory, const fs::path& executable,
                          const fs::path& dataFromProgram) {
    if (HoldsGameData(workingDirectory)) return workingDirectory;
    const fs::path installed = executable.parent_path() / dataFromProgram;
    if (!executable.empty() && HoldsGameData(installed)) return installed.lexically_normal();
    return workingDirectory;
}

void EnterDataFolder() {
    std::error_code error;
    const fs::path here = fs::current_path(error);
    if (error) return;  // no working directory to compare with: leave it as it is
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    const fs::path chosen =
        ChooseDataFolder(here, error ? fs::path() : executable, GAME_DATA_FROM_PROGRAM);
    if (chosen == here) return;
    fs::current_path(chosen, error);
    if (error)
        std::fprintf(stderr, "game: cannot enter the data folder %s: %s\n", chosen.c_str(),
                     error.message().c_str());
}

}  // namespace app
