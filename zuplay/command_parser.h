// The command texts the multimedia layer understands, split into their words:
//   open FILE type TYPE alias A    play A from N    stop A    close A    pause A    resume A
//   put A destination              status A position          status A length
// Words are separated by exactly one space. The file name may be written between double quotes,
// and then holds spaces and bytes beyond ASCII (UTF-8 names); no other word may be quoted.
// Pure functions; any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zuplay {

// The layer's answers; 0 is success, as the platform's command interface has it.
enum class CommandError : int {
    None = 0,
    UnknownCommand = 1,  // the first word is no command
    MissingWords,        // fewer words than the command takes
    ExtraWords,          // more words than the command takes
    UnknownKeyword,      // "type", "alias", "from", ... missing from its place
    BadName,             // empty, too long, a byte that is not printable ASCII (outside a quoted
                         // file name), a quote, or a quote left open
    BadNumber,           // not a 32-bit decimal integer
    UnknownAlias,
    DuplicateAlias,
    UnsupportedType,  // a device type this build cannot play (CDAudio: no drive)
    UnknownType,
    FileNotFound,  // missing, or not a plain file
    InvalidFile,   // not a sound the decoder reads
    OutOfRange,    // a play position outside the sound
    NoResources,   // the audio device refused a voice or a buffer
};

enum class Verb { Open, Play, Stop, Close, Pause, Resume, Put, Status };
enum class StatusItem { Position, Length };

struct Command {
    Verb Action = Verb::Stop;
    std::string_view Alias;
    std::string_view File;                   // open only: the path as written (without its
                                             // quotes), backslashes kept
    std::string_view Type;                   // open only: may be empty
    std::int32_t From = 0;                   // play only: milliseconds
    StatusItem Item = StatusItem::Position;  // status only
};

struct ParsedCommand {
    CommandError Error = CommandError::None;
    Command Parsed;  // meaningful only without error
};

inline constexpr std::size_t kMaxAliasLength = 128;  // bytes
inline constexpr std::size_t kMaxFileLength = 4096;  // bytes: the file system's PATH_MAX

// The views in the result point into text.
ParsedCommand ParseCommand(std::string_view text);

}  // namespace zuplay
