// libFuzzer target for the command texts. Any bytes go through the parser, the reply-number
// reader and the device-type table; then, read as one command per line, they drive a layer on a
// loopback device (open commands are pointed at one small fixture file, so the fuzzer never
// reads arbitrary paths), mixing a little after each command.
#include <sndfile.h>
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "zuplay/command_parser.h"
#include "zuplay/device_type.h"
#include "zuplay/multimedia_layer.h"
#include "zuplay/reply_number.h"

namespace {

// A 50 ms stereo WAV in a private folder, and the layer the commands go to.
struct Fixture {
    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zufuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) Folder = pattern;
        File = Folder + "/clip.wav";
        SF_INFO info{};
        info.samplerate = 44100;
        info.channels = 2;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        std::vector<std::int16_t> samples(2205 * 2);
        for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = std::int16_t(i * 37 % 4000);
        if (SNDFILE* out = sf_open(File.c_str(), SFM_WRITE, &info)) {
            sf_writef_short(out, samples.data(), 2205);
            sf_close(out);
        }
    }
    ~Fixture() {
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }

    std::string Folder;
    std::string File;
    zuplay::MultimediaLayer Layer{zuplay::DeviceChoice::LoopbackManual};
};

void RunScript(Fixture& fixture, std::string_view script) {
    char reply[256];
    while (!script.empty()) {
        std::size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        zuplay::ParsedCommand parsed = zuplay::ParseCommand(line);
        std::string command(line);
        if (parsed.Error == zuplay::CommandError::None &&
            parsed.Parsed.Action == zuplay::Verb::Open) {
            command = "open \"" + fixture.File + "\" type " + std::string(parsed.Parsed.Type) +
                      " alias " + std::string(parsed.Parsed.Alias);
        }
        fixture.Layer.Send(command, reply, 255);
        fixture.Layer.Render(64);
    }
    fixture.Layer.CloseAll();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zuplay::ParseCommand(text);
    zuplay::RoundToInt32(zuplay::ReadReplyNumber(text));
    zuplay::DeviceTypeFor(text);
    static Fixture fixture;
    RunScript(fixture, text);
    return 0;
}
