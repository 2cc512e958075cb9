#include "tests/presentation/bitmap_writer_support.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace presentation::testing {

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutRow(std::vector<std::uint8_t>& out, const BitmapRecipe& s,
            const std::vector<std::uint32_t>& row) {
    const std::size_t start = out.size();
    if (s.Bits <= 8) {
        int used = 0;
        std::uint8_t byte = 0;
        for (std::uint32_t index : row) {
            byte |= static_cast<std::uint8_t>(index << (8 - s.Bits - used));
            used += s.Bits;
            if (used == 8) out.push_back(byte), byte = 0, used = 0;
        }
        if (used) out.push_back(byte);
    } else {
        for (std::uint32_t v : row) Put(out, v, s.Bits / 8);
    }
    while ((out.size() - start) % 4) out.push_back(0);
}

}  // namespace

std::vector<std::uint8_t> MakeBitmap(const BitmapRecipe& s) {
    std::vector<std::uint8_t> info;
    if (s.InfoSize == 12) {
        Put(info, 12, 4), Put(info, s.Width, 2), Put(info, s.Height, 2);
        Put(info, s.Planes, 2), Put(info, s.Bits, 2);
    } else {
        Put(info, s.InfoSize, 4), Put(info, s.Width, 4), Put(info, s.Height, 4);
        Put(info, s.Planes, 2), Put(info, s.Bits, 2), Put(info, s.Compression, 4);
        while (info.size() < 40) info.push_back(0);
        if (s.InfoSize >= 108)
            for (std::uint32_t m : s.Masks) Put(info, m, 4);
        info.resize(s.InfoSize, 0);
    }
    if (s.InfoSize < 108)
        for (std::uint32_t m : s.Masks) Put(info, m, 4);
    for (std::uint32_t c : s.Palette) {
        Put(info, c & 0xFF, 1), Put(info, (c >> 8) & 0xFF, 1), Put(info, (c >> 16) & 0xFF, 1);
        if (s.InfoSize != 12) info.push_back(0);
    }
    std::vector<std::uint8_t> pixels;
    const bool topDown = s.Height < 0;
    for (std::size_t i = 0; i < s.Rows.size(); ++i)
        PutRow(pixels, s, s.Rows[topDown ? i : s.Rows.size() - 1 - i]);
    std::vector<std::uint8_t> out{'B', 'M'};
    Put(out, static_cast<std::uint32_t>(14 + info.size() + pixels.size()), 4);
    Put(out, 0, 4);
    Put(out, static_cast<std::uint32_t>(14 + info.size()), 4);
    out.insert(out.end(), info.begin(), info.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

std::string WriteTempFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("game-tests-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto path = dir / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

}  // namespace presentation::testing
