// Reading level files of very different sizes: a plain 16 kB level, the same numbers followed by
// 100 MB more, and one 100 MB field. The reader stops after the 4096th number, so the first two
// should cost the same; only a field that never ends is read to its end (in bounded memory).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "world/level_file.h"

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t HugeSize = 100 << 20;

// A file written for one benchmark and removed after it.
class TempLevel {
  public:
    explicit TempLevel(const std::string& name)
        : path_(fs::temp_directory_path() /
                ("level_bench_" + std::to_string(::getpid()) + "_" + name)) {}
    ~TempLevel() { fs::remove(path_); }
    TempLevel(const TempLevel&) = delete;
    TempLevel& operator=(const TempLevel&) = delete;

    // Writes the text, then repeats the filler until the file holds `size` bytes.
    void Write(const std::string& text, const std::string& filler, std::int64_t size) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out << text;
        std::int64_t written = static_cast<std::int64_t>(text.size());
        while (!filler.empty() && written < size) {
            out << filler;
            written += static_cast<std::int64_t>(filler.size());
        }
    }
    std::string Path() const { return path_.string(); }

  private:
    fs::path path_;
};

std::string PlainLevel() {
    std::string text;
    for (int k = 0; k < 4096; ++k) text += (k % 64 == 63) ? "6\n" : "1,";
    return text;
}

void Read(benchmark::State& state, const TempLevel& file) {
    for (auto _ : state) {
        auto map = world::ReadLevelFile(file.Path());
        benchmark::DoNotOptimize(map);
    }
}

void PlainLevelFile(benchmark::State& state) {
    TempLevel file("plain");
    file.Write(PlainLevel(), "", 0);
    Read(state, file);
}

void LevelFollowedBy100MB(benchmark::State& state) {
    TempLevel file("tail");
    file.Write(PlainLevel(), std::string(1 << 20, '7').append(",\n"), HugeSize);
    Read(state, file);
}

void OneField100MBLong(benchmark::State& state) {
    TempLevel file("field");
    file.Write("", std::string(1 << 20, '0'), HugeSize);
    Read(state, file);
}

}  // namespace

BENCHMARK(PlainLevelFile);
BENCHMARK(LevelFollowedBy100MB);
BENCHMARK(OneField100MBLong)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
