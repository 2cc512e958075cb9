#include "presentation/image_loading.h"

#include <cstdio>

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

Image LoadImageFile(std::string_view path) {
    const BitmapSize size = ProbeBitmapSize(path);
    Image image = CreateImage(size.Width, size.Height);
    LoadBitmap(path, image);
    return image;
}

}  // namespace presentation
