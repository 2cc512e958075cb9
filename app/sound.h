// The seam between the game and the sample-player library: the only three calls the game makes.
// The game's code plays and stops sounds through these functions; tests replace the calls with a
// recorder to check which aliases were opened, played and stopped, in order.
#pragma once

#include <functional>
#include <string_view>

namespace app {

struct SoundCalls {
    std::function<void(std::string_view file, std::string_view alias)> Open;
    std::function<void(std::string_view alias)> Play;  // from the start, cutting a play short
    std::function<void(std::string_view alias)> Stop;
};

// Replaces the calls; returns the previous ones so a test can put them back.
SoundCalls SetSoundCalls(SoundCalls calls);

void OpenSound(std::string_view file, std::string_view alias);
void PlaySound(std::string_view alias);
void StopSound(std::string_view alias);

}  // namespace app
