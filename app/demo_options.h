// The command-line options of demos: "--record FILE" keeps the whole session in FILE, "--play
// FILE" shows a demo, "--watch N" shows level N's proven solution. Other arguments are left to
// their own readers. Game thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace app {

struct DemoOptions {
    std::string Record;      // --record FILE
    std::string Play;        // --play FILE
    std::int32_t Watch = 0;  // --watch N (0: none)
    std::string Error;       // what is wrong with them, for the player
};

DemoOptions ReadDemoOptions(int argc, char** argv);

// A level number on the command line: a whole number from 1, or 0 when the word is none.
std::int32_t LevelNumberArgument(std::string_view word);

// The arguments with the files of --record, --play, --level and --edit made absolute (from the
// working folder), so they keep their meaning when the game changes into its data folder.
std::vector<std::string> WithAbsoluteFiles(int argc, char** argv);

}  // namespace app
