// The short-path stand-in and the separator mapping. Any thread.
#include "zuplay/short_path.h"

#include <sys/stat.h>

#include <cstring>

namespace zuplay {

std::string FileSystemPath(std::string_view path) {
    std::string mapped(path);
    for (char& c : mapped) {
        if (c == '\\') c = '/';
    }
    return mapped;
}

std::uint32_t GetShortPath(std::string_view longPath, char* buffer, std::uint32_t bufferSize) {
    if (longPath.empty() || longPath.find('\0') != std::string_view::npos) return 0;
    struct stat info {};
    if (stat(FileSystemPath(longPath).c_str(), &info) != 0) return 0;
    std::uint64_t needed = std::uint64_t{longPath.size()} + 1;
    if (buffer == nullptr || needed > bufferSize) {
        return needed > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(needed);
    }
    std::memcpy(buffer, longPath.data(), longPath.size());
    buffer[longPath.size()] = '\0';
    return static_cast<std::uint32_t>(longPath.size());
}

}  // namespace zuplay
