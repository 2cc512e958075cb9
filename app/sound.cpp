#include "app/sound.h"

#include <utility>

namespace app {

namespace {

SoundCalls& Calls() {
    // Silent until the sample-player library is wired in.
    static SoundCalls calls{[](std::string_view, std::string_view) {}, [](std::string_view) {},
                            [](std::string_view) {}};
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
