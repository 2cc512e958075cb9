// Parsing replay scripts; see script.h.
#include "tools/replay/script.h"

#include <array>
#include <charconv>
#include <utility>

#include "presentation/screen_services.h"

namespace replay {

namespace {

namespace scan = presentation::scan;

constexpr std::int64_t MaxFramesPerLine = 100'000'000;  // about 19 days of play
constexpr std::int64_t MaxRepeat = 10'000;

constexpr std::array<std::pair<std::string_view, int>, 10> KeyNames{{
    {"up", scan::Up},
    {"down", scan::Down},
    {"left", scan::Left},
    {"right", scan::Right},
    {"w", scan::W},
    {"a", scan::A},
    {"s", scan::S},
    {"d", scan::D},
    {"enter", scan::Enter},
    {"space", scan::Space},
}};

struct ParseError {
    std::string Message;
};

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r", at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

std::int64_t Count(std::string_view word, std::int64_t most) {
    std::int64_t n = 0;
    const auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), n);
    if (status != std::errc() || end != word.data() + word.size() || n < 0 || n > most)
        throw ParseError{"'" + std::string(word) + "' is not a count from 0 to " +
                         std::to_string(most)};
    return n;
}

int KeyCode(std::string_view name) {
    for (const auto& [known, code] : KeyNames)
        if (known == name) return code;
    throw ParseError{"unknown key '" + std::string(name) + "'"};
}

// "none", or key names joined by "+".
std::vector<int> Keys(std::string_view words) {
    std::vector<int> keys;
    if (words == "none") return keys;
    std::size_t at = 0;
    for (;;) {
        const std::size_t plus = words.find('+', at);
        keys.push_back(KeyCode(words.substr(at, plus - at)));
        if (plus == std::string_view::npos) return keys;
        at = plus + 1;
    }
}

int StepKey(char letter) {
    switch (letter) {
        case 'u':
            return scan::Up;
        case 'd':
            return scan::Down;
        case 'l':
            return scan::Left;
        case 'r':
            return scan::Right;
    }
    throw ParseError{std::string("unknown step '") + letter + "' (u, d, l or r)"};
}

// "3l" or "rrd": each letter one step, a number before a letter repeating it.
void AddSteps(std::string_view word, int line, std::vector<Command>& out) {
    std::size_t at = 0;
    while (at < word.size()) {
        const std::size_t digitsEnd = word.find_first_not_of("0123456789", at);
        std::int64_t repeat = 1;
        if (digitsEnd != at) repeat = Count(word.substr(at, digitsEnd - at), MaxRepeat);
        if (digitsEnd == std::string_view::npos) throw ParseError{"a number without a step"};
        const int key = StepKey(word[digitsEnd]);
        for (std::int64_t i = 0; i < repeat; ++i) {
            out.push_back(Command{Command::Kind::Hold, 1, {key}, line});
            out.push_back(Command{Command::Kind::Hold, 1, {}, line});
        }
        at = digitsEnd + 1;
    }
}

void ExpectWords(const std::vector<std::string_view>& words, std::size_t n) {
    if (words.size() != n)
        throw ParseError{"'" + std::string(words[0]) + "' takes " + std::to_string(n - 1) +
                         (n == 2 ? " word" : " words")};
}

void SetOnce(Script& script, const std::vector<std::string_view>& words) {
    ExpectWords(words, 2);
    if (!script.Commands.empty())
        throw ParseError{"'" + std::string(words[0]) + "' must come before the first frame"};
    if (words[0] == "level") {
        script.Level = static_cast<std::int32_t>(Count(words[1], INT32_MAX));
        return;
    }
    script.Seed = static_cast<double>(Count(words[1], std::int64_t{1} << 53));
}

void ParseLine(std::string_view line, int number, Script& script) {
    const std::vector<std::string_view> words = Words(line.substr(0, line.find('#')));
    if (words.empty()) return;
    const std::string_view verb = words[0];
    std::vector<Command>& out = script.Commands;
    if (verb == "level" || verb == "seed") return SetOnce(script, words);
    if (verb == "nextlvl" || verb == "respawn") {
        ExpectWords(words, 1);
        const auto kind = verb == "nextlvl" ? Command::Kind::NextLevel : Command::Kind::Respawn;
        out.push_back(Command{kind, verb == "respawn" ? 1 : 0, {}, number});
    } else if (verb == "walk") {
        if (words.size() < 2) throw ParseError{"'walk' needs steps"};
        for (std::size_t i = 1; i < words.size(); ++i) AddSteps(words[i], number, out);
    } else if (verb == "wait") {
        ExpectWords(words, 2);
        out.push_back(Command{Command::Kind::Hold, Count(words[1], MaxFramesPerLine), {}, number});
    } else if (!verb.empty() && verb[0] >= '0' && verb[0] <= '9') {
        ExpectWords(words, 2);
        out.push_back(
            Command{Command::Kind::Hold, Count(verb, MaxFramesPerLine), Keys(words[1]), number});
    } else {
        throw ParseError{"unknown command '" + std::string(verb) + "'"};
    }
}

}  // namespace

std::optional<Script> ParseScript(std::string_view text, std::string* error) {
    Script script;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        try {
            ParseLine(text.substr(0, end), number, script);
        } catch (const ParseError& e) {
            if (error) *error = "line " + std::to_string(number) + ": " + e.Message;
            return std::nullopt;
        }
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return script;
}

std::int64_t ScriptFrames(const Script& script) {
    std::int64_t frames = 0;
    for (const Command& c : script.Commands) frames += c.Frames;
    return frames;
}

}  // namespace replay
