// The world's input from the keyboard: which keys stand for which of the world's keys. Game
// thread (the screen's keyboard), or any thread for a given set of held keys (replays).
#pragma once

#include <functional>

#include "world/frame.h"

namespace app {

// W or Up, S or Down, A or Left, D or Right, Enter (give up), Space (TNT), by PC set-1 scan code.
// The respawn button is no key: it stays false.
world::FrameInput InputFromKeys(const std::function<bool(int scanCode)>& held);

// The same from the keys held on the screen now.
world::FrameInput ReadHeldKeys();

}  // namespace app
