// Reading and writing level sources; see level_source.h.
#include "world/level_source.h"

#include <cstdint>
#include <vector>

#include "world/map_picture.h"

namespace world {

namespace {

struct SourceError {
    std::string Message;
};

struct Line {
    int Number = 0;  // 1-based, as an editor shows it
    std::string_view Text;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    int number = 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back({number++, line});
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

[[noreturn]] void Refuse(const Line& line, const std::string& message) {
    throw SourceError{"line " + std::to_string(line.Number) + ": " + message};
}

// A "key: value" header line; false when the line has another key.
bool ReadField(const Line& line, std::string_view key, std::optional<std::string>& field) {
    if (!line.Text.starts_with(key)) return false;
    if (field) Refuse(line, "a second '" + std::string(key) + "' line");
    field = std::string(Trimmed(line.Text.substr(key.size())));
    return true;
}

struct Header {
    std::optional<std::string> Title;
    std::optional<std::string> Notes;
    std::size_t PictureStart = 0;  // index of the first picture line
};

Header ReadHeader(const std::vector<Line>& lines) {
    Header header;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const std::string_view text = Trimmed(line.Text);
        if (text == "map:") {
            header.PictureStart = i + 1;
            if (!header.Title) throw SourceError{"no 'title:' line before 'map:'"};
            if (header.Title->empty()) throw SourceError{"the title is empty"};
            return header;
        }
        if (text.empty() || text.front() == '#') continue;
        if (ReadField(line, "title:", header.Title) || ReadField(line, "notes:", header.Notes))
            continue;
        Refuse(line, "cannot read '" + std::string(text) +
                         "' (expected 'title:', 'notes:', a '#' comment or 'map:')");
    }
    throw SourceError{"no 'map:' line"};
}

void ReadPictureRow(const Line& line, std::int32_t y, world::LevelMap& map) {
    if (y >= world::MapSize) Refuse(line, "the picture has more than 64 lines");
    if (line.Text.size() > world::MapSize) Refuse(line, "more than 64 cells");
    for (std::size_t x = 0; x < line.Text.size(); ++x) {
        const char symbol = line.Text[x];
        const std::string column = " in column " + std::to_string(x + 1);
        if (symbol == '@')
            Refuse(line, "'@'" + column + ": the player appears on the start stair '^'");
        const std::optional<world::Cell> cell = world::SymbolCell(symbol);
        if (!cell) Refuse(line, "unknown cell '" + std::string(1, symbol) + "'" + column);
        map.At(static_cast<std::int32_t>(x), y) = *cell;
    }
}

world::LevelMap ReadPicture(const std::vector<Line>& lines, std::size_t start) {
    std::size_t end = lines.size();
    while (end > start && lines[end - 1].Text.empty()) --end;  // the file's last line breaks
    world::LevelMap map;
    map.Cells.fill(world::Massive);
    for (std::size_t i = start; i < end; ++i)
        ReadPictureRow(lines[i], static_cast<std::int32_t>(i - start), map);
    return map;
}

}  // namespace

std::optional<LevelSource> ParseLevelSource(std::string_view text, std::string* error) {
    try {
        const std::vector<Line> lines = SplitLines(text);
        const Header header = ReadHeader(lines);
        return LevelSource{*header.Title, header.Notes.value_or(""),
                           ReadPicture(lines, header.PictureStart)};
    } catch (const SourceError& refusal) {
        if (error) *error = refusal.Message;
        return std::nullopt;
    }
}

std::string WriteLevelSource(const LevelSource& source) {
    std::string text = "title: " + source.Title + "\n";
    if (!source.Notes.empty()) text += "notes: " + source.Notes + "\n";
    return text + "map:\n" + world::CroppedPictureOfMap(source.Map);
}

}  // namespace world
