// The editor's command-line options; see edit_options.h.
#include "app/edit_options.h"

#include "app/demo_options.h"

#include <string_view>

namespace app {

namespace {

bool AllDigits(std::string_view word) {
    return !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

bool IsEditValue(const char* word) {
    return word && word[0] != '\0' && word[0] != '-';
}

std::filesystem::path NewLevelFile(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::path file = folder / "new-level.dat";
    for (int n = 2; std::filesystem::exists(file, ec) && n < 10000; ++n)
        file = folder / ("new-level-" + std::to_string(n) + ".dat");
    return file;
}

EditOptions ReadEditOptions(int argc, char** argv) {
    EditOptions o;
    int asked = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--edit") {
            ++asked;
            o.Edit = true;
            if (i + 1 >= argc || !IsEditValue(argv[i + 1])) continue;
            const std::string_view value = argv[++i];
            // A number is a level of lvl/; a file may be named anything else.
            if (!AllDigits(value))
                o.File = value;
            else if ((o.EditLevel = LevelNumberArgument(value)) == 0)
                o.Error = "--edit needs a level number from 1, not '" + std::string(value) + "'";
        } else if (a == "--level") {
            ++asked;
            o.PlayFile = true;
            if (i + 1 >= argc)
                o.Error = "--level needs a level file";
            else
                o.File = argv[++i];
        } else if (a == "--record" || a == "--play" || a == "--watch") {
            ++asked;
            ++i;
        }
    }
    if (o.Error.empty() && (o.Edit || o.PlayFile) && asked > 1)
        o.Error = "--edit, --level, --play, --watch and --record go one at a time";
    return o;
}

}  // namespace app
