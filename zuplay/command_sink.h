// Where the exports send their command texts: the process-wide multimedia layer, or a recorder a
// test puts in its place. Any thread.
#pragma once

#include <cstdint>
#include <string_view>

namespace zuplay {

class MultimediaLayer;

// The stand-in for the platform's command-string call: 0 for success, else an error code. The
// reply, when asked for, is a zero-terminated text of at most replySize - 1 bytes.
int SendCommandString(std::string_view command, char* reply, std::uint32_t replySize);

// The layer every alias of this process lives in; made at the first command (without opening
// any device yet) and torn down when the library is unloaded or the process ends.
MultimediaLayer& ProcessLayer();

// Tests: routes every command to sink(context, ...) instead of the layer; a null sink restores
// the layer. Not to be changed while other threads send.
using CommandSink = int (*)(void* context, std::string_view command, char* reply,
                            std::uint32_t replySize);
void SetCommandSink(CommandSink sink, void* context);

}  // namespace zuplay
