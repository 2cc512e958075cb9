// The command-line options of demos; see demo_options.h.
#include "app/demo_options.h"

#include "app/edit_options.h"

#include <charconv>
#include <filesystem>
#include <string_view>

namespace app {

std::int32_t LevelNumberArgument(std::string_view word) {
    std::int32_t n = 0;
    const auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), n);
    return status == std::errc() && end == word.data() + word.size() && n > 0 ? n : 0;
}

DemoOptions ReadDemoOptions(int argc, char** argv) {
    DemoOptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a != "--record" && a != "--play" && a != "--watch") continue;
        if (i + 1 >= argc) {
            o.Error = std::string(a) + " needs a value";
            return o;
        }
        const std::string_view value = argv[++i];
        if (a == "--record") o.Record = value;
        if (a == "--play") o.Play = value;
        if (a == "--watch" && (o.Watch = LevelNumberArgument(value)) == 0)
            o.Error = "--watch needs a level number, not '" + std::string(value) + "'";
    }
    const int shows = (o.Play.empty() ? 0 : 1) + (o.Watch ? 1 : 0);
    if (o.Error.empty() && (shows > 1 || (shows && !o.Record.empty())))
        o.Error = "--play, --watch and --record go one at a time";
    return o;
}

std::vector<std::string> WithAbsoluteFiles(int argc, char** argv) {
    std::vector<std::string> words(argv, argv + argc);
    for (std::size_t i = 1; i < words.size(); ++i) {
        const bool hasValue = i + 1 < words.size();
        // A new level is saved in the folder the player started from, under a name not taken.
        if (words[i] == "--edit" && !(hasValue && IsEditValue(words[i + 1].c_str()))) {
            words.insert(words.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                         NewLevelFile(std::filesystem::current_path()).string());
            ++i;
            continue;
        }
        const bool editFile = words[i] == "--edit" && hasValue &&
                              words[i + 1].find_first_not_of("0123456789") != std::string::npos;
        if (!hasValue ||
            (words[i] != "--record" && words[i] != "--play" && words[i] != "--level" && !editFile))
            continue;
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(words[i + 1], error);
        if (!error && !words[i + 1].empty()) words[i + 1] = absolute.string();
        ++i;
    }
    return words;
}

}  // namespace app
