// Bitmap and WAV encoding for the resource generator.
// Called on the generator's one thread.
#include "tools/resgen/files.h"

#include <fstream>

namespace resgen {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFFU);
    Put16(out, v >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> EncodeBitmap(const Canvas& canvas) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(canvas.Width) * 3 + 3) & ~3U;
    const std::uint32_t dataBytes = rowBytes * static_cast<std::uint32_t>(canvas.Height);
    const std::uint32_t dataOffset = 14 + 40;
    std::vector<std::uint8_t> out;
    out.reserve(dataOffset + dataBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, dataOffset + dataBytes);
    Put32(out, 0);  // two reserved 16-bit fields
    Put32(out, dataOffset);
    Put32(out, 40);  // BITMAPINFOHEADER
    Put32(out, static_cast<std::uint32_t>(canvas.Width));
    Put32(out, static_cast<std::uint32_t>(canvas.Height));  // positive: bottom row first
    Put16(out, 1);                                          // planes
    Put16(out, 24);                                         // bits per pixel
    Put32(out, 0);                                          // no compression
    Put32(out, dataBytes);
    Put32(out, 2835);  // 72 dots per inch, horizontally
    Put32(out, 2835);  // and vertically
    Put32(out, 0);     // no palette
    Put32(out, 0);     // every colour important
    for (int y = canvas.Height - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.Width; ++x) {
            const Colour c = canvas.Get(x, y);
            out.push_back(c.B);
            out.push_back(c.G);
            out.push_back(c.R);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(canvas.Width) * 3; pad < rowBytes;
             ++pad)
            out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int channels,
                                     int sampleRate) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size()) * 2;
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(channels) * 2;
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, static_cast<std::uint32_t>(channels));
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    Put16(out, blockAlign);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
    return out;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace resgen
