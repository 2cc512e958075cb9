// The one mapping of keys and pad buttons to the game's actions, from synthetic pad states, and
// the presses that act once (a dialog's button, pause) with a confirm kept from the world.
#include "app/controls.h"

#include <gtest/gtest.h>

#include <set>

#include "presentation/screen_services.h"

namespace app {
namespace {

using presentation::PadButton;
using presentation::PadState;
namespace scan = presentation::scan;

auto Keys(std::set<int> held) {
    return [held](int code) { return held.count(code) > 0; };
}

PadState Pad(std::initializer_list<PadButton> buttons, int x = 0, int y = 0) {
    PadState p;
    for (PadButton b : buttons) p.Held[static_cast<int>(b)] = true;
    p.StickX = x;
    p.StickY = y;
    return p;
}

std::set<Action> HeldActions(const HeldControls& c) {
    std::set<Action> out;
    for (int a = 0; a < ActionCount; ++a)
        if (c.Held[a]) out.insert(static_cast<Action>(a));
    return out;
}

TEST(Controls, EveryPadButtonDoesWhatItsKeyDoes) {
    const struct {
        PadButton Button;
        std::set<Action> Does;
    } cases[] = {
        {PadButton::DpadUp, {Action::Up}},
        {PadButton::DpadDown, {Action::Down}},
        {PadButton::DpadLeft, {Action::Left}},
        {PadButton::DpadRight, {Action::Right}},
        {PadButton::A, {Action::PlaceTnt, Action::Confirm}},
        {PadButton::Back, {Action::GiveUp}},
        {PadButton::B, {Action::Quit}},
        {PadButton::Start, {Action::Pause}},
        {PadButton::X, {}},
        {PadButton::Guide, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HeldActions(ControlsFrom(Keys({}), {Pad({c.Button})}, {})), c.Does);
    // The keys: Space is TNT and confirm, Enter gives up and confirms, P pauses, Escape quits.
    EXPECT_EQ(HeldActions(ControlsFrom(Keys({scan::Space}), {}, {})),
              (std::set{Action::PlaceTnt, Action::Confirm}));
    EXPECT_EQ(HeldActions(ControlsFrom(Keys({scan::Enter}), {}, {})),
              (std::set{Action::GiveUp, Action::Confirm}));
    EXPECT_EQ(HeldActions(ControlsFrom(Keys({25}), {}, {})), std::set{Action::Pause});
    EXPECT_EQ(HeldActions(ControlsFrom(Keys({scan::Escape}), {}, {})), std::set{Action::Quit});
}

TEST(Controls, TheWorldSeesTheSameKeysFromAPadAsFromTheKeyboard) {
    const world::FrameInput fromKeys =
        ControlsFrom(Keys({scan::Up, scan::Left, scan::Space}), {}, {}).World();
    const world::FrameInput fromPad =
        ControlsFrom(Keys({}), {Pad({PadButton::DpadUp, PadButton::DpadLeft, PadButton::A})}, {})
            .World();
    EXPECT_EQ(fromKeys, fromPad);
    EXPECT_TRUE(fromPad.Up && fromPad.Left && fromPad.PlaceTnt);
}

TEST(Controls, TheLeftStickWalksBeyondItsDeadZoneAndAnyPadPlays) {
    const int z = presentation::StickDeadZone;
    EXPECT_EQ(HeldActions(ControlsFrom(Keys({}), {Pad({}, z, -z)}, {})), std::set<Action>{});
    EXPECT_EQ(HeldActions(ControlsFrom(Keys({}), {Pad({}, -z - 1, z + 1)}, {})),
              (std::set{Action::Left, Action::Down}));
    EXPECT_EQ(HeldActions(ControlsFrom(Keys({}), {Pad({}, 32767, -32768)}, {})),
              (std::set{Action::Right, Action::Up}));
    const auto two = ControlsFrom(Keys({}), {Pad({}), Pad({PadButton::Back})}, {});
    EXPECT_EQ(HeldActions(two), std::set{Action::GiveUp});
}

TEST(Controls, ExtraBindingsAddToTheDocumentedOnes) {
    Bindings extra;
    extra.Keys.emplace_back(44, Action::PlaceTnt);  // Z
    extra.PadButtons.push_back({PadButton::Y, Action::Pause});
    EXPECT_TRUE(ControlsFrom(Keys({44}), {}, extra)[Action::PlaceTnt]);
    EXPECT_TRUE(ControlsFrom(Keys({scan::Space}), {}, extra)[Action::PlaceTnt]);
    EXPECT_TRUE(ControlsFrom(Keys({}), {Pad({PadButton::Y})}, extra)[Action::Pause]);
    EXPECT_TRUE(ControlsFrom(Keys({}), {Pad({PadButton::Start})}, extra)[Action::Pause]);
}

TEST(ControlPresses, APressIsTheFirstFrameHeldAndASwallowedConfirmStaysFromTheWorld) {
    ControlPresses presses;
    const auto enter = ControlsFrom(Keys({scan::Enter}), {}, {});
    const auto none = ControlsFrom(Keys({}), {}, {});
    presses.Update(enter);
    EXPECT_TRUE(presses.Pressed(Action::Confirm));
    EXPECT_TRUE(presses.ForWorld(enter).GiveUp);  // not acted on: the world gets it
    presses.SwallowConfirm();
    EXPECT_FALSE(presses.ForWorld(enter).GiveUp);
    presses.Update(enter);
    EXPECT_FALSE(presses.Pressed(Action::Confirm));  // still held: no new press
    EXPECT_FALSE(presses.ForWorld(enter).GiveUp);
    presses.Update(none);
    presses.Update(enter);
    EXPECT_TRUE(presses.Pressed(Action::Confirm));
    EXPECT_TRUE(presses.ForWorld(enter).GiveUp);  // let go and pressed again
}

}  // namespace
}  // namespace app
