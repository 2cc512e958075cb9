// The controls of the keyboard and the pads; see controls.h.
#include "app/controls.h"

#include "app/input.h"
#include "presentation/screen_services.h"

namespace app {

namespace {

constexpr int PScanCode = 25;

void Hold(HeldControls& c, Action a) {
    c.Held[static_cast<int>(a)] = true;
}

void ReadKeyboard(HeldControls& c, const std::function<bool(int)>& held) {
    namespace scan = presentation::scan;
    const world::FrameInput keys = InputFromKeys(held);
    c.Held[static_cast<int>(Action::Up)] = keys.Up;
    c.Held[static_cast<int>(Action::Down)] = keys.Down;
    c.Held[static_cast<int>(Action::Left)] = keys.Left;
    c.Held[static_cast<int>(Action::Right)] = keys.Right;
    c.Held[static_cast<int>(Action::GiveUp)] = keys.GiveUp;
    c.Held[static_cast<int>(Action::PlaceTnt)] = keys.PlaceTnt;
    if (held(scan::Enter) || held(scan::Space)) Hold(c, Action::Confirm);
    if (held(PScanCode)) Hold(c, Action::Pause);
    if (held(scan::Escape)) Hold(c, Action::Quit);
}

// The left stick counts as the D-pad once it is pushed past the dead zone.
void ReadStick(HeldControls& c, const presentation::PadState& pad) {
    if (pad.StickX < -presentation::StickDeadZone) Hold(c, Action::Left);
    if (pad.StickX > presentation::StickDeadZone) Hold(c, Action::Right);
    if (pad.StickY < -presentation::StickDeadZone) Hold(c, Action::Up);
    if (pad.StickY > presentation::StickDeadZone) Hold(c, Action::Down);
}

}  // namespace

world::FrameInput HeldControls::World() const {
    world::FrameInput in;
    in.Up = (*this)[Action::Up];
    in.Down = (*this)[Action::Down];
    in.Left = (*this)[Action::Left];
    in.Right = (*this)[Action::Right];
    in.GiveUp = (*this)[Action::GiveUp];
    in.PlaceTnt = (*this)[Action::PlaceTnt];
    return in;
}

HeldControls ControlsFrom(const std::function<bool(int)>& keyHeld,
                          const std::vector<presentation::PadState>& pads, const Bindings& extra) {
    HeldControls c;
    ReadKeyboard(c, keyHeld);
    for (const auto& [code, action] : extra.Keys)
        if (keyHeld(code)) Hold(c, action);
    for (const presentation::PadState& pad : pads) {
        for (const PadBinding& b : DefaultPadBindings)
            if (pad.IsHeld(b.Button)) Hold(c, b.Does);
        for (const PadBinding& b : extra.PadButtons)
            if (pad.IsHeld(b.Button)) Hold(c, b.Does);
        ReadStick(c, pad);
    }
    return c;
}

HeldControls ReadControls(const Bindings& extra) {
    return ControlsFrom([](int code) { return presentation::IsKeyDown(code) != 0; },
                        presentation::ConnectedPads(), extra);
}

void ControlPresses::Update(const HeldControls& now) {
    for (int a = 0; a < ActionCount; ++a) {
        pressed_[a] = now.Held[a] && !previous_[a];
        previous_[a] = now.Held[a];
    }
    if (!now[Action::Confirm]) swallowing_ = false;
}

world::FrameInput ControlPresses::ForWorld(const HeldControls& now) const {
    world::FrameInput in = now.World();
    if (swallowing_) {
        in.GiveUp = false;
        in.PlaceTnt = false;
    }
    return in;
}

}  // namespace app
