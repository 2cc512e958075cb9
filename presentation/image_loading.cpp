#include "presentation/image_loading.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace presentation {

BitmapSize ProbeBitmapSize(std::string_view path) {
    std::FILE* file = std::fopen(NativePath(path).c_str(), "rb");
    if (!file) return {0, 0};
    unsigned char header[26] = {};
    (void)std::fread(header, 1, sizeof header, file);
    std::fclose(file);
    if (header[0] != 'B' || header[1] != 'M') return {0, 0};
    auto int32At = [&](int offset) {
        return static_cast<std::int32_t>(header[offset] | (header[offset + 1] << 8) |
                                         (header[offset + 2] << 16) |
                                         (static_cast<std::uint32_t>(header[offset + 3]) << 24));
    };
    return {int32At(18), int32At(22)};
}

namespace {

// Even at one bit a pixel a file holds at most eight pixels a byte. A header claiming more is
// damaged or hostile, and taking it at its word would allocate up to 256 MB for a file of a few
// bytes (and the game loads most pictures twice).
bool FileCanHold(std::string_view path, BitmapSize size) {
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(NativePath(path), error);
    if (error) return true;  // not a regular file: LoadBitmap reports it
    const std::uint64_t pixels = static_cast<std::uint64_t>(std::abs(std::int64_t{size.Width})) *
                                 static_cast<std::uint64_t>(std::abs(std::int64_t{size.Height}));
    return pixels / 8 <= bytes;
}

}  // namespace

Image LoadImageFile(std::string_view path) {
    const BitmapSize size = ProbeBitmapSize(path);
    if (!FileCanHold(path, size)) return nullptr;
    Image image = CreateImage(size.Width, size.Height);
    LoadBitmap(path, image);
    return image;
}

}  // namespace presentation
