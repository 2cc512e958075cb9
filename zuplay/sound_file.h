// Reading a sound file with libsndfile: the header on open, then all of its samples as 16-bit
// frames of one or two channels (more are mixed down to two). One SoundFile is used by one thread
// at a time (the caller of an open command, or the background decoding thread it is handed to).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "zuplay/downmix.h"

struct sf_private_tag;

namespace zuplay {

class MidiFile;

struct DecodedSound {
    std::vector<std::int16_t> Samples;  // interleaved frames
    std::int64_t Frames = 0;            // frames read
};

class SoundFile {
  public:
    // Null when the file is not a sound the decoder reads.
    static std::unique_ptr<SoundFile> Open(const std::string& path);
    // A MIDI file, rendered when decoded; null as MidiFile::Open says.
    static std::unique_ptr<SoundFile> OpenMidi(const std::string& path);
    ~SoundFile();
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    int Channels() const { return OutChannels; }
    int SampleRate() const { return Rate; }
    // The length the header promises, in frames; -1 when it does not say.
    std::int64_t FrameEstimate() const { return Estimate; }

    // Reads from the current place to the end (more than two channels mixed down to stereo),
    // stopping early once cancel becomes true. A damaged file gives what could be read before the
    // damage.
    DecodedSound Decode(const std::atomic<bool>* cancel);

  private:
    SoundFile() = default;

    sf_private_tag* Handle = nullptr;    // libsndfile's open file
    std::unique_ptr<MidiFile> Midi;      // or a MIDI file in its place
    int FileChannels = 0;                // channels stored in the file
    int OutChannels = 0;                 // 1 or 2
    std::vector<StereoWeights> Downmix;  // per file channel, when there are more than two
    int Rate = 0;                        // frames per second
    std::int64_t Estimate = -1;          // frames, from the header
};

}  // namespace zuplay
