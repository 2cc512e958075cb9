// The OpenAL Soft device behind the multimedia layer, and the few voice and buffer operations
// the layer needs. Without an output device (a server, CI) a loopback device stands in, mixed at
// real time by a thread of its own with the output thrown away, so voices still play and end.
// The layer calls everything below under its own lock, inside an AudioDevice::Use.
#pragma once

#include <AL/alc.h>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace zuplay {

enum class DeviceChoice {
    Automatic,         // the default output; the real-time loopback device when none opens
    LoopbackRealTime,  // always the loopback device, mixed by the device's own thread
    LoopbackManual,    // the loopback device, mixed only when Render is called (tests)
};

inline constexpr int kLoopbackRate = 44100;  // frames per second of the loopback mix (stereo)

class AudioDevice {
  public:
    // Null when not even the loopback device can be made.
    static std::unique_ptr<AudioDevice> Open(DeviceChoice choice);
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    bool IsLoopback() const { return Loopback; }
    // Mixes the next frames into out (2 x 16-bit samples per frame). Loopback devices only.
    void Render(std::int16_t* out, int frames);

    // Makes the device's context current on the calling thread for its lifetime, so the layer
    // never disturbs another thread's or another device's context. Accepts null.
    class Use {
      public:
        explicit Use(const AudioDevice* device);
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

      private:
        bool Active = false;
    };

  private:
    AudioDevice() = default;
    void StartMixThread();
    void MixAtRealTime();

    ALCdevice* Device = nullptr;
    ALCcontext* Context = nullptr;
    bool Loopback = false;
    std::thread Mixer;  // real-time loopback only
    std::mutex MixMutex;
    std::condition_variable MixWake;
    bool MixStop = false;  // guarded by MixMutex
};

// Voices and buffers of the device current on this thread (see AudioDevice::Use). Names are
// OpenAL names; 0 means none.
std::uint32_t NewBuffer(const std::int16_t* samples, std::int64_t frames, int channels, int rate);
void DeleteBuffer(std::uint32_t buffer);
std::uint32_t NewVoice();
void DeleteVoice(std::uint32_t voice);  // stops it and lets go of its buffer first
void AttachBuffer(std::uint32_t voice, std::uint32_t buffer);
void StartVoice(std::uint32_t voice, std::int64_t frame);  // from that frame, cutting a play short
void StopVoice(std::uint32_t voice);
void PauseVoice(std::uint32_t voice);
void ResumeVoice(std::uint32_t voice);  // a paused voice goes on from where it was
bool VoiceIsPaused(std::uint32_t voice);
bool VoiceHasEnded(std::uint32_t voice);  // was started and has stopped
std::int64_t VoiceFrame(std::uint32_t voice);

}  // namespace zuplay
