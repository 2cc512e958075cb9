// The extension table behind DeviceTypeFor. Pure; any thread.
#include "zuplay/device_type.h"

#include <array>
#include <string>

namespace zuplay {

namespace {

struct TypeRow {
    std::array<std::string_view, 6> Extensions;  // lower case; unused slots empty
    std::optional<std::string_view> Type;        // nullopt: refused
};

// First matching row wins; anything not listed plays as "MPEGVideo".
constexpr std::array<TypeRow, 7> kRows{{
    {{"mid", "midi", "rmi"}, "Sequencer"},
    {{"wav"}, "waveaudio"},
    {{"cda"}, "CDAudio"},
    {{"aif", "aifc", "aiff", "au", "mp3", "snd"}, "MPEGVideo"},
    {{"wma"}, "MPEGVideo2"},
    {{"mpeg", "mpg", "m1v", "mp2", "mpa", "mpe"}, std::nullopt},
    {{"avi", "wmv"}, std::nullopt},
}};

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

}  // namespace

std::optional<std::string_view> DeviceTypeFor(std::string_view path) {
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return std::string_view();
    std::string extension = LowerAscii(path.substr(dot + 1));
    for (const TypeRow& row : kRows) {
        for (std::string_view listed : row.Extensions) {
            if (!listed.empty() && listed == extension) return row.Type;
        }
    }
    return std::string_view("MPEGVideo");
}

}  // namespace zuplay
