// The frame's events; see frame.h.
#include "world/frame.h"

namespace world {

namespace {
constexpr std::int8_t VariantCount = 5;
}

void FrameEvents::Play(world::Sound s, std::int8_t& counter) {
    // A counter outside 0..4 would name a variant that does not exist; start again at 0.
    if (counter < 0 || counter >= VariantCount) counter = 0;
    Sounds.push_back({s, counter});
    counter = static_cast<std::int8_t>(counter + 1 < VariantCount ? counter + 1 : 0);
}

}  // namespace world
