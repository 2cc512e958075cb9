// File helpers for the resource tests: raw bytes, little-endian fields, the bitmap and WAV
// headers, MP3 frame walking and scratch folders. Test thread only.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace res_testing {

using Bytes = std::vector<std::uint8_t>;

// The whole file; empty when it cannot be read.
Bytes ReadBytes(const std::filesystem::path& path);
std::uint32_t Le16(const Bytes& b, std::size_t at);  // 0 past the end
std::uint32_t Le32(const Bytes& b, std::size_t at);  // 0 past the end

// Every regular file under root, as '/'-separated paths relative to root, sorted.
std::vector<std::string> ListFiles(const std::filesystem::path& root);

// The fields of a bitmap's headers that the format rules care about.
struct BitmapHeader {
    bool Signature = false;      // starts with "BM"
    std::uint32_t FileSize = 0;  // as the header says
    std::uint32_t DataOffset = 0;
    std::uint32_t InfoSize = 0;  // 40 for BITMAPINFOHEADER
    std::int32_t Width = 0;
    std::int32_t Height = 0;  // positive: bottom row first
    std::uint32_t Planes = 0;
    std::uint32_t Bits = 0;
    std::uint32_t Compression = 0;
};
BitmapHeader ReadBitmapHeader(const Bytes& b);

// A PCM WAV file's format and samples (16-bit only; other widths leave Samples empty).
struct Wave {
    bool Valid = false;        // RIFF/WAVE with a fmt and a data chunk
    std::uint32_t Format = 0;  // 1 = PCM
    std::uint32_t Channels = 0;
    std::uint32_t Rate = 0;
    std::uint32_t Bits = 0;
    std::vector<std::int16_t> Samples;  // interleaved
};
Wave ReadWave(const Bytes& b);

// Playing time of an MPEG audio file in seconds, by walking its frame headers; 0 when the file
// holds no valid frame.
double Mp3Seconds(const Bytes& b);

// A fresh empty folder under the system's temporary folder, removed when the object dies.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace res_testing
