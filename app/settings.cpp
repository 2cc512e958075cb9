// The settings file; see settings.h.
#include "app/settings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

namespace app {

namespace {

using presentation::PadButton;

struct Named {
    std::string_view Name;
    int Value;
};

// PC set-1 scan codes of the keys a setting may name.
constexpr std::array<Named, 45> KeyNames{{
    {"a", 30},     {"b", 48},    {"c", 46},         {"d", 32},     {"e", 18},     {"f", 33},
    {"g", 34},     {"h", 35},    {"i", 23},         {"j", 36},     {"k", 37},     {"l", 38},
    {"m", 50},     {"n", 49},    {"o", 24},         {"p", 25},     {"q", 16},     {"r", 19},
    {"s", 31},     {"t", 20},    {"u", 22},         {"v", 47},     {"w", 17},     {"x", 45},
    {"y", 21},     {"z", 44},    {"1", 2},          {"2", 3},      {"3", 4},      {"4", 5},
    {"5", 6},      {"6", 7},     {"7", 8},          {"8", 9},      {"9", 10},     {"0", 11},
    {"up", 72},    {"down", 80}, {"left", 75},      {"right", 77}, {"enter", 28}, {"space", 57},
    {"escape", 1}, {"tab", 15},  {"backspace", 14},
}};

constexpr std::array<Named, 11> ButtonNames{{
    {"a", int(PadButton::A)},
    {"b", int(PadButton::B)},
    {"x", int(PadButton::X)},
    {"y", int(PadButton::Y)},
    {"back", int(PadButton::Back)},
    {"guide", int(PadButton::Guide)},
    {"start", int(PadButton::Start)},
    {"dpad_up", int(PadButton::DpadUp)},
    {"dpad_down", int(PadButton::DpadDown)},
    {"dpad_left", int(PadButton::DpadLeft)},
    {"dpad_right", int(PadButton::DpadRight)},
}};

constexpr std::array<Named, 9> ActionNames{{
    {"up", int(Action::Up)},
    {"down", int(Action::Down)},
    {"left", int(Action::Left)},
    {"right", int(Action::Right)},
    {"giveup", int(Action::GiveUp)},
    {"tnt", int(Action::PlaceTnt)},
    {"confirm", int(Action::Confirm)},
    {"pause", int(Action::Pause)},
    {"quit", int(Action::Quit)},
}};

template <std::size_t N>
std::optional<int> Find(const std::array<Named, N>& names, std::string_view name) {
    for (const Named& n : names)
        if (n.Name == name) return n.Value;
    return std::nullopt;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<bool> Switch(std::string_view v) {
    if (v == "on" || v == "true" || v == "yes" || v == "1") return true;
    if (v == "off" || v == "false" || v == "no" || v == "0") return false;
    return std::nullopt;
}

std::optional<std::int32_t> Number(std::string_view v, std::int32_t low, std::int32_t high) {
    std::int32_t n = 0;
    const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (error != std::errc() || end != v.data() + v.size() || n < low || n > high)
        return std::nullopt;
    return n;
}

// A binding line: "key.<action>" or "pad.<action>". False when it is not one that can be used.
bool Bind(Settings& s, std::string_view name, std::string_view value) {
    const bool isKey = name.starts_with("key.");
    if (!isKey && !name.starts_with("pad.")) return false;
    const auto action = Find(ActionNames, name.substr(4));
    if (!action) return false;
    const auto does = static_cast<Action>(*action);
    if (isKey) {
        const auto code = Find(KeyNames, value);
        if (code) s.Extra.Keys.emplace_back(*code, does);
        return code.has_value();
    }
    const auto button = Find(ButtonNames, value);
    if (button) s.Extra.PadButtons.push_back({static_cast<PadButton>(*button), does});
    return button.has_value();
}

template <typename T>
bool Take(std::optional<T> parsed, T& into) {
    if (parsed) into = *parsed;
    return parsed.has_value();
}

template <typename T>
bool TakeOptional(std::optional<T> parsed, std::optional<T>& into) {
    if (parsed) into = parsed;
    return parsed.has_value();
}

bool Apply(Settings& s, std::string_view name, std::string_view value) {
    if (name == "walk_on_held_key") return Take(Switch(value), s.Walk.On);
    if (name == "walk_repeat_frames") return Take(Number(value, 1, 600), s.Walk.RepeatFrames);
    if (name == "pause_on_focus_loss") return Take(Switch(value), s.PauseOnFocusLoss);
    if (name == "scale") return TakeOptional(Number(value, 1, 8), s.Display.Scale);
    if (name == "fullscreen") return TakeOptional(Switch(value), s.Display.Fullscreen);
    return Bind(s, name, value);
}

// One line; false when it says something that cannot be used.
bool ParseLine(Settings& s, std::string_view line) {
    // No name or value holds "#" or ";": from there on the line is a comment.
    line = Trim(line.substr(0, line.find_first_of("#;")));
    if (line.empty()) return true;
    if (line.front() == '[') return line.back() == ']';
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string name = Lower(Trim(line.substr(0, equals)));
    const std::string value = Lower(Trim(line.substr(equals + 1)));
    return Apply(s, name, value);
}

}  // namespace

Settings ParseSettings(std::string_view text, std::vector<std::string>& problems) {
    Settings s;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++number;
        if (!ParseLine(s, line)) {
            problems.push_back("settings.ini:" + std::to_string(number) +
                               ": ignored, not understood: " + std::string(Trim(line)));
        }
    }
    return s;
}

std::string SettingsPath(const char* xdgConfigHome, const char* home) {
    // XDG_CONFIG_HOME counts only as an absolute path (the desktop convention); else ~/.config.
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        return std::string(xdgConfigHome) + "/game/settings.ini";
    if (home && home[0]) return std::string(home) + "/.config/game/settings.ini";
    return {};
}

Settings LoadSettings(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (path.empty() || !in) return Settings{};
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<std::string> problems;
    Settings s = ParseSettings(text.str(), problems);
    for (const std::string& p : problems) std::fprintf(stderr, "game: %s\n", p.c_str());
    return s;
}

const Settings& StartupSettings() {
    static const Settings settings =
        LoadSettings(SettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
    return settings;
}

}  // namespace app
