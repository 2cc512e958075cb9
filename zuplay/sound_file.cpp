// Reading a sound file with libsndfile. One thread at a time per SoundFile.
#include "zuplay/sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <climits>

#include "zuplay/downmix.h"
#include "zuplay/midi_file.h"

namespace zuplay {

namespace {

constexpr sf_count_t kChunkFrames = 16384;
constexpr int kMaxRate = 768000;  // frames per second; anything above is a damaged header
// The device takes a buffer's size as a signed 32-bit byte count.
constexpr std::int64_t kMaxSamples = INT_MAX / sizeof(std::int16_t);

// The speakers the file names for its channels; empty when it names none.
std::vector<int> ChannelMap(SNDFILE* handle, int channels) {
    std::vector<int> speakers(static_cast<std::size_t>(channels));
    int bytes = static_cast<int>(speakers.size() * sizeof(int));
    if (sf_command(handle, SFC_GET_CHANNEL_MAP_INFO, speakers.data(), bytes) != SF_TRUE) return {};
    return speakers;
}

}  // namespace

std::unique_ptr<SoundFile> SoundFile::Open(const std::string& path) {
    SF_INFO info{};
    SNDFILE* handle = sf_open(path.c_str(), SFM_READ, &info);
    if (handle == nullptr) return nullptr;
    std::unique_ptr<SoundFile> file(new SoundFile());
    file->Handle = handle;
    if (info.channels < 1 || info.samplerate < 1 || info.samplerate > kMaxRate) return nullptr;
    file->FileChannels = info.channels;
    file->OutChannels = std::min(info.channels, 2);
    file->Rate = info.samplerate;
    if (info.channels > 2)
        file->Downmix = DownmixWeights(ChannelMap(handle, info.channels), info.channels);
    if (info.frames >= 0 && info.frames < SF_COUNT_MAX) file->Estimate = info.frames;
    // No SFC_SET_SCALE_FLOAT_INT_READ: it makes libsndfile decode the whole file on open to find
    // its peak, which would hold up opening the music. Full-scale floats map to full-scale 16-bit.
    return file;
}

std::unique_ptr<SoundFile> SoundFile::OpenMidi(const std::string& path) {
    std::unique_ptr<MidiFile> midi = MidiFile::Open(path);
    if (!midi) return nullptr;
    std::unique_ptr<SoundFile> file(new SoundFile());
    file->Midi = std::move(midi);
    file->FileChannels = 2;
    file->OutChannels = 2;
    file->Rate = kMidiRate;
    return file;  // the length is known once rendered
}

SoundFile::~SoundFile() {
    if (Handle != nullptr) sf_close(Handle);
}

DecodedSound SoundFile::Decode(const std::atomic<bool>* cancel) {
    if (Midi) return Midi->Render(cancel);
    DecodedSound sound;
    if (Estimate > 0) {
        sound.Samples.reserve(
            static_cast<std::size_t>(std::min<std::int64_t>(Estimate * OutChannels, kMaxSamples)));
    }
    std::vector<std::int16_t> chunk(static_cast<std::size_t>(kChunkFrames * FileChannels));
    while (cancel == nullptr || !cancel->load(std::memory_order_relaxed)) {
        sf_count_t got = sf_readf_short(Handle, chunk.data(), kChunkFrames);
        if (got <= 0) break;
        if (static_cast<std::int64_t>(sound.Samples.size()) + got * OutChannels > kMaxSamples) {
            break;
        }
        if (FileChannels == OutChannels) {
            sound.Samples.insert(sound.Samples.end(), chunk.data(),
                                 chunk.data() + got * OutChannels);
        } else {
            MixToStereo(chunk.data(), got, Downmix, sound.Samples);
        }
        sound.Frames += got;
    }
    return sound;
}

}  // namespace zuplay
