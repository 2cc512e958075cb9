// The command line; see command_line.h. Game thread, at start-up.
#include "app/command_line.h"

#include "app/edit_options.h"
#include "app/settings.h"

#include <charconv>
#include <cstdio>

#ifndef GAME_VERSION
#define GAME_VERSION "unknown"
#endif

namespace app {

namespace {

constexpr int MaxScale = 8;  // the window options' limit

// A whole number 1..MaxScale, or 0 when the text is not one.
int ReadScale(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    return value >= 1 && value <= MaxScale ? value : 0;
}

CommandLine Misuse(std::string problem) {
    CommandLine line;
    line.What = CommandLine::Action::Misuse;
    line.Problem = std::move(problem);
    return line;
}

// Reads the value of --scale, given as "--scale=N" or as the next word; advances i past it.
CommandLine ReadScaleOption(std::string_view word, int& i, int argc, const char* const* argv,
                            CommandLine line) {
    std::string_view value;
    if (word.size() > 7 && word[7] == '=') {
        value = word.substr(8);
    } else if (i + 1 < argc) {
        value = argv[++i];
    } else {
        return Misuse("--scale needs a number");
    }
    line.Window.Scale = ReadScale(value);
    if (line.Window.Scale == 0)
        return Misuse("--scale takes a whole number from 1 to 8, not '" + std::string(value) + "'");
    return line;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    if (argc > 1 && std::string_view(argv[1]) == "ERROR") return line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--") break;
        if (word.size() < 2 || word[0] != '-') break;  // the first plain word ends the options
        if (word == "--help" || word == "-h") {
            line.What = CommandLine::Action::Help;
            return line;
        }
        if (word == "--version") {
            line.What = CommandLine::Action::Version;
            return line;
        }
        if (word == "--fullscreen") {
            line.Window.Fullscreen = true;
        } else if (word == "--record" || word == "--play" || word == "--watch" ||
                   word == "--level") {
            // Demos and the editor read their own options (app/demo_options.h,
            // app/edit_options.h); here they are only skipped.
            if (++i >= argc) return Misuse(std::string(word) + " needs a value");
        } else if (word == "--edit") {
            if (i + 1 < argc && IsEditValue(argv[i + 1])) ++i;
        } else if (word.substr(0, 7) == "--scale" && (word.size() == 7 || word[7] == '=')) {
            line = ReadScaleOption(word, i, argc, argv, line);
            if (line.What == CommandLine::Action::Misuse) return line;
        } else {
            return Misuse("unknown option '" + std::string(word) + "'");
        }
    }
    return line;
}

std::string UsageText(std::string_view program) {
    const std::string name(program);
    return "Usage: " + name +
           " [--scale N] [--fullscreen] [--record FILE | --play FILE | --watch N]\n" + "       " +
           name + " [--scale N] [--fullscreen] --edit [N | FILE] | --level FILE\n" + "       " +
           name +
           " --help | --version\n"
           "A tile game: dig, collect the crystals and find the way out.\n"
           "\n"
           "  --scale N      open the window at N times 1024 x 768 (N from 1 to 8)\n"
           "  --fullscreen   start full screen (F11 or Alt+Enter toggles it while playing)\n"
           "  --record FILE  keep the whole session as a demo in FILE\n"
           "  --play FILE    show the demo in FILE (Space pauses, + and - change the speed,\n"
           "                 Right steps while paused, Escape ends)\n"
           "  --watch N      show level N's proven solution\n"
           "  --edit [N | FILE]\n"
           "                 open the level editor on a new level, on level N, or on a level\n"
           "                 file (a new one when FILE does not exist yet)\n"
           "  --level FILE   play the level file on its own\n"
           "  --help         show this text and end\n"
           "  --version      show the version and end\n"
           "\n"
           "The game reads res/ and lvl/ from the working directory when both are there, and\n"
           "otherwise from the data folder installed with it. Escape or the window's close\n"
           "button ends it.\n";
}

presentation::WindowOptions WithSettings(presentation::WindowOptions fromLine,
                                         const DisplaySettings& settings) {
    // The command line's own choice wins over the file's; its defaults do not.
    if (fromLine.Scale == presentation::WindowOptions{}.Scale && settings.Scale)
        fromLine.Scale = *settings.Scale;
    if (!fromLine.Fullscreen && settings.Fullscreen) fromLine.Fullscreen = *settings.Fullscreen;
    return fromLine;
}

int ApplyCommandLine(int argc, const char* const* argv) {
    std::string_view program = argc > 0 && argv[0][0] != '\0' ? argv[0] : "game";
    program.remove_prefix(program.rfind('/') + 1);  // npos + 1 is 0: no folder to drop
    const CommandLine line = ParseCommandLine(argc, argv);
    switch (line.What) {
        case CommandLine::Action::Help:
            std::fputs(UsageText(program).c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::printf("game %s\n", GAME_VERSION);
            return 0;
        case CommandLine::Action::Misuse:
            std::fprintf(stderr, "%.*s: %s\n%s", static_cast<int>(program.size()), program.data(),
                         line.Problem.c_str(), UsageText(program).c_str());
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    presentation::SetWindowOptions(WithSettings(line.Window, StartupSettings().Display));
    return -1;
}

}  // namespace app
