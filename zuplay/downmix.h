// Folding a file of more than two channels into stereo with the usual (ITU-R BS.775) weights:
// front left and right as they are, centre and surrounds at -3 dB into their sides, the
// low-frequency channel left out. Pure functions; any thread.
#pragma once

#include <cstdint>
#include <vector>

namespace zuplay {

struct StereoWeights {
    float Left = 0;   // share of the channel in the left output
    float Right = 0;  // share of the channel in the right output
};

// One pair of weights per channel. speakers holds the file's channel map (libsndfile's
// SF_CHANNEL_MAP values), or is empty when the file does not say; then the WAVE order for that
// many channels is taken (5.1: front left, front right, centre, LFE, rear left, rear right).
std::vector<StereoWeights> DownmixWeights(const std::vector<int>& speakers, int channels);

// Appends frames of interleaved 16-bit samples of weights.size() channels to out as stereo
// frames; sums beyond the 16-bit range are held at its ends.
void MixToStereo(const std::int16_t* in, std::int64_t frames,
                 const std::vector<StereoWeights>& weights, std::vector<std::int16_t>& out);

}  // namespace zuplay
