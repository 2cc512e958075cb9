// Rendering a standard MIDI file (the Sequencer type) to 16-bit stereo with FluidSynth and a
// General MIDI sound font installed by the system. Like a SoundFile, one MidiFile is used by one
// thread at a time: the caller of the open command, then the background thread that renders it.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zuplay {

struct DecodedSound;

inline constexpr int kMidiRate = 44100;  // frames per second of the rendered sound

class MidiFile {
  public:
    // Null when the file is no MIDI file, or when no sound font is installed (which is said once
    // per process on standard error, since nothing else would tell why MIDI files stay silent).
    static std::unique_ptr<MidiFile> Open(const std::string& path);
    ~MidiFile();
    MidiFile(const MidiFile&) = delete;
    MidiFile& operator=(const MidiFile&) = delete;

    // Plays the whole file through the synthesiser, then lets the last notes ring out (up to two
    // seconds, less when it falls silent first). Stops early once cancel becomes true, and after
    // kMostSeconds.
    DecodedSound Render(const std::atomic<bool>* cancel);

    static constexpr int kMostSeconds = 20 * 60;

  private:
    static constexpr int kChunkFrames = 4096;
    MidiFile() = default;
    bool SongOver() const;
    bool RenderChunk(std::vector<std::int16_t>& samples);
    struct Synth;
    std::unique_ptr<Synth> Parts;  // FluidSynth's settings, synthesiser and player
};

// The sound font used, the first of these that exists: Debian's default-GM alternative, then the
// fonts of timgm6mb-soundfont and fluid-soundfont-gm. Tests may put other paths in its place.
std::vector<std::string>& SoundFontSearch();

}  // namespace zuplay
