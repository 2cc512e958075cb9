// The OpenAL Soft device, its real-time mixing thread for the loopback stand-in, and the voice
// and buffer operations. Everything but the mixing thread runs under the layer's lock.
#define AL_ALEXT_PROTOTYPES
#include "zuplay/audio_device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <alsa/asoundlib.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <vector>

namespace zuplay {

namespace {

// 50 ms per wake-up of the mixing thread: nobody hears the silent mix, and each wake-up costs the
// mixer its per-call set-up (gains, filters) on top of the samples.
constexpr int kMixChunkFrames = kLoopbackRate / 20;

ALCcontext* NewOutputContext(ALCdevice* device) {
    const ALCint attributes[] = {ALC_HRTF_SOFT, ALC_FALSE, 0};
    return alcCreateContext(device, attributes);
}

ALCcontext* NewLoopbackContext(ALCdevice* device) {
    if (!alcIsRenderFormatSupportedSOFT(device, kLoopbackRate, ALC_STEREO_SOFT, ALC_SHORT_SOFT)) {
        return nullptr;
    }
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                                 ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,
                                 ALC_SHORT_SOFT,
                                 ALC_FREQUENCY,
                                 kLoopbackRate,
                                 ALC_HRTF_SOFT,
                                 ALC_FALSE,
                                 0};
    return alcCreateContext(device, attributes);
}

// OpenAL Soft reads its log level from the environment once, at its first call, and would
// otherwise print its errors about the missing sound card. Set when the library is loaded, while
// the process has one thread (setenv beside another thread's getenv is not safe); a level the
// user has set wins.
[[maybe_unused]] const bool kOpenAlQuiet = setenv("ALSOFT_LOGLEVEL", "0", 0) == 0;

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// The default output device, with alsa-lib's error messages held back while OpenAL looks for it:
// without a sound card they are a dozen lines of configuration errors that say nothing a player
// of this library needs.
ALCdevice* OpenDefaultOutput() {
    static std::mutex quiet;  // one swap of the process-wide handler at a time
    std::lock_guard lock(quiet);
    const snd_lib_error_handler_t previous = snd_lib_error;
    snd_lib_error_set_handler(IgnoreAlsaError);
    ALCdevice* device = alcOpenDevice(nullptr);
    snd_lib_error_set_handler(previous);
    return device;
}

void SayPlayingSilently() {
    static std::once_flag said;
    std::call_once(said, [] { std::fputs("zuplay: no audio device, playing silently\n", stderr); });
}

}  // namespace

std::unique_ptr<AudioDevice> AudioDevice::Open(DeviceChoice choice) {
    std::unique_ptr<AudioDevice> result(new AudioDevice());
    if (choice == DeviceChoice::Automatic) {
        result->Device = OpenDefaultOutput();
        if (result->Device != nullptr) result->Context = NewOutputContext(result->Device);
        if (result->Context != nullptr) return result;
        if (result->Device != nullptr) alcCloseDevice(result->Device);
        result->Device = nullptr;
        SayPlayingSilently();
    }
    result->Loopback = true;
    result->Device = alcLoopbackOpenDeviceSOFT(nullptr);
    if (result->Device == nullptr) return nullptr;
    result->Context = NewLoopbackContext(result->Device);
    if (result->Context == nullptr) return nullptr;  // the destructor closes the device
    if (choice != DeviceChoice::LoopbackManual) result->StartMixThread();
    return result;
}

AudioDevice::~AudioDevice() {
    if (Mixer.joinable()) {
        {
            std::lock_guard lock(MixMutex);
            MixStop = true;
        }
        MixWake.notify_all();
        Mixer.join();
    }
    if (Context != nullptr) alcDestroyContext(Context);
    if (Device != nullptr) alcCloseDevice(Device);
}

void AudioDevice::Render(std::int16_t* out, int frames) {
    if (Loopback && frames > 0) alcRenderSamplesSOFT(Device, out, frames);
}

void AudioDevice::StartMixThread() {
    Mixer = std::thread([this] { MixAtRealTime(); });
}

// Mixes what real time says is due, in 50 ms steps. After a stall of more than a second the
// backlog is dropped rather than mixed in a burst.
void AudioDevice::MixAtRealTime() {
    using Clock = std::chrono::steady_clock;
    std::vector<std::int16_t> discard(kMixChunkFrames * 2);
    const Clock::time_point start = Clock::now();
    std::int64_t mixed = 0;  // frames since start
    std::unique_lock lock(MixMutex);
    while (!MixStop) {
        auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
        std::int64_t due = elapsed.count() * kLoopbackRate / 1000000;
        if (due - mixed > kLoopbackRate) mixed = due - kMixChunkFrames;
        lock.unlock();
        while (mixed < due) {
            int frames = static_cast<int>(std::min<std::int64_t>(kMixChunkFrames, due - mixed));
            alcRenderSamplesSOFT(Device, discard.data(), frames);
            mixed += frames;
        }
        lock.lock();
        MixWake.wait_for(lock, std::chrono::milliseconds(50), [this] { return MixStop; });
    }
}

AudioDevice::Use::Use(const AudioDevice* device) {
    if (device == nullptr) return;
    Active = alcSetThreadContext(device->Context) == ALC_TRUE;
}

AudioDevice::Use::~Use() {
    if (Active) alcSetThreadContext(nullptr);
}

std::uint32_t NewBuffer(const std::int16_t* samples, std::int64_t frames, int channels, int rate) {
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR) return 0;
    ALenum format = channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    auto bytes = static_cast<ALsizei>(frames * channels * sizeof(std::int16_t));
    alBufferData(buffer, format, samples, bytes, rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return 0;
    }
    return buffer;
}

void DeleteBuffer(std::uint32_t buffer) {
    ALuint name = buffer;
    if (name != 0) alDeleteBuffers(1, &name);
}

std::uint32_t NewVoice() {
    alGetError();
    ALuint voice = 0;
    alGenSources(1, &voice);
    if (alGetError() != AL_NO_ERROR) return 0;
    // Heard as the file is: centred, not moved by a listener, stereo files left and right.
    alSourcei(voice, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(voice, AL_POSITION, 0.0f, 0.0f, 0.0f);
    if (alIsExtensionPresent("AL_SOFT_direct_channels")) {
        alSourcei(voice, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    }
    return voice;
}

void DeleteVoice(std::uint32_t voice) {
    ALuint name = voice;
    if (name == 0) return;
    alSourceStop(name);
    alSourcei(name, AL_BUFFER, 0);
    alDeleteSources(1, &name);
}

void AttachBuffer(std::uint32_t voice, std::uint32_t buffer) {
    alSourcei(voice, AL_BUFFER, static_cast<ALint>(buffer));
}

void StartVoice(std::uint32_t voice, std::int64_t frame) {
    alSourceRewind(voice);
    alSourcei(voice, AL_SAMPLE_OFFSET, static_cast<ALint>(frame));
    alSourcePlay(voice);
}

void StopVoice(std::uint32_t voice) {
    alSourceStop(voice);
}

void PauseVoice(std::uint32_t voice) {
    alSourcePause(voice);
}

void ResumeVoice(std::uint32_t voice) {
    alSourcePlay(voice);
}

namespace {
ALint VoiceState(std::uint32_t voice) {
    ALint state = AL_INITIAL;
    alGetSourcei(voice, AL_SOURCE_STATE, &state);
    return state;
}
}  // namespace

bool VoiceIsPaused(std::uint32_t voice) {
    return VoiceState(voice) == AL_PAUSED;
}

bool VoiceHasEnded(std::uint32_t voice) {
    return VoiceState(voice) == AL_STOPPED;
}

std::int64_t VoiceFrame(std::uint32_t voice) {
    ALint frame = 0;
    alGetSourcei(voice, AL_SAMPLE_OFFSET, &frame);
    return frame;
}

}  // namespace zuplay
