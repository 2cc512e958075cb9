// The shell's controls frame by frame: what is held and pressed, the world's input (with the
// optional walk on a held key), the dialog buttons pressed from the keyboard or a pad, and pause.
// Game thread.
#pragma once

#include "app/controls.h"
#include "app/held_walk.h"
#include "app/settings.h"

namespace app {

class PlayControls {
  public:
    void Use(const Settings& settings) { settings_ = settings; }
    const Settings& Setup() const { return settings_; }

    // Reads the keyboard and the pads; call once at the start of every frame, on every screen.
    void Read();
    const HeldControls& Held() const { return held_; }
    bool Pressed(Action a) const { return presses_.Pressed(a); }

    // A dialog's button when Enter, Space or pad A was pressed this frame; the press is then kept
    // from the world until it is let go.
    bool TakeConfirm();

    // The world's input this frame: the held keys less a swallowed confirm, through the walk.
    world::FrameInput ForWorld();

    // Whether play stands still this frame: toggled by the pause key, and set when the window
    // loses the focus if the setting asks for it. Call once a frame of play.
    bool UpdatePause();
    bool Paused() const { return paused_; }

  private:
    Settings settings_;
    HeldControls held_;
    ControlPresses presses_;
    WalkState walk_;
    bool paused_ = false;
    bool wasActive_ = true;
    bool focusLost_ = false;  // the window lost the focus in this frame
};

}  // namespace app
