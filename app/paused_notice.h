// The "PAUSED" notice drawn over the frame while play stands still. Game thread, inside a frame's
// LockScreen.
#pragma once

namespace app {

void DrawPausedNotice();

}  // namespace app
