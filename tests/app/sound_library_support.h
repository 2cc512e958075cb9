// Test support: the sound seam wired to the real sample-player library, for tests that want the
// library itself (its decoding, its silent fallback device) behind the game's sounds.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/sound.h"
#include "zuplay/zuplay.h"

namespace app::test {

inline ZuText LibraryText(std::string_view s) {
    return ZuText{s.data(), static_cast<std::int32_t>(s.size())};
}

inline SoundCalls LibraryCalls() {
    return {[](std::string_view file, std::string_view alias) {
                const ZuText f = LibraryText(file), a = LibraryText(alias);
                ZuOpenSample(&f, &a);
            },
            [](std::string_view alias) {
                const ZuText a = LibraryText(alias);
                ZuPlaySample(&a);
            },
            [](std::string_view alias) {
                const ZuText a = LibraryText(alias);
                ZuStopSample(&a);
            }};
}

}  // namespace app::test
