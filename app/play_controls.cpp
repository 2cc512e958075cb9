// The shell's controls; see play_controls.h.
#include "app/play_controls.h"

#include "presentation/gamepad.h"

namespace app {

void PlayControls::Read() {
    held_ = ReadControls(settings_.Extra);
    presses_.Update(held_);
    const bool active = presentation::IsWindowActive();
    focusLost_ = wasActive_ && !active;
    wasActive_ = active;
}

bool PlayControls::TakeConfirm() {
    if (!presses_.Pressed(Action::Confirm)) return false;
    presses_.SwallowConfirm();
    return true;
}

world::FrameInput PlayControls::ForWorld() {
    return WalkInput(presses_.ForWorld(held_), walk_, settings_.Walk);
}

bool PlayControls::UpdatePause() {
    if (presses_.Pressed(Action::Pause)) paused_ = !paused_;
    if (focusLost_ && settings_.PauseOnFocusLoss) paused_ = true;
    focusLost_ = false;
    return paused_;
}

}  // namespace app
