// Test fixtures for the sample player. Test thread only.
#include "tests/zuplay/fixtures.h"

#include <sndfile.h>
#include <stdlib.h>

#include <cstring>
#include <fstream>
#include <stdexcept>

#include "zuplay/command_sink.h"

namespace zuplay::testing {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zuplay-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    Path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Path, ignored);
}

std::vector<std::int16_t> Pattern(std::int64_t frames, int channels, int amplitude) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames * channels));
    std::uint32_t state = 12345;
    for (std::int16_t& sample : samples) {
        state = state * 1103515245u + 12345u;  // a small fixed LCG: the same data every run
        int spread = static_cast<int>((state >> 8) % (2u * amplitude + 1)) - amplitude;
        sample = static_cast<std::int16_t>(spread);
    }
    return samples;
}

namespace {

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

void WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int channels,
              int rate) {
    auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    Put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);  // integer PCM
    Put16(out, static_cast<std::uint16_t>(channels));
    Put32(out, static_cast<std::uint32_t>(rate));
    Put32(out, static_cast<std::uint32_t>(rate * channels * 2));
    Put16(out, static_cast<std::uint16_t>(channels * 2));
    Put16(out, 16);
    out += "data";
    Put32(out, dataBytes);
    for (std::int16_t sample : samples) Put16(out, static_cast<std::uint16_t>(sample));
    WriteBytes(path, out);
}

bool WriteMp3(const std::string& path, const std::vector<std::int16_t>& samples, int channels,
              int rate) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return false;
    sf_writef_short(file, samples.data(), static_cast<sf_count_t>(samples.size() / channels));
    sf_close(file);
    return true;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

namespace {

int Record(void* context, std::string_view command, char* reply, std::uint32_t replySize) {
    auto& recorder = *static_cast<CommandRecorder*>(context);
    recorder.Sent.emplace_back(command);
    recorder.ReplySizes.push_back(reply == nullptr ? 0 : replySize);
    if (!recorder.FailWhen.empty() && command.starts_with(recorder.FailWhen)) return 1;
    if (recorder.Result == 0 && reply != nullptr && replySize > 0) {
        std::size_t length = std::min<std::size_t>(recorder.Reply.size(), replySize - 1);
        std::memcpy(reply, recorder.Reply.data(), length);
        reply[length] = '\0';
    }
    return recorder.Result;
}

}  // namespace

CommandRecorder::CommandRecorder() {
    SetCommandSink(Record, this);
}

CommandRecorder::~CommandRecorder() {
    SetCommandSink(nullptr, nullptr);
}

}  // namespace zuplay::testing
