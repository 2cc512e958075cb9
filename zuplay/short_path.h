// The stand-in for the platform's short-path conversion of a file name. Linux has no short
// names, so an existing path comes back unchanged. Any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zuplay {

// The path as the file system sees it: the game writes "res\sound\dig.wav", so every '\' is
// taken as a separator.
std::string FileSystemPath(std::string_view path);

// Fails (0, buffer untouched) when the file does not exist or the name holds a zero byte. When
// the path and its terminating zero fit in bufferSize bytes, the path as given (backslashes
// kept) is written with that zero and its length is returned; otherwise the buffer is left as it
// was and the size it would need, zero included, is returned.
std::uint32_t GetShortPath(std::string_view longPath, char* buffer, std::uint32_t bufferSize);

}  // namespace zuplay
