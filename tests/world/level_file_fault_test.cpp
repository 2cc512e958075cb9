// Hostile level files: empty, binary garbage, extreme numbers, megabyte lines and fields, and a
// 100 MB file. Each loads by the reading rules, and the reader takes only what the 4096 numbers
// need: the bytes it reads and the memory it holds stay small whatever the file's size.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>

#include "world/level_file.h"
#include "world/number_reader.h"

namespace world {
namespace {

namespace fs = std::filesystem;

// Bytes this process has read through read() so far.
std::int64_t BytesRead() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::int64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return -1;
}

// Resets the peak of the resident memory; false where the system does not allow it.
bool ResetPeakMemory() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

// Peak resident memory since the last reset, in kB.
std::int64_t PeakMemoryKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            std::int64_t kb = 0;
            status >> kb;
            return kb;
        }
    }
    return -1;
}

std::string Joined(std::initializer_list<std::string> pieces) {
    std::string text;
    for (const std::string& piece : pieces) text.append(piece);
    return text;
}

class HostileLevelFile : public ::testing::Test {
  protected:
    HostileLevelFile()
        : dir_(fs::temp_directory_path() / ("hostile_levels_" + std::to_string(::getpid()))) {
        fs::create_directories(dir_);
    }
    ~HostileLevelFile() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    // The file's map; the same bytes read from memory must give the same map.
    LevelMap Read(const std::string& name, const std::string& bytes) {
        const auto map = ReadLevelFile(Write(name, bytes));
        EXPECT_TRUE(map.has_value()) << name;
        if (!map) return {};
        EXPECT_EQ(map->Cells, ParseLevelText(bytes).Cells) << name;
        return *map;
    }

    fs::path dir_;
};

TEST_F(HostileLevelFile, AnEmptyFileIsAllEarth) {
    EXPECT_EQ(Read("empty.dat", "").Cells, LevelMap{}.Cells);
    EXPECT_EQ(Read("blank.dat", "   \n\n\r\n\t").Cells[0], Earth);
}

TEST_F(HostileLevelFile, AFolderInPlaceOfTheFileCannotBeRead) {
    fs::create_directories(dir_ / "Level1.dat");
    EXPECT_FALSE(ReadLevelFile((dir_ / "Level1.dat").string()).has_value());
    EXPECT_FALSE(ReadLevelFile((dir_ / "Level2.dat").string()).has_value());
}

TEST_F(HostileLevelFile, BinaryGarbageLoadsByTheSameRules) {
    std::mt19937 rng(20240611);
    std::string bytes(256 * 1024, '\0');
    for (char& b : bytes) b = static_cast<char>(rng());
    const LevelMap map = Read("garbage.dat", bytes);
    // Only fields that begin like a number can give anything but Earth.
    int numbers = 0;
    for (Cell c : map.Cells) numbers += c != Earth;
    EXPECT_LT(numbers, 4096);
    std::string nuls(70000, '\0');
    nuls[1000] = ',';
    EXPECT_EQ(Read("nuls.dat", nuls + ",7").Cells[2], Block);
}

TEST_F(HostileLevelFile, ExtremeNumbersReadAsTheirLowEightBits) {
    const std::string megabyteOfZeros(1 << 20, '0');
    const std::string digits(5000, '9');
    const std::pair<std::string, int> cases[] = {
        {"1e308", 0},  // a multiple of 256, like every whole number from 2^60 up
        {"-1e308", 0},
        {"1e400", 0},  // beyond a double: no bits
        {"-1e400", 0},
        {"nan", 0},  // no number at all
        {"inf", 0},
        {"99999999999999999999", 0},  // read as the double 1e20, a multiple of 256
        {"-0", 0},
        {"3.5", 4},  // halves to the even neighbour
        {"2.5", 2},
        {"-2.5", -2},
        {".5e1", 5},
        {"300", 44},
        {"-1", -1},
        {"1" + std::string(5000, '0'), 0},
        {digits, 0},
        {megabyteOfZeros + "3", CodeOf(Crystal)},  // a megabyte of leading zeros changes nothing
        {"-" + megabyteOfZeros + "7", -7},
        {"1e" + megabyteOfZeros + "2", 100},
        {"&H" + megabyteOfZeros + "33", CodeOf(TntPlaced)},
        {"3." + megabyteOfZeros + "9", CodeOf(Crystal)},
        {"4" + megabyteOfZeros, 0},  // 4 x 10^(2^20): a multiple of 256
        {"0." + megabyteOfZeros + "1", CodeOf(Earth)},
        // Digits past any cap still count: 4 x 10^5000 x 10^-5000 is 4.
        {Joined({"4", std::string(5000, '0'), "e-5000"}), CodeOf(StairUp)},
        {Joined({"4", megabyteOfZeros, "e-1048576"}), CodeOf(StairUp)},
        {Joined({"0.", megabyteOfZeros, "3e1048577"}), CodeOf(Crystal)},
    };
    std::string text;
    for (const auto& [number, cell] : cases) text += number + ",";
    const LevelMap map = Read("extreme.dat", text);
    for (std::size_t k = 0; k < std::size(cases); ++k)
        EXPECT_EQ(CodeOf(map.Cells[k]), cases[k].second)
            << "number " << k << ": " << cases[k].first.substr(0, 30);
    EXPECT_EQ(map.Cells[std::size(cases)], Earth);  // the end of a short file
}

TEST_F(HostileLevelFile, MegabyteLinesKeepOnlyTheFirst4096Numbers) {
    std::string line;
    while (line.size() < (1 << 20)) line += "2,";
    const LevelMap map = Read("long_line.dat", std::string(1 << 20, ' ') + line + "\n9\n");
    for (Cell c : map.Cells) ASSERT_EQ(c, Stone);

    // A megabyte of blanks around each of the first numbers: still one number each.
    const std::string blanks(1 << 20, ' ');
    const LevelMap spaced = Read("spaced.dat", "6" + blanks + "\n" + blanks + "5" + blanks + ",4");
    EXPECT_EQ(spaced.Cells[0], Massive);
    EXPECT_EQ(spaced.Cells[1], StairDown);
    EXPECT_EQ(spaced.Cells[2], StairUp);
}

TEST_F(HostileLevelFile, AHundredMegabyteFileIsNotReadBeyondWhatItsNumbersNeed) {
    constexpr std::int64_t Size = 100 << 20;
    const fs::path path = dir_ / "huge.dat";
    {
        std::ofstream out(path, std::ios::binary);
        std::string block;
        for (int k = 0; k < 1 << 19; ++k) block += "6\n";  // 1 MB of numbers
        for (std::int64_t written = 0; written < Size; written += block.size()) out << block;
    }
    ASSERT_GE(static_cast<std::int64_t>(fs::file_size(path)), Size);
    const bool peakKnown = ResetPeakMemory();
    const std::int64_t peakBefore = PeakMemoryKb();
    const std::int64_t readBefore = BytesRead();
    const auto map = ReadLevelFile(path.string());
    const std::int64_t read = BytesRead() - readBefore;
    ASSERT_TRUE(map);
    for (Cell c : map->Cells) ASSERT_EQ(c, Massive);
    EXPECT_LT(read, 1 << 20) << "the reader went on past the 4096th number";
    if (peakKnown) {
        EXPECT_LT(PeakMemoryKb() - peakBefore, 16 * 1024);
    }

    // One field the size of the file: read to its end, but never held whole.
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        const std::string zeros(1 << 20, '0');
        for (std::int64_t written = 0; written < Size; written += zeros.size()) out << zeros;
        out << "5,13";
    }
    ResetPeakMemory();
    const std::int64_t peakBeforeField = PeakMemoryKb();
    const auto field = ReadLevelFile(path.string());
    ASSERT_TRUE(field);
    EXPECT_EQ(field->Cells[0], StairDown);
    EXPECT_EQ(field->Cells[1], Barrel);
    EXPECT_EQ(field->Cells[2], Earth);
    if (peakKnown) {
        EXPECT_LT(PeakMemoryKb() - peakBeforeField, 16 * 1024);
    }
    fs::remove(path);
}

}  // namespace
}  // namespace world
