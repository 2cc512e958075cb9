// libFuzzer target: any bytes as a settings file. Parsing never fails as a whole: what it keeps is
// within the ranges the game can use, every line it refuses is named by its number, and nothing
// reads out of bounds (the sanitizers watch that part).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> problems;
    const app::Settings s = app::ParseSettings(text, problems);
    Check(s.Walk.RepeatFrames >= 1);
    Check(!s.Display.Scale || (*s.Display.Scale >= 1 && *s.Display.Scale <= 8));
    std::size_t lines = 1;
    for (char c : text) lines += c == '\n';
    Check(problems.size() <= lines);
    for (const std::string& p : problems) Check(p.rfind("settings.ini:", 0) == 0);
    return 0;
}
