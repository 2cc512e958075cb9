// The process-wide multimedia layer and the test hook in front of it. Any thread.
#include "zuplay/command_sink.h"

#include <atomic>

#include "zuplay/multimedia_layer.h"

namespace zuplay {

namespace {

std::atomic<CommandSink> sinkFunction{nullptr};
std::atomic<void*> sinkContext{nullptr};

}  // namespace

MultimediaLayer& ProcessLayer() {
    // Destroyed by the C++ run-time's exit handlers when the process ends or the library is
    // unloaded: stops the library's threads and closes every alias and the device.
    static MultimediaLayer layer(DeviceChoice::Automatic);
    return layer;
}

int SendCommandString(std::string_view command, char* reply, std::uint32_t replySize) {
    if (CommandSink sink = sinkFunction.load())
        return sink(sinkContext.load(), command, reply, replySize);
    return ProcessLayer().Send(command, reply, replySize);
}

void SetCommandSink(CommandSink sink, void* context) {
    sinkContext.store(context);
    sinkFunction.store(sink);
}

}  // namespace zuplay
