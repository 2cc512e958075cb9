// The "PAUSED" notice; see paused_notice.h.
#include "app/paused_notice.h"

#include "presentation/screen_services.h"

namespace app {

void DrawPausedNotice() {
    using presentation::LineKind;
    constexpr int Left = 480, Top = 372, Width = 64, Height = 24;  // the middle of the screen
    presentation::DrawLine(presentation::Screen, Left, Top, Left + Width - 1, Top + Height - 1,
                           0x000000, LineKind::FilledBox);
    presentation::DrawLine(presentation::Screen, Left, Top, Left + Width - 1, Top + Height - 1,
                           0xFFFFFF, LineKind::Box);
    presentation::DrawText(presentation::Screen, Left + 8, Top + 8, "PAUSED", 0xFFFFFF);
}

}  // namespace app
