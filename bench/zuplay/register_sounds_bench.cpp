// Start-up cost of the sound bank: opening the game's 45 aliases as RegisterSounds does, against
// decoding the 80-second music alone, measured in the same run. Uses the project's res/sound
// files when they exist, else stand-ins of the same kinds and sizes made here: twelve short
// WAVs and an 80-second MP3 encoded with lame (a WAV of that length when lame is missing).
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/sound_bank.h"
#include "zuplay/command_sink.h"
#include "zuplay/multimedia_layer.h"
#include "zuplay/short_path.h"
#include "zuplay/sound_file.h"
#include "zuplay/zuplay.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 44100;
constexpr int kMusicSeconds = 80;

void WriteWav(const fs::path& path, const std::vector<std::int16_t>& samples, int channels) {
    auto put = [](std::ofstream& out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    put(out, 36 + dataBytes, 4);
    out << "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, channels, 2);
    put(out, kRate, 4);
    put(out, kRate * channels * 2, 4);
    put(out, channels * 2, 2);
    put(out, 16, 2);
    out << "data";
    put(out, dataBytes, 4);
    out.write(reinterpret_cast<const char*>(samples.data()), dataBytes);
}

// A decaying two-tone burst, like a short game effect.
std::vector<std::int16_t> Effect(double seconds, double pitch) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * kRate));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        double t = double(i) / kRate;
        double tone = std::sin(2 * M_PI * pitch * t) + 0.5 * std::sin(2 * M_PI * pitch * 2.7 * t);
        samples[i] = static_cast<std::int16_t>(9000 * tone * std::exp(-4 * t / seconds));
    }
    return samples;
}

// Slowly moving chords in stereo, so the encoder has real work to do.
std::vector<std::int16_t> Music() {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(kMusicSeconds) * kRate * 2);
    for (std::size_t i = 0; i < samples.size() / 2; ++i) {
        double t = double(i) / kRate;
        double base = 110 * (1 + int(t / 4) % 3 * 0.25);
        double left = std::sin(2 * M_PI * base * t) + 0.6 * std::sin(2 * M_PI * base * 1.5 * t);
        double right = std::sin(2 * M_PI * base * 1.25 * t) + 0.4 * std::sin(2 * M_PI * 440 * t);
        samples[2 * i] = static_cast<std::int16_t>(6000 * left);
        samples[2 * i + 1] = static_cast<std::int16_t>(6000 * right);
    }
    return samples;
}

// The folder the benchmarks run in: the project's own sounds, or a temporary one with
// stand-ins, made the working directory while they run.
struct SoundFolder {
    SoundFolder() {
        bool haveAll = true;
        app::ForEachSound([&](std::string_view file, std::string_view) {
            haveAll = haveAll && fs::exists(zuplay::FileSystemPath(file));
        });
        if (haveAll) {
            std::printf("sounds: the project's res/sound\n");
            return;
        }
        std::string pattern = (fs::temp_directory_path() / "zuplay-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        Temporary = pattern;
        MakeStandIns(Temporary / "res" / "sound");
        Previous = fs::current_path();
        fs::current_path(Temporary);
    }
    ~SoundFolder() {
        if (Temporary.empty()) return;
        fs::current_path(Previous);
        fs::remove_all(Temporary);
    }

    static void MakeStandIns(const fs::path& sounds) {
        fs::create_directories(sounds);
        const std::pair<const char*, double> effects[] = {
            {"buttonclick", 0.1}, {"dead", 0.9},           {"finish", 0.8},   {"explosion", 0.95},
            {"breakstone", 0.4},  {"dig", 0.25},           {"pickup", 0.3},   {"rollstone", 0.5},
            {"stonecoll", 0.35},  {"stoneslideside", 0.6}, {"fassroll", 0.7}, {"leak", 0.2},
        };
        double pitch = 220;
        for (const auto& [name, seconds] : effects) {
            WriteWav(sounds / (std::string(name) + ".wav"), Effect(seconds, pitch += 40), 1);
        }
        fs::path wav = sounds / "ambience-source.wav";
        WriteWav(wav, Music(), 2);
        std::string encode = "lame --silent -b 128 '" + wav.string() + "' '" +
                             (sounds / "ambience.mp3").string() + "'";
        if (std::system("command -v lame >/dev/null 2>&1") == 0 &&
            std::system(encode.c_str()) == 0) {
            std::printf("sounds: stand-ins, the music encoded by lame\n");
            fs::remove(wav);
        } else {
            std::printf("sounds: stand-ins, the music as a WAV (no lame)\n");
            fs::rename(wav, sounds / "ambience.mp3");
        }
    }

    fs::path Temporary;  // empty when the project's files are used
    fs::path Previous;
};

ZuText Text(std::string_view text) {
    return ZuText{text.data(), std::int32_t(text.size())};
}

void OpenAll() {
    app::ForEachSound([](std::string_view file, std::string_view alias) {
        ZuText fileText = Text(file), aliasText = Text(alias);
        ZuOpenSample(&fileText, &aliasText);
    });
}

void CloseAll() {
    app::ForEachSound([](std::string_view, std::string_view alias) {
        ZuText aliasText = Text(alias);
        ZuCloseSample(&aliasText);
    });
    zuplay::ProcessLayer().WaitIdle();
}

// The first RegisterSounds of a process, as at start-up: nothing opened before, not even the
// audio device (which opens on the library's thread while the sounds load).
void BM_RegisterSoundsAtStartUp(benchmark::State& state) {
    for (auto _ : state) OpenAll();
    CloseAll();  // after the loop: not timed
}
BENCHMARK(BM_RegisterSoundsAtStartUp)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every later round: the device is open, each round opens and decodes the files afresh.
void BM_RegisterSounds(benchmark::State& state) {
    for (auto _ : state) {
        OpenAll();
        state.PauseTiming();
        CloseAll();
        state.ResumeTiming();
    }
    if (zuplay::ProcessLayer().UsesLoopback()) state.SetLabel("loopback device");
}
BENCHMARK(BM_RegisterSounds)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the background thread does for the music: the whole 80-second MP3 decoded.
void BM_DecodeMusicAlone(benchmark::State& state) {
    for (auto _ : state) {
        auto file = zuplay::SoundFile::Open("res/sound/ambience.mp3");
        if (!file) {
            state.SkipWithError("cannot read res/sound/ambience.mp3");
            break;
        }
        benchmark::DoNotOptimize(file->Decode(nullptr).Frames);
    }
}
BENCHMARK(BM_DecodeMusicAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    SoundFolder folder;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
