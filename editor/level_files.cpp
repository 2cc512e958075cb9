// Opening and saving levels; see level_files.h.
#include "editor/level_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

#include "world/file_write.h"
#include "world/level_file.h"
#include "world/map_picture.h"

namespace editor {

namespace {

namespace fs = std::filesystem;

// A source is a few kilobytes; anything far larger beside a level file is not one.
constexpr std::uintmax_t MaxSourceBytes = 1u << 20;

// Why a file that the game's reading refused cannot be read, in the system's words.
std::string ReadFailure(const fs::path& path) {
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    if (file) {
        std::fgetc(file.get());  // a folder opens, and fails at its first read
        if (!std::ferror(file.get())) return "not a level file";
    }
    return errno ? std::strerror(errno) : "unreadable";
}

// The text of a source file, nothing when there is none, or a remark when it cannot be read.
std::optional<std::string> ReadSourceText(const fs::path& path, std::string& remark) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec == std::errc::no_such_file_or_directory) return std::nullopt;
    if (ec) {
        remark = "cannot read " + path.filename().string() + ": " + ec.message();
        return std::nullopt;
    }
    if (size > MaxSourceBytes) {
        remark = path.filename().string() + " is too large for a level source";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(size))) {
        remark = "cannot read " + path.filename().string();
        return std::nullopt;
    }
    return text;
}

void TakeSource(const fs::path& levelFile, OpenedLevel& opened, std::vector<std::string>& notes) {
    const fs::path path = world::SourceBeside(levelFile);
    const std::string name = path.filename().string();
    std::string remark;
    const std::optional<std::string> text = ReadSourceText(path, remark);
    if (!remark.empty()) notes.push_back(remark + ": title from the file name");
    if (!text) return;
    std::string why;
    const std::optional<world::LevelSource> source = world::ParseLevelSource(*text, &why);
    if (!source) {
        notes.push_back(name + " cannot be used (" + why + "): title from the file name");
        return;
    }
    opened.Source.Title = source->Title;
    opened.Source.Notes = source->Notes;
    if (source->Map.Cells != opened.Source.Map.Cells)
        notes.push_back(name +
                        " does not match the level file: title and notes kept, map from the "
                        "level file");
}

void TakeProof(const fs::path& levelFile, OpenedLevel& opened, std::vector<std::string>& notes) {
    const fs::path path = world::DemoBeside(levelFile);
    std::error_code ec;
    if (!fs::exists(path, ec)) return;
    std::string why;
    std::optional<std::string> text = demo::ReadDemoFile(path.string(), &why);
    if (text) opened.Proof = demo::ParseDemo(*text, &why);
    if (!opened.Proof)
        notes.push_back(path.filename().string() + " cannot be used (" + why +
                        "): the level is not proven");
}

// One line of text the source can hold: control characters (line breaks above all) become
// spaces, and the ends are trimmed as the source's reading trims them.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

world::LevelSource Savable(const world::LevelSource& source, const fs::path& levelFile) {
    world::LevelSource savable{OneLine(source.Title), OneLine(source.Notes), source.Map};
    if (savable.Title.empty()) savable.Title = OneLine(levelFile.stem().string());
    if (savable.Title.empty()) savable.Title = "Untitled";
    return savable;
}

bool SettleProof(const fs::path& levelFile, const demo::Demo* proof, std::string* error) {
    const fs::path path = world::DemoBeside(levelFile);
    std::error_code ec;
    if (proof) {
        if (world::WriteFileAtomically(path, demo::DemoText(*proof), error)) return true;
        fs::remove(path, ec);  // the old demo proves the old map, not the one just written
        return false;
    }
    fs::remove(path, ec);
    if (!ec) return true;
    if (error) *error = "cannot remove " + path.string() + ": " + ec.message();
    return false;
}

}  // namespace

std::optional<OpenedLevel> OpenLevel(const fs::path& levelFile, std::string* error) {
    const std::optional<world::LevelMap> map = world::ReadLevelFile(levelFile);
    if (!map) {
        if (error) *error = "cannot read " + levelFile.string() + ": " + ReadFailure(levelFile);
        return std::nullopt;
    }
    OpenedLevel opened;
    opened.Source.Map = *map;
    opened.Source.Title = levelFile.stem().string();
    std::vector<std::string> notes;
    TakeSource(levelFile, opened, notes);
    TakeProof(levelFile, opened, notes);
    for (const std::string& note : notes) opened.Note += (opened.Note.empty() ? "" : "\n") + note;
    return opened;
}

bool SaveLevel(const fs::path& levelFile, const world::LevelSource& source, const demo::Demo* proof,
               std::string* error) {
    if (!world::WriteFileAtomically(levelFile, world::LevelFileText(source.Map), error))
        return false;
    if (!SettleProof(levelFile, proof, error)) return false;
    const std::string text = world::WriteLevelSource(Savable(source, levelFile));
    return world::WriteFileAtomically(world::SourceBeside(levelFile), text, error);
}

}  // namespace editor
