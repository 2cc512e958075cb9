// Reading level files into the map, the start cell, restarting a level; see level_file.h.
#include "world/level_file.h"

#include <cstdio>
#include <memory>

#include "world/number_reader.h"

namespace world {

namespace {

constexpr int CellCount = MapSize * MapSize;

// Characters from a file or from memory, one at a time; -1 at the end.
class CharSource {
  public:
    explicit CharSource(std::FILE* file) : file_(file) {}
    explicit CharSource(std::string_view text) : text_(text) {}

    int Peek() {
        if (!file_) return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1;
        if (ahead_ == Unread) ahead_ = getc_unlocked(file_);
        return ahead_ == EOF ? -1 : ahead_;
    }
    void Skip() {
        if (!file_) {
            pos_ += pos_ < text_.size() ? 1 : 0;
        } else if (Peek() >= 0) {
            ahead_ = Unread;
        }
    }

  private:
    std::FILE* file_ = nullptr;
    std::string_view text_;
    std::size_t pos_ = 0;
    static constexpr int Unread = -2;
    int ahead_ = Unread;  // the file's next character, once peeked
};

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}
bool EndsField(int c) {
    return c < 0 || c == ',' || IsBlank(c) || c == '\r' || c == '\n';
}

// One field: blanks before it skipped, the text up to its separator, then blanks and one comma
// or line break (CR, LF or CR LF) consumed. An empty field reads as 0.
// The number is taken a character at a time in bounded memory, so a field of any length keeps its
// value and a hostile file of one endless field costs neither memory nor more than one pass.
Cell ReadField(CharSource& in) {
    while (IsBlank(in.Peek())) in.Skip();
    NumberText number;
    for (int c = in.Peek(); !EndsField(c); c = in.Peek()) {
        number.Add(static_cast<char>(c));
        in.Skip();
    }
    while (IsBlank(in.Peek())) in.Skip();
    const int separator = in.Peek();
    if (separator == ',' || separator == '\n') {
        in.Skip();
    } else if (separator == '\r') {
        in.Skip();
        if (in.Peek() == '\n') in.Skip();
    }
    return CellOfCode(RoundToLow8Bits(number.Value()));
}

LevelMap ReadCells(CharSource& in) {
    LevelMap map;
    for (int k = 0; k < CellCount && in.Peek() >= 0; ++k) map.Cells[k] = ReadField(in);
    return map;
}

}  // namespace

std::string LevelPath(std::int64_t levelNumber) {
    return "lvl\\Level" + std::to_string(levelNumber) + ".dat";
}

std::optional<LevelMap> ReadLevelFile(const std::filesystem::path& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    if (!file) return std::nullopt;
    CharSource in(file.get());
    LevelMap map = ReadCells(in);
    // Opening succeeds on some things that cannot be read (a folder of that name); a file that
    // fails to read is as unreadable as one that fails to open.
    if (std::ferror(file.get())) return std::nullopt;
    return map;
}

LevelMap ParseLevelText(std::string_view text) {
    CharSource in(text);
    return ReadCells(in);
}

namespace {

std::filesystem::path Beside(const std::filesystem::path& levelFile, const char* extension) {
    std::filesystem::path file = levelFile;
    if (file.extension() == ".txt" || file.extension() == ".demo") return file += extension;
    return file.replace_extension(extension);
}

}  // namespace

std::filesystem::path SourceBeside(const std::filesystem::path& levelFile) {
    return Beside(levelFile, ".txt");
}

std::filesystem::path DemoBeside(const std::filesystem::path& levelFile) {
    return Beside(levelFile, ".demo");
}

LevelFolder LevelFolder::OneFile(std::filesystem::path file, std::int64_t levelNumber) {
    LevelFolder folder(std::move(file));
    folder.only_ = levelNumber;
    return folder;
}

std::filesystem::path LevelFolder::FileOf(std::int64_t levelNumber) const {
    if (only_) return levelNumber == *only_ ? folder_ : std::filesystem::path();
    return folder_ / ("Level" + std::to_string(levelNumber) + ".dat");
}

std::string LevelFolder::NameOf(std::int64_t levelNumber) const {
    if (only_ && levelNumber != *only_) return "Level" + std::to_string(levelNumber) + ".dat";
    if (folder_ == "lvl" && !only_) return LevelPath(levelNumber);
    return FileOf(levelNumber).string();
}

std::optional<LevelMap> LevelFolder::Read(std::int64_t levelNumber) const {
    return ReadLevelFile(FileOf(levelNumber));
}

std::int32_t CountNeeded(const LevelMap& map) {
    std::int32_t needed = 0;
    for (Cell c : map.Cells) needed += CountsAsNeeded(c) ? 1 : 0;
    return needed;
}

std::optional<LevelError> LoadLevel(GameState& game, const LevelFolder& levels) {
    std::optional<LevelMap> map = levels.Read(game.LevelNumber);
    if (!map) return LevelError{game.LevelNumber, levels.NameOf(game.LevelNumber)};
    game.Map = *map;
    game.Needed = CountNeeded(game.Map);
    return std::nullopt;
}

void FindStart(GameState& game) {
    game.Player.X = 1;
    game.Player.Y = 1;
    for (std::int32_t x = 0; x < MapSize; ++x)
        for (std::int32_t y = 0; y < MapSize; ++y)
            if (game.Map.At(x, y) == StairUp) game.Player.X = x, game.Player.Y = y;
}

std::optional<LevelError> RestartLevel(GameState& game, const LevelFolder& levels) {
    if (std::optional<LevelError> error = LoadLevel(game, levels)) return error;
    FindStart(game);
    game.Player.Dead = false;
    game.Collected = 0;
    game.Player.HasPickaxe = false;
    game.Player.HasTnt = false;
    game.Dug = 0;
    for (Flame& f : game.Flames.Slots) f.Countdown = -1;
    return std::nullopt;
}

}  // namespace world
