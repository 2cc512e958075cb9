// Level tool files; see level_files.h.
#include "tools/levels/level_files.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace levels {

namespace {

// N of "Level<N><extension>", or nothing.
std::optional<std::int32_t> LevelNumberOf(std::string_view name, std::string_view extension) {
    constexpr std::string_view Prefix = "Level";
    if (!name.starts_with(Prefix) || !name.ends_with(extension)) return std::nullopt;
    const std::string_view digits =
        name.substr(Prefix.size(), name.size() - Prefix.size() - extension.size());
    if (digits.empty() || digits.front() == '0' || digits.size() > 9) return std::nullopt;
    std::int32_t n = 0;
    const auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (status != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return n;
}

}  // namespace

std::optional<std::string> ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WriteTextFile(const std::filesystem::path& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out.flush());
}

std::map<std::int32_t, std::filesystem::path> NumberedLevelFiles(
    const std::filesystem::path& folder, std::string_view extension) {
    std::map<std::int32_t, std::filesystem::path> files;
    std::error_code status;
    for (const auto& entry : std::filesystem::directory_iterator(folder, status)) {
        const std::optional<std::int32_t> n =
            LevelNumberOf(entry.path().filename().string(), extension);
        if (n && entry.is_regular_file()) files[*n] = entry.path();
    }
    return files;
}

std::int32_t CountCells(const world::LevelMap& map, world::Cell kind) {
    return static_cast<std::int32_t>(std::count(map.Cells.begin(), map.Cells.end(), kind));
}

}  // namespace levels
