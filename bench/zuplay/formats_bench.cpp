// What the newer kinds of file cost to decode, against a plain stereo WAV of the same length in
// the same run: a 5.1 WAV folded to stereo, and the MIDI test tune rendered through the sound
// font (reported as seconds of sound made per second of work).
#include <benchmark/benchmark.h>
#include <sndfile.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "zuplay/sound_file.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 44100;
constexpr int kSeconds = 10;

// A 10-second WAV of that many channels in a private folder, removed at exit.
std::string TestFile(int channels) {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "zuformats-XXXXXX").string();
        return fs::path(mkdtemp(pattern.data()));
    }();
    static const struct Cleanup {
        ~Cleanup() { fs::remove_all(folder); }
    } cleanup;
    const std::string path = (folder / (std::to_string(channels) + ".wav")).string();
    if (fs::exists(path)) return path;
    std::vector<std::int16_t> samples(std::size_t{kRate} * kSeconds * channels);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(6000 * std::sin(0.01 * double(i)));
    }
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* out = sf_open(path.c_str(), SFM_WRITE, &info);
    sf_writef_short(out, samples.data(), kRate * kSeconds);
    sf_close(out);
    return path;
}

void Decode(benchmark::State& state, int channels) {
    const std::string path = TestFile(channels);
    for (auto _ : state) {
        auto file = zuplay::SoundFile::Open(path);
        benchmark::DoNotOptimize(file->Decode(nullptr).Frames);
    }
}

void BM_DecodeStereoWav(benchmark::State& state) {
    Decode(state, 2);
}
void BM_DecodeSurroundWav(benchmark::State& state) {
    Decode(state, 6);
}

void BM_RenderMidiTune(benchmark::State& state) {
    const std::string tune = std::string(ZUPLAY_TEST_RES) + "/tune.mid";
    std::int64_t frames = 0;
    for (auto _ : state) {
        auto file = zuplay::SoundFile::OpenMidi(tune);
        if (!file) return state.SkipWithError("no sound font installed");
        frames += file->Decode(nullptr).Frames;
    }
    state.counters["sound_s_per_s"] =
        benchmark::Counter(double(frames) / kRate, benchmark::Counter::kIsRate);
}

BENCHMARK(BM_DecodeStereoWav)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeSurroundWav)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderMidiTune)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
