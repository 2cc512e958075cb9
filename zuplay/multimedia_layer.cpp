// The alias model behind the command texts. Runs on the calling thread under Mutex, and on the
// background thread when the device has opened or a long sound has been decoded.
#include "zuplay/multimedia_layer.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "zuplay/short_path.h"
#include "zuplay/sound_file.h"

namespace zuplay {

namespace {

// Sounds up to this long are decoded while they are opened; longer ones (the music) and MIDI
// files, whose length is known only once rendered, on the background thread, so that opening
// never waits for them.
constexpr std::int64_t kForegroundSeconds = 3;

bool IsPlayableType(std::string_view type) {
    return type.empty() || type == "waveaudio" || type == "MPEGVideo" || type == "MPEGVideo2" ||
           type == "Sequencer";
}

}  // namespace

struct MultimediaLayer::DecodeJob {
    std::unique_ptr<SoundFile> File;
    std::atomic<bool> Cancelled{false};  // the clip was closed or the layer is going away
};

struct MultimediaLayer::Clip {
    int Channels = 0;                   // 1 or 2 (more are mixed down when decoded)
    int Rate = 0;                       // frames per second
    std::int64_t Frames = -1;           // length; the header's estimate until Decoded, -1 unknown
    bool Decoded = false;               // Samples or Buffer hold the whole sound
    std::vector<std::int16_t> Samples;  // decoded, waiting for the device
    std::uint32_t Buffer = 0;           // the device's copy; 0 until uploaded
    int Users = 0;                      // aliases open on this file
    std::shared_ptr<DecodeJob> Job;     // background decoding in progress
};

struct MultimediaLayer::Alias {
    Clip* Sound = nullptr;       // shared with the other aliases of the same file
    std::uint32_t Voice = 0;     // 0 until the device is open
    bool Attached = false;       // Voice holds the decoded sound (which may be empty)
    Mode State = Mode::Stopped;  // as commanded, also while the sound is still decoding
    std::int64_t HeldFrame = 0;  // position while stopped or paused; start of a pending play
};

MultimediaLayer::MultimediaLayer(DeviceChoice choice) : Choice(choice) {
    if (choice != DeviceChoice::Automatic) {
        Device = AudioDevice::Open(choice);
        DeviceRequested = true;
    }
}

MultimediaLayer::~MultimediaLayer() {
    {
        std::lock_guard lock(Mutex);
        for (auto& [key, clip] : Clips) {
            if (clip->Job) clip->Job->Cancelled = true;
        }
    }
    Tasks.Stop();  // without the lock: a finishing task may be waiting for it
    std::lock_guard lock(Mutex);
    {
        AudioDevice::Use use(Device.get());
        while (!Aliases.empty()) Close(Aliases.begin());
    }
    Device.reset();
}

int MultimediaLayer::Send(std::string_view text, char* reply, std::uint32_t replySize) {
    if (reply != nullptr && replySize > 0) reply[0] = '\0';
    ParsedCommand parsed = ParseCommand(text);
    if (parsed.Error != CommandError::None) return static_cast<int>(parsed.Error);
    std::string answer;
    std::lock_guard lock(Mutex);
    CommandError error;
    {
        AudioDevice::Use use(Device.get());
        error = Execute(parsed.Parsed, answer);
    }
    if (error == CommandError::None && reply != nullptr && replySize > 0) {
        std::size_t length = std::min<std::size_t>(answer.size(), replySize - 1);
        std::memcpy(reply, answer.data(), length);
        reply[length] = '\0';
    }
    return static_cast<int>(error);
}

CommandError MultimediaLayer::Execute(const Command& command, std::string& answer) {
    if (command.Action == Verb::Open) return Open(command);
    auto found = Aliases.find(command.Alias);
    if (found == Aliases.end()) return CommandError::UnknownAlias;
    Alias& alias = found->second;
    switch (command.Action) {
        case Verb::Play:
            return Play(alias, command.From);
        case Verb::Stop:
            Stop(alias);
            break;
        case Verb::Pause:
            Pause(alias);
            break;
        case Verb::Resume:
            Resume(alias);
            break;
        case Verb::Close:
            Close(found);
            break;
        case Verb::Status: {
            const Clip& clip = *alias.Sound;
            std::int64_t frames = command.Item == StatusItem::Length
                                      ? std::max<std::int64_t>(clip.Frames, 0)
                                      : CurrentFrame(alias);
            answer = std::to_string(frames * 1000 / clip.Rate);
            break;
        }
        default:
            break;  // put ... destination: there is no window to place
    }
    return CommandError::None;
}

// ---- Opening -----------------------------------------------------------------------------

CommandError MultimediaLayer::Open(const Command& command) {
    if (command.Type == "CDAudio") return CommandError::UnsupportedType;  // no drive to play from
    if (!IsPlayableType(command.Type)) return CommandError::UnknownType;
    if (Aliases.contains(command.Alias)) return CommandError::DuplicateAlias;
    std::string path = FileSystemPath(command.File);
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return CommandError::FileNotFound;
    }
    const bool midi = command.Type == "Sequencer";
    FileKey key{info.st_dev, info.st_ino, info.st_size,
                info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec, midi};
    Clip* clip = nullptr;
    if (auto found = Clips.find(key); found != Clips.end()) {
        clip = found->second.get();
    } else if (CommandError error = LoadClip(path, key, midi, clip); error != CommandError::None) {
        return error;
    }
    RequestDevice();
    Alias& alias = Aliases.emplace(std::string(command.Alias), Alias{}).first->second;
    alias.Sound = clip;
    ++clip->Users;
    Realize(alias);
    if (Device && alias.Voice == 0) {  // the device has no voice left for it
        Close(Aliases.find(command.Alias));
        return CommandError::NoResources;
    }
    return CommandError::None;
}

CommandError MultimediaLayer::LoadClip(const std::string& path, const FileKey& key, bool midi,
                                       Clip*& clip) {
    std::unique_ptr<SoundFile> file = midi ? SoundFile::OpenMidi(path) : SoundFile::Open(path);
    if (!file) return CommandError::InvalidFile;
    auto made = std::make_unique<Clip>();
    made->Channels = file->Channels();
    made->Rate = file->SampleRate();
    made->Frames = file->FrameEstimate();
    bool isShort = made->Frames >= 0 && made->Frames <= kForegroundSeconds * made->Rate;
    if (isShort) {
        DecodedSound sound = file->Decode(nullptr);
        if (sound.Frames == 0) return CommandError::InvalidFile;  // nothing decodable in it
        made->Frames = sound.Frames;
        made->Samples = std::move(sound.Samples);
        made->Decoded = true;
    }
    clip = Clips.emplace(key, std::move(made)).first->second.get();
    if (!isShort) DecodeInBackground(*clip, std::move(file));
    return CommandError::None;
}

void MultimediaLayer::DecodeInBackground(Clip& clip, std::unique_ptr<SoundFile> file) {
    auto job = std::make_shared<DecodeJob>();
    job->File = std::move(file);
    clip.Job = job;
    Tasks.Post([this, job] { FinishDecode(job); });
}

// On the background thread: decodes without the lock, then hands the sound over under it.
void MultimediaLayer::FinishDecode(const std::shared_ptr<DecodeJob>& job) {
    DecodedSound sound = job->File->Decode(&job->Cancelled);
    job->File.reset();
    std::lock_guard lock(Mutex);
    if (job->Cancelled) return;
    auto found = std::find_if(Clips.begin(), Clips.end(),
                              [&](const auto& entry) { return entry.second->Job == job; });
    if (found == Clips.end()) return;
    Clip& clip = *found->second;
    clip.Job.reset();
    clip.Frames = sound.Frames;
    clip.Samples = std::move(sound.Samples);
    clip.Decoded = true;
    AudioDevice::Use use(Device.get());
    RealizeAll();
}

// ---- The device and the voices -------------------------------------------------------------

void MultimediaLayer::RequestDevice() {
    if (DeviceRequested) return;
    DeviceRequested = true;
    Tasks.Post([this] {
        std::unique_ptr<AudioDevice> opened = AudioDevice::Open(DeviceChoice::Automatic);
        std::lock_guard lock(Mutex);
        Device = std::move(opened);
        AudioDevice::Use use(Device.get());
        RealizeAll();
    });
}

void MultimediaLayer::Upload(Clip& clip) {
    if (!Device || !clip.Decoded || clip.Buffer != 0 || clip.Frames <= 0) return;
    clip.Buffer = NewBuffer(clip.Samples.data(), clip.Frames, clip.Channels, clip.Rate);
    if (clip.Buffer != 0) std::vector<std::int16_t>().swap(clip.Samples);
}

// Gives the alias what the device and the decoder have ready by now, and starts a play that
// was asked for before they were.
void MultimediaLayer::Realize(Alias& alias) {
    if (!Device) return;
    if (alias.Voice == 0) alias.Voice = NewVoice();
    Clip& clip = *alias.Sound;
    Upload(clip);
    if (alias.Voice == 0 || alias.Attached || !clip.Decoded) return;
    if (clip.Frames > 0 && clip.Buffer == 0) return;  // the upload failed; stays silent
    AttachBuffer(alias.Voice, clip.Buffer);
    alias.Attached = true;
    if (alias.State == Mode::Playing) StartAt(alias, alias.HeldFrame);
}

void MultimediaLayer::RealizeAll() {
    for (auto& [name, alias] : Aliases) Realize(alias);
}

// ---- Commands on an alias ----------------------------------------------------------------

void MultimediaLayer::StartAt(Alias& alias, std::int64_t frame) {
    if (frame >= alias.Sound->Frames) {  // at or past the end: done at once
        StopVoice(alias.Voice);
        alias.State = Mode::Stopped;
        alias.HeldFrame = std::max<std::int64_t>(alias.Sound->Frames, 0);
        return;
    }
    StartVoice(alias.Voice, frame);
    alias.State = Mode::Playing;
}

CommandError MultimediaLayer::Play(Alias& alias, std::int32_t from) {
    const Clip& clip = *alias.Sound;
    std::int64_t frame = std::int64_t{from} * clip.Rate / 1000;
    if (from < 0 || (clip.Frames >= 0 && frame > clip.Frames)) return CommandError::OutOfRange;
    alias.State = Mode::Playing;
    alias.HeldFrame = frame;
    if (alias.Attached) StartAt(alias, frame);
    return CommandError::None;
}

void MultimediaLayer::Stop(Alias& alias) {
    alias.HeldFrame = CurrentFrame(alias);
    if (alias.Attached) StopVoice(alias.Voice);
    alias.State = Mode::Stopped;
}

void MultimediaLayer::Pause(Alias& alias) {
    if (alias.State != Mode::Playing) return;
    alias.HeldFrame = CurrentFrame(alias);
    if (alias.State != Mode::Playing) return;  // it had just ended
    if (alias.Attached) PauseVoice(alias.Voice);
    alias.State = Mode::Paused;
}

void MultimediaLayer::Resume(Alias& alias) {
    if (alias.State != Mode::Paused) return;
    alias.State = Mode::Playing;
    if (!alias.Attached) return;  // starts at HeldFrame once the sound is ready
    if (VoiceIsPaused(alias.Voice)) {
        ResumeVoice(alias.Voice);
    } else {
        StartAt(alias, alias.HeldFrame);
    }
}

// Where the alias is now; notices a play that has run to its end.
std::int64_t MultimediaLayer::CurrentFrame(Alias& alias) {
    if (alias.State != Mode::Playing || !alias.Attached) return alias.HeldFrame;
    if (VoiceHasEnded(alias.Voice)) {
        alias.State = Mode::Stopped;
        alias.HeldFrame = alias.Sound->Frames;
        return alias.HeldFrame;
    }
    return VoiceFrame(alias.Voice);
}

void MultimediaLayer::Close(std::map<std::string, Alias, std::less<>>::iterator at) {
    Alias& alias = at->second;
    DeleteVoice(alias.Voice);
    Clip* clip = alias.Sound;
    Aliases.erase(at);
    if (--clip->Users > 0) return;
    if (clip->Job) clip->Job->Cancelled = true;
    DeleteBuffer(clip->Buffer);
    std::erase_if(Clips, [clip](const auto& entry) { return entry.second.get() == clip; });
}

// ---- Tests and benchmarks ------------------------------------------------------------------

std::vector<std::int16_t> MultimediaLayer::Render(int frames) {
    std::vector<std::int16_t> out(static_cast<std::size_t>(std::max(frames, 0)) * 2);
    std::lock_guard lock(Mutex);
    if (Device && Choice == DeviceChoice::LoopbackManual) Device->Render(out.data(), frames);
    return out;
}

void MultimediaLayer::WaitIdle() {
    Tasks.WaitIdle();
}

std::size_t MultimediaLayer::AliasCount() {
    std::lock_guard lock(Mutex);
    return Aliases.size();
}

std::size_t MultimediaLayer::DecodedFileCount() {
    std::lock_guard lock(Mutex);
    return Clips.size();
}

bool MultimediaLayer::UsesLoopback() {
    std::lock_guard lock(Mutex);
    return Device && Device->IsLoopback();
}

void MultimediaLayer::CloseAll() {
    std::lock_guard lock(Mutex);
    AudioDevice::Use use(Device.get());
    while (!Aliases.empty()) Close(Aliases.begin());
}

}  // namespace zuplay
