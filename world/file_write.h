// Writing a whole file so that a failure loses nothing: the text goes to a temporary file beside
// the target, which is then renamed over it. A reader sees the old file or the new one, never half
// of either. Any thread.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace world {

// False, with the file and the reason in `error` ("cannot write /a/b.dat: Permission denied"),
// when the text could not be written whole; the old file is then untouched and no temporary file
// is left behind.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text,
                         std::string* error = nullptr);

}  // namespace world
