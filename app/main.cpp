#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/demo_options.h"
#include "app/shell.h"
#include "tools/replay/demo_run.h"

int main(int argc, char** argv) {
    if (const int status = app::ApplyCommandLine(argc, argv); status >= 0) return status;
    // Files named on the command line mean the user's folder, also once the game has moved into
    // its data folder.
    std::vector<std::string> words = app::WithAbsoluteFiles(argc, argv);
    std::vector<char*> args;
    for (std::string& word : words) args.push_back(word.data());
    args.push_back(nullptr);
    app::EnterDataFolder();
    return app::RunGame(static_cast<int>(words.size()), args.data(), replay::SolutionDemo);
}
