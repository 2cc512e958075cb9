// Every control the shell reads, from the keyboard and from every connected pad, mapped in this
// one place; and the presses of the controls that act once per press (dialog buttons, pause).
// Game thread.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "presentation/gamepad.h"
#include "world/frame.h"

namespace app {

// What a control does in the game.
enum class Action : std::uint8_t {
    Up,
    Down,
    Left,
    Right,
    GiveUp,
    PlaceTnt,
    Confirm,
    Pause,
    Quit,
    Count
};
inline constexpr int ActionCount = static_cast<int>(Action::Count);

struct PadBinding {
    presentation::PadButton Button;
    Action Does;
};

// The pad's buttons: the D-pad walks as the arrow keys do, A places the TNT and presses a
// dialog's button, Back gives up, B held ends the game, Start pauses.
inline constexpr std::array<PadBinding, 9> DefaultPadBindings{{
    {presentation::PadButton::DpadUp, Action::Up},
    {presentation::PadButton::DpadDown, Action::Down},
    {presentation::PadButton::DpadLeft, Action::Left},
    {presentation::PadButton::DpadRight, Action::Right},
    {presentation::PadButton::A, Action::PlaceTnt},
    {presentation::PadButton::A, Action::Confirm},
    {presentation::PadButton::Back, Action::GiveUp},
    {presentation::PadButton::B, Action::Quit},
    {presentation::PadButton::Start, Action::Pause},
}};

// Extra keys and pad buttons from the settings file; the documented ones always work too.
struct Bindings {
    std::vector<std::pair<int, Action>> Keys;  // PC set-1 scan code
    std::vector<PadBinding> PadButtons;
};

// The controls held this frame.
struct HeldControls {
    std::array<bool, ActionCount> Held{};

    bool operator[](Action a) const { return Held[static_cast<int>(a)]; }
    // The world's keys: directions, give up, TNT (the respawn button is no control).
    world::FrameInput World() const;
};

// The documented keys (the world's keys of input.h, Enter or Space to confirm, P to pause,
// Escape to quit) and the extra bindings, from the given key test and pads.
HeldControls ControlsFrom(const std::function<bool(int scanCode)>& keyHeld,
                          const std::vector<presentation::PadState>& pads, const Bindings& extra);

// The same from the screen's keyboard and connected pads now.
HeldControls ReadControls(const Bindings& extra);

// Turns held controls into presses. A press of Confirm is swallowed from the world: the Enter,
// Space or pad A that pressed a dialog's button gives up or places TNT only after it is let go
// and pressed again.
class ControlPresses {
  public:
    // Call once a frame, on every screen, with the controls held in it.
    void Update(const HeldControls& now);
    bool Pressed(Action a) const { return pressed_[static_cast<int>(a)]; }
    // Confirm acted on: its keys stay away from the world until released.
    void SwallowConfirm() { swallowing_ = true; }
    // The world's input with swallowed keys taken out.
    world::FrameInput ForWorld(const HeldControls& now) const;

  private:
    std::array<bool, ActionCount> previous_{};
    std::array<bool, ActionCount> pressed_{};
    bool swallowing_ = false;
};

}  // namespace app
