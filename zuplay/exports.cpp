// The nine exports: each builds its command text, sends it to the multimedia layer and turns
// the answer into the result. Any thread; the layer serialises.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "zuplay/command_sink.h"
#include "zuplay/device_type.h"
#include "zuplay/reply_number.h"
#include "zuplay/short_path.h"
#include "zuplay/zuplay.h"

namespace zuplay {

namespace {

constexpr std::int32_t kDone = -1;
constexpr std::int32_t kFailed = 0;
constexpr std::uint32_t kReplySize = 256;  // bytes of a status reply buffer, 255 usable

// A caller's text, or nothing when the record is missing or does not describe bytes.
std::optional<std::string_view> View(const ZuText* text) {
    if (text == nullptr || text->Length < 0 || (text->Length > 0 && text->Data == nullptr)) {
        return std::nullopt;
    }
    return std::string_view(text->Data, static_cast<std::size_t>(text->Length));
}

std::int32_t Send(const std::string& command) {
    return SendCommandString(command, nullptr, 0) == 0 ? kDone : kFailed;
}

// verb + alias + tail, e.g. "stop " + "dig0" + "".
std::int32_t SendForAlias(std::string_view verb, const ZuText* alias, std::string_view tail) {
    std::optional<std::string_view> name = View(alias);
    if (!name) return kFailed;
    std::string command(verb);
    command.append(*name).append(tail);
    return Send(command);
}

std::int32_t QueryNumber(const ZuText* alias, std::string_view item) {
    std::optional<std::string_view> name = View(alias);
    if (!name) return 0;
    std::string command("status ");
    command.append(*name).append(" ").append(item);
    char reply[kReplySize] = {};
    SendCommandString(command, reply, kReplySize - 1);  // a failure leaves the reply empty: 0
    return RoundToInt32(ReadReplyNumber(std::string_view(reply, std::strlen(reply))));
}

// The command text carries the name between double quotes, so a quote or a control byte in it
// could end the name early or break the command: such names are refused.
bool IsQuotable(std::string_view name) {
    return std::none_of(name.begin(), name.end(), [](char c) {
        auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || c == '"';
    });
}

// The name as the platform's short-path step gives it; empty when the file does not exist.
std::string ShortPath(std::string_view file) {
    std::uint32_t needed = GetShortPath(file, nullptr, 0);
    if (needed == 0) return {};
    std::string path(needed, '\0');
    std::uint32_t length = GetShortPath(file, path.data(), needed);
    path.resize(length < needed ? length : 0);
    return path;
}

std::int32_t OpenSample(const ZuText* fileName, const ZuText* alias) {
    std::optional<std::string_view> file = View(fileName);
    std::optional<std::string_view> name = View(alias);
    if (!file || !name || !IsQuotable(*file)) return kFailed;
    std::string path = ShortPath(*file);
    if (path.empty()) return kFailed;
    std::optional<std::string_view> type = DeviceTypeFor(path);
    if (!type) return kFailed;
    std::string command("open \"");
    command.append(path).append("\" type ").append(*type).append(" alias ").append(*name);
    return Send(command);
}

// No exception leaves the library: running out of memory is a failure like any other.
template <typename Call>
std::int32_t Guarded(Call call) noexcept {
    try {
        return call();
    } catch (...) {
        return kFailed;
    }
}

}  // namespace

}  // namespace zuplay

using zuplay::Guarded;

extern "C" {

ZUPLAY_API int32_t ZuOpenSample(const ZuText* fileName, const ZuText* alias) {
    return Guarded([&] { return zuplay::OpenSample(fileName, alias); });
}

ZUPLAY_API int32_t ZuPlaySample(const ZuText* alias) {
    return Guarded([&] { return zuplay::SendForAlias("play ", alias, " from 0"); });
}

ZUPLAY_API int32_t ZuPlaySampleFrom(const ZuText* alias, const int32_t* position) {
    if (position == nullptr) return zuplay::kFailed;
    return Guarded(
        [&] { return zuplay::SendForAlias("play ", alias, " from " + std::to_string(*position)); });
}

ZUPLAY_API int32_t ZuStopSample(const ZuText* alias) {
    return Guarded([&] { return zuplay::SendForAlias("stop ", alias, ""); });
}

ZUPLAY_API int32_t ZuCloseSample(const ZuText* alias) {
    return Guarded([&] { return zuplay::SendForAlias("close ", alias, ""); });
}

ZUPLAY_API int32_t ZUBREAKSAMPLE(const ZuText* alias) {
    return Guarded([&] { return zuplay::SendForAlias("pause ", alias, ""); });
}

ZUPLAY_API int32_t ZuResumeSample(const ZuText* alias) {
    return Guarded([&] {
        zuplay::SendForAlias("resume ", alias, "");  // its answer is not the result
        return zuplay::SendForAlias("put ", alias, " destination");
    });
}

ZUPLAY_API int32_t ZuSampleCurPos(const ZuText* alias) {
    return Guarded([&] { return zuplay::QueryNumber(alias, "position"); });
}

ZUPLAY_API int32_t ZuSampleLength(const ZuText* alias) {
    return Guarded([&] { return zuplay::QueryNumber(alias, "length"); });
}

}  // extern "C"
