// The downmix weights by speaker, and the mix itself. Pure; any thread.
#include "zuplay/downmix.h"

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace zuplay {

namespace {

constexpr float kSide = 0.70710678f;  // -3 dB: a centre or surround channel into one side
constexpr StereoWeights kBoth{0.5f, 0.5f};

StereoWeights WeightsOf(int speaker) {
    switch (speaker) {
        case SF_CHANNEL_MAP_LEFT:
        case SF_CHANNEL_MAP_FRONT_LEFT:
        case SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER:
            return {1, 0};
        case SF_CHANNEL_MAP_RIGHT:
        case SF_CHANNEL_MAP_FRONT_RIGHT:
        case SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER:
            return {0, 1};
        case SF_CHANNEL_MAP_MONO:
        case SF_CHANNEL_MAP_CENTER:
        case SF_CHANNEL_MAP_FRONT_CENTER:
            return {kSide, kSide};
        case SF_CHANNEL_MAP_LFE:
            return {0, 0};  // felt, not heard: stereo speakers would only muddy it
        case SF_CHANNEL_MAP_REAR_LEFT:
        case SF_CHANNEL_MAP_SIDE_LEFT:
        case SF_CHANNEL_MAP_TOP_FRONT_LEFT:
        case SF_CHANNEL_MAP_TOP_REAR_LEFT:
            return {kSide, 0};
        case SF_CHANNEL_MAP_REAR_RIGHT:
        case SF_CHANNEL_MAP_SIDE_RIGHT:
        case SF_CHANNEL_MAP_TOP_FRONT_RIGHT:
        case SF_CHANNEL_MAP_TOP_REAR_RIGHT:
            return {0, kSide};
        default:
            return kBoth;  // rear or top centre, ambisonic or unknown: evenly to both sides
    }
}

// The WAVE format's default speakers for 3 to 8 channels.
std::vector<int> DefaultSpeakers(int channels) {
    constexpr int FL = SF_CHANNEL_MAP_FRONT_LEFT, FR = SF_CHANNEL_MAP_FRONT_RIGHT,
                  FC = SF_CHANNEL_MAP_FRONT_CENTER, LFE = SF_CHANNEL_MAP_LFE,
                  BL = SF_CHANNEL_MAP_REAR_LEFT, BR = SF_CHANNEL_MAP_REAR_RIGHT,
                  BC = SF_CHANNEL_MAP_REAR_CENTER, SL = SF_CHANNEL_MAP_SIDE_LEFT,
                  SR = SF_CHANNEL_MAP_SIDE_RIGHT;
    switch (channels) {
        case 1:
            return {SF_CHANNEL_MAP_MONO};
        case 2:
            return {FL, FR};
        case 3:
            return {FL, FR, FC};
        case 4:
            return {FL, FR, BL, BR};
        case 5:
            return {FL, FR, FC, BL, BR};
        case 6:
            return {FL, FR, FC, LFE, BL, BR};
        case 7:
            return {FL, FR, FC, LFE, BC, SL, SR};
        default: {
            std::vector<int> speakers{FL, FR, FC, LFE, BL, BR, SL, SR};
            speakers.resize(static_cast<std::size_t>(std::max(channels, 0)),
                            SF_CHANNEL_MAP_INVALID);
            return speakers;
        }
    }
}

std::int16_t Clamp16(float value) {
    return static_cast<std::int16_t>(std::clamp(std::lround(value), -32768L, 32767L));
}

}  // namespace

std::vector<StereoWeights> DownmixWeights(const std::vector<int>& speakers, int channels) {
    const std::vector<int> used =
        static_cast<int>(speakers.size()) == channels ? speakers : DefaultSpeakers(channels);
    std::vector<StereoWeights> weights;
    weights.reserve(used.size());
    for (int speaker : used) weights.push_back(WeightsOf(speaker));
    return weights;
}

void MixToStereo(const std::int16_t* in, std::int64_t frames,
                 const std::vector<StereoWeights>& weights, std::vector<std::int16_t>& out) {
    const std::size_t channels = weights.size();
    for (std::int64_t frame = 0; frame < frames; ++frame) {
        float left = 0;
        float right = 0;
        for (std::size_t c = 0; c < channels; ++c) {
            left += weights[c].Left * in[c];
            right += weights[c].Right * in[c];
        }
        out.push_back(Clamp16(left));
        out.push_back(Clamp16(right));
        in += channels;
    }
}

}  // namespace zuplay
