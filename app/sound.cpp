// The sound seam: by default the calls go to the sample-player library's exports; tests swap in
// a recorder. Game thread only.
#include "app/sound.h"

#include <cstdint>
#include <limits>
#include <utility>

#include "zuplay/zuplay.h"

namespace app {

namespace {

// The library reads the text in place; a text too long to describe is passed as invalid, which
// the library refuses.
ZuText Text(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return ZuText{text.data(), -1};
    }
    return ZuText{text.data(), static_cast<std::int32_t>(text.size())};
}

// The game never looks at the results.
void OpenWithLibrary(std::string_view file, std::string_view alias) {
    ZuText fileText = Text(file);
    ZuText aliasText = Text(alias);
    ZuOpenSample(&fileText, &aliasText);
}

void PlayWithLibrary(std::string_view alias) {
    ZuText aliasText = Text(alias);
    ZuPlaySample(&aliasText);
}

void StopWithLibrary(std::string_view alias) {
    ZuText aliasText = Text(alias);
    ZuStopSample(&aliasText);
}

SoundCalls& Calls() {
    static SoundCalls calls{OpenWithLibrary, PlayWithLibrary, StopWithLibrary};
    return calls;
}

}  // namespace

SoundCalls SetSoundCalls(SoundCalls calls) {
    return std::exchange(Calls(), std::move(calls));
}

void OpenSound(std::string_view file, std::string_view alias) {
    if (Calls().Open) Calls().Open(file, alias);
}

void PlaySound(std::string_view alias) {
    if (Calls().Play) Calls().Play(alias);
}

void StopSound(std::string_view alias) {
    if (Calls().Stop) Calls().Stop(alias);
}

}  // namespace app
