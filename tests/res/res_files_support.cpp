// File helpers for the resource tests.
// Runs on the test's thread.
#include "tests/res/res_files_support.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

namespace res_testing {

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t Le16(const Bytes& b, std::size_t at) {
    if (at + 2 > b.size()) return 0;
    return b[at] | (static_cast<std::uint32_t>(b[at + 1]) << 8);
}

std::uint32_t Le32(const Bytes& b, std::size_t at) {
    if (at + 4 > b.size()) return 0;
    return Le16(b, at) | (Le16(b, at + 2) << 16);
}

std::vector<std::string> ListFiles(const std::filesystem::path& root) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ec))
        if (entry.is_regular_file())
            out.push_back(entry.path().lexically_relative(root).generic_string());
    std::sort(out.begin(), out.end());
    return out;
}

BitmapHeader ReadBitmapHeader(const Bytes& b) {
    BitmapHeader h;
    h.Signature = b.size() >= 2 && b[0] == 'B' && b[1] == 'M';
    h.FileSize = Le32(b, 2);
    h.DataOffset = Le32(b, 10);
    h.InfoSize = Le32(b, 14);
    h.Width = static_cast<std::int32_t>(Le32(b, 18));
    h.Height = static_cast<std::int32_t>(Le32(b, 22));
    h.Planes = Le16(b, 26);
    h.Bits = Le16(b, 28);
    h.Compression = Le32(b, 30);
    return h;
}

Wave ReadWave(const Bytes& b) {
    Wave w;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return w;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const std::uint32_t size = Le32(b, at + 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) return w;
        if (id == "fmt " && size >= 16) {
            w.Format = Le16(b, body);
            w.Channels = Le16(b, body + 2);
            w.Rate = Le32(b, body + 4);
            w.Bits = Le16(b, body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            if (w.Bits == 16)
                for (std::size_t i = 0; i + 1 < size; i += 2)
                    w.Samples.push_back(static_cast<std::int16_t>(Le16(b, body + i)));
            w.Valid = true;
        }
        at = body + size + (size & 1);
    }
    return w;
}

namespace {

// Length in bytes of the MPEG-1/2 Layer III frame whose header starts at `at`, or 0 when there
// is no valid header there; `samples` and `rate` receive the frame's sample count and rate.
std::size_t FrameLength(const Bytes& b, std::size_t at, int& samples, int& rate) {
    if (at + 4 > b.size() || b[at] != 0xFF || (b[at + 1] & 0xE0) != 0xE0) return 0;
    const int version = (b[at + 1] >> 3) & 3;  // 3 = MPEG-1, 2 = MPEG-2, 0 = MPEG-2.5
    const int layer = (b[at + 1] >> 1) & 3;    // 1 = Layer III
    const int bitrateIndex = b[at + 2] >> 4, rateIndex = (b[at + 2] >> 2) & 3;
    if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return 0;
    static constexpr int kRates[3] = {44100, 48000, 32000};
    static constexpr int kKbpsV1[15] = {0,   32,  40,  48,  56,  64,  80, 96,
                                        112, 128, 160, 192, 224, 256, 320};
    static constexpr int kKbpsV2[15] = {0,  8,  16, 24,  32,  40,  48, 56,
                                        64, 80, 96, 112, 128, 144, 160};
    const bool v1 = version == 3;
    rate = kRates[rateIndex] >> (v1 ? 0 : (version == 2 ? 1 : 2));
    samples = v1 ? 1152 : 576;
    const int kbps = v1 ? kKbpsV1[bitrateIndex] : kKbpsV2[bitrateIndex];
    const int padding = (b[at + 2] >> 1) & 1;
    return static_cast<std::size_t>(samples / 8 * kbps * 1000 / rate + padding);
}

}  // namespace

double Mp3Seconds(const Bytes& b) {
    std::size_t at = 0;
    if (b.size() > 10 && b[0] == 'I' && b[1] == 'D' && b[2] == '3')  // skip an ID3v2 tag
        at = 10 + ((b[6] & 0x7F) << 21 | (b[7] & 0x7F) << 14 | (b[8] & 0x7F) << 7 | (b[9] & 0x7F));
    double seconds = 0.0;
    while (at < b.size()) {
        int samples = 0, rate = 0;
        const std::size_t length = FrameLength(b, at, samples, rate);
        if (length == 0) break;
        seconds += static_cast<double>(samples) / rate;
        at += length;
    }
    return seconds;
}

ScratchDir::ScratchDir() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("res-test-" + std::to_string(::getpid()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace res_testing
