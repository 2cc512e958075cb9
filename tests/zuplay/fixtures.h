// Test fixtures for the sample player: sound files written into a private temporary folder, a
// recorder that stands in for the multimedia layer, and counted texts. Test thread only.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "zuplay/command_sink.h"
#include "zuplay/multimedia_layer.h"
#include "zuplay/zuplay.h"

namespace zuplay::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempFolder {
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(std::string_view name) const { return (Path / name).string(); }

    std::filesystem::path Path;
};

// Interleaved 16-bit samples: a deterministic pattern with no long runs of equal values, so a
// rendered copy can be lined up with it.
std::vector<std::int16_t> Pattern(std::int64_t frames, int channels, int amplitude);

void WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int channels,
              int rate);
// Through libsndfile's MP3 encoder; false when this libsndfile cannot write MP3.
bool WriteMp3(const std::string& path, const std::vector<std::int16_t>& samples, int channels,
              int rate);
void WriteBytes(const std::string& path, std::string_view bytes);

// A counted text over a string; the string must outlive it.
inline ZuText Text(std::string_view text) {
    return ZuText{text.data(), static_cast<std::int32_t>(text.size())};
}

// Takes the place of the multimedia layer while it lives: records every command text and the
// reply size it came with, answers with Result (or FailWhen for texts starting with that
// prefix) and copies Reply into a status command's buffer.
struct CommandRecorder {
    CommandRecorder();
    ~CommandRecorder();
    CommandRecorder(const CommandRecorder&) = delete;
    CommandRecorder& operator=(const CommandRecorder&) = delete;

    std::vector<std::string> Sent;          // command texts in order
    std::vector<std::uint32_t> ReplySizes;  // 0 when no reply buffer was passed
    int Result = 0;                         // the layer's answer, 0 = success
    std::string FailWhen;                   // texts starting with this get error 1
    std::string Reply;                      // written into a reply buffer
};

// A multimedia layer on a loopback device that mixes only when the test renders, so positions
// move by exactly what was rendered.
struct ManualLayer {
    int Send(const std::string& command) { return Layer.Send(command, nullptr, 0); }
    // The reply of "status alias item" read as a whole number; -1 when the command fails.
    std::int64_t Status(const std::string& alias, const std::string& item) {
        char reply[256] = {};
        if (Layer.Send("status " + alias + " " + item, reply, 255) != 0) return -1;
        return std::stoll(reply);
    }
    std::int64_t Position(const std::string& alias) { return Status(alias, "position"); }
    std::vector<std::int16_t> RenderMs(int milliseconds) {
        return Layer.Render(milliseconds * kLoopbackRate / 1000);
    }

    MultimediaLayer Layer{DeviceChoice::LoopbackManual};
};

}  // namespace zuplay::testing
