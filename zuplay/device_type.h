// The device type named in an open command, chosen from the file name's extension. Pure; any
// thread.
#pragma once

#include <optional>
#include <string_view>

namespace zuplay {

// The type for a path: empty when the path has no "." at all, nullopt for the video types that
// are refused (nothing may be sent for them), else one of "Sequencer", "waveaudio", "CDAudio",
// "MPEGVideo", "MPEGVideo2". The extension is the text after the last ".", compared in lower case.
std::optional<std::string_view> DeviceTypeFor(std::string_view path);

}  // namespace zuplay
