// The multimedia layer: this system's own stand-in for the platform's command-string interface.
// It takes command texts ("open F type T alias A", "play A from N", ...) and keeps the alias
// model: every alias is an independent player of its file, one file may be open under several
// aliases sharing one decoded buffer, an alias sounds once at a time and play restarts it.
// Positions and lengths are milliseconds. Any thread may call; calls are serialised inside.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "zuplay/audio_device.h"
#include "zuplay/command_parser.h"
#include "zuplay/task_thread.h"

namespace zuplay {

class SoundFile;

class MultimediaLayer {
  public:
    // Automatic opens the output device on the background thread at the first open command, so
    // opening sounds never waits for it; the loopback choices open the device at once.
    explicit MultimediaLayer(DeviceChoice choice);
    ~MultimediaLayer();
    MultimediaLayer(const MultimediaLayer&) = delete;
    MultimediaLayer& operator=(const MultimediaLayer&) = delete;

    // One command. A status command's answer is written to reply as a zero-terminated text of at
    // most replySize - 1 bytes; reply may be null. Returns 0 or a CommandError.
    int Send(std::string_view command, char* reply, std::uint32_t replySize);

    // For tests and benchmarks.
    std::vector<std::int16_t> Render(int frames);  // LoopbackManual: the next stereo frames
    void WaitIdle();                               // device open, background decodes done
    std::size_t AliasCount();
    std::size_t DecodedFileCount();  // files held, each once however many aliases share it
    bool UsesLoopback();             // false also while no device is open yet
    void CloseAll();

  private:
    struct FileKey {
        std::uint64_t Device;
        std::uint64_t Inode;
        std::int64_t Size;
        std::int64_t Modified;  // nanoseconds
        bool Midi;              // opened as a MIDI file (Sequencer), which decodes differently
        auto operator<=>(const FileKey&) const = default;
    };
    struct DecodeJob;
    struct Clip;
    struct Alias;
    enum class Mode { Stopped, Playing, Paused };

    CommandError Execute(const Command& command, std::string& answer);
    CommandError Open(const Command& command);
    CommandError LoadClip(const std::string& path, const FileKey& key, bool midi, Clip*& clip);
    void DecodeInBackground(Clip& clip, std::unique_ptr<SoundFile> file);
    void FinishDecode(const std::shared_ptr<DecodeJob>& job);
    CommandError Play(Alias& alias, std::int32_t from);
    void Stop(Alias& alias);
    void Pause(Alias& alias);
    void Resume(Alias& alias);
    std::int64_t CurrentFrame(Alias& alias);
    void Close(std::map<std::string, Alias, std::less<>>::iterator at);
    void RequestDevice();
    void Upload(Clip& clip);
    void Realize(Alias& alias);
    void RealizeAll();
    void StartAt(Alias& alias, std::int64_t frame);

    std::mutex Mutex;  // every member below
    DeviceChoice Choice;
    std::unique_ptr<AudioDevice> Device;  // null until open (or when none could be made)
    bool DeviceRequested = false;
    std::map<FileKey, std::unique_ptr<Clip>> Clips;
    std::map<std::string, Alias, std::less<>> Aliases;
    TaskThread Tasks;  // last: stopped first, before the members its tasks touch go away
};

}  // namespace zuplay
