// MIDI files through FluidSynth. One thread at a time per MidiFile.
#include "zuplay/midi_file.h"

#include <fluidsynth.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "zuplay/sound_file.h"

namespace zuplay {

namespace {

constexpr int kRingOutFrames = 2 * kMidiRate;
constexpr double kGain = 0.5;  // FluidSynth's 0.2 leaves a General MIDI piano far below a WAV

bool IsFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string FindSoundFont() {
    for (const std::string& candidate : SoundFontSearch()) {
        if (IsFile(candidate)) return candidate;
    }
    return {};
}

void SayNoSoundFont() {
    static std::once_flag said;
    std::call_once(said, [] {
        std::fputs(
            "zuplay: no General MIDI sound font installed (timgm6mb-soundfont), "
            "MIDI files do not open\n",
            stderr);
    });
}

}  // namespace

struct MidiFile::Synth {
    ~Synth() {
        if (Player != nullptr) delete_fluid_player(Player);
        if (Synthesiser != nullptr) delete_fluid_synth(Synthesiser);
        if (Settings != nullptr) delete_fluid_settings(Settings);
    }
    fluid_settings_t* Settings = nullptr;
    fluid_synth_t* Synthesiser = nullptr;
    fluid_player_t* Player = nullptr;
};

std::vector<std::string>& SoundFontSearch() {
    static std::vector<std::string> paths{"/usr/share/sounds/sf2/default-GM.sf2",
                                          "/usr/share/sounds/sf2/TimGM6mb.sf2",
                                          "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
    return paths;
}

std::unique_ptr<MidiFile> MidiFile::Open(const std::string& path) {
    if (fluid_is_midifile(path.c_str()) == 0) return nullptr;
    std::string font = FindSoundFont();
    if (font.empty()) {
        SayNoSoundFont();
        return nullptr;
    }
    std::unique_ptr<MidiFile> file(new MidiFile());
    file->Parts = std::make_unique<Synth>();
    Synth& s = *file->Parts;
    s.Settings = new_fluid_settings();
    if (s.Settings == nullptr) return nullptr;
    fluid_settings_setnum(s.Settings, "synth.sample-rate", kMidiRate);
    // The player follows the samples rendered, not the wall clock: rendering runs ahead of time.
    fluid_settings_setstr(s.Settings, "player.timing-source", "sample");
    fluid_settings_setnum(s.Settings, "synth.gain", kGain);
    s.Synthesiser = new_fluid_synth(s.Settings);
    if (s.Synthesiser == nullptr || fluid_synth_sfload(s.Synthesiser, font.c_str(), 1) < 0) {
        return nullptr;
    }
    s.Player = new_fluid_player(s.Synthesiser);
    if (s.Player == nullptr || fluid_player_add(s.Player, path.c_str()) != FLUID_OK ||
        fluid_player_play(s.Player) != FLUID_OK) {
        return nullptr;
    }
    return file;
}

MidiFile::~MidiFile() = default;

// The player keeps saying it plays until every voice has finished its release, seconds after the
// last note was heard; the song is over once its last tick has passed.
bool MidiFile::SongOver() const {
    const int total = fluid_player_get_total_ticks(Parts->Player);
    return fluid_player_get_status(Parts->Player) != FLUID_PLAYER_PLAYING ||
           (total > 0 && fluid_player_get_current_tick(Parts->Player) >= total);
}

// Renders one chunk onto the end of samples; false when all of it rounds to silence. Floats
// rounded here rather than FluidSynth's 16-bit output, whose dither never lets a tail fall silent.
bool MidiFile::RenderChunk(std::vector<std::int16_t>& samples) {
    std::array<float, 2 * kChunkFrames> mix{};
    fluid_synth_write_float(Parts->Synthesiser, kChunkFrames, mix.data(), 0, 2, mix.data(), 1, 2);
    bool heard = false;
    for (float value : mix) {
        long sample = std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f);
        heard = heard || sample != 0;
        samples.push_back(static_cast<std::int16_t>(sample));
    }
    return heard;
}

DecodedSound MidiFile::Render(const std::atomic<bool>* cancel) {
    DecodedSound sound;
    const std::int64_t mostFrames = std::int64_t{kMostSeconds} * kMidiRate;
    std::int64_t ringOut = 0;  // frames rendered since the song ended
    while (sound.Frames < mostFrames && ringOut < kRingOutFrames) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) break;
        const bool over = SongOver();
        const std::size_t start = sound.Samples.size();
        const bool heard = RenderChunk(sound.Samples);
        if (over && !heard) {  // rung out: the silence is not part of the sound
            sound.Samples.resize(start);
            break;
        }
        sound.Frames += kChunkFrames;
        if (over) ringOut += kChunkFrames;
    }
    return sound;
}

}  // namespace zuplay
