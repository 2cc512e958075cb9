// Atomic whole-file writes; see file_write.h.
#include "world/file_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace world {

namespace {

bool Refuse(const std::filesystem::path& path, int code, std::string* error) {
    if (error) *error = "cannot write " + path.string() + ": " + std::strerror(code);
    return false;
}

// The whole text into a new file; the errno of the first failure, or 0.
int WriteWhole(const std::filesystem::path& path, std::string_view text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return errno;
    int code = 0;
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fflush(file) != 0)
        code = errno ? errno : EIO;
    if (std::fclose(file) != 0 && code == 0) code = errno ? errno : EIO;
    return code;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text,
                         std::string* error) {
    std::filesystem::path temporary = path;
    temporary += ".part";
    errno = 0;
    if (const int code = WriteWhole(temporary, text)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        // The temporary file's folder is the target's: say the target, which the user named.
        return Refuse(path, code, error);
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (!renamed) return true;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Refuse(path, renamed.value(), error);
}

}  // namespace world
