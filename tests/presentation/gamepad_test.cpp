// Game controllers from synthetic controller events: buttons in the library's numbering, the left
// stick, pads plugged in and out, several at once.
#include <gtest/gtest.h>

#include "presentation/gamepad.h"
#include "presentation/gamepad_events.h"
#include "presentation/screen_state.h"
#include "presentation/window.h"
#include "presentation/screen_testing.h"

namespace presentation {
namespace {

using detail::PadEvent;
using detail::PadEventKind;

class GamepadTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::OpenMemoryScreen(64, 48); }
    void TearDown() override { CloseScreen(); }

    static void Send(const PadEvent& e) {
        std::lock_guard lock(detail::Current()->InputMutex);
        detail::ApplyPadEvent(detail::Current()->Input, e);
    }
};

TEST_F(GamepadTest, TheLibrarysButtonNumbersMapToTheGamesButtons) {
    // The standard controller layout's numbers: A B X Y Back Guide Start, then the sticks'
    // buttons and shoulders (9, 10) which the game leaves alone, then the D-pad.
    const PadButton expected[] = {PadButton::A,        PadButton::B,        PadButton::X,
                                  PadButton::Y,        PadButton::Back,     PadButton::Guide,
                                  PadButton::Start,    PadButton::Count,    PadButton::Count,
                                  PadButton::Count,    PadButton::Count,    PadButton::DpadUp,
                                  PadButton::DpadDown, PadButton::DpadLeft, PadButton::DpadRight};
    for (int code = 0; code < 15; ++code) EXPECT_EQ(detail::PadButtonOf(code), expected[code]);
    EXPECT_EQ(detail::PadButtonOf(-1), PadButton::Count);
    EXPECT_EQ(detail::PadButtonOf(200), PadButton::Count);
}

TEST_F(GamepadTest, PadsComeAndGoAndKeepTheirOwnButtonsAndSticks) {
    EXPECT_TRUE(ConnectedPads().empty());
    Send({PadEventKind::Added, 7});
    Send({PadEventKind::Added, 9});
    Send({PadEventKind::Added, 7});  // reported twice: still one pad
    Send({PadEventKind::ButtonDown, 7, 0});
    Send({PadEventKind::ButtonDown, 9, 14});
    Send({PadEventKind::Axis, 9, 1, -30000});  // left stick up
    Send({PadEventKind::Axis, 9, 3, 30000});   // the right stick is not read
    Send({PadEventKind::ButtonDown, 5, 0});    // no such pad: nothing happens
    auto pads = ConnectedPads();
    ASSERT_EQ(pads.size(), 2u);
    EXPECT_EQ(pads[0].Id, 7);
    EXPECT_TRUE(pads[0].IsHeld(PadButton::A));
    EXPECT_FALSE(pads[0].IsHeld(PadButton::DpadRight));
    EXPECT_TRUE(pads[1].IsHeld(PadButton::DpadRight));
    EXPECT_EQ(pads[1].StickY, -30000);
    EXPECT_EQ(pads[1].StickX, 0);

    Send({PadEventKind::ButtonUp, 7, 0});
    Send({PadEventKind::Removed, 9});
    pads = ConnectedPads();
    ASSERT_EQ(pads.size(), 1u);
    EXPECT_FALSE(pads[0].IsHeld(PadButton::A));

    CloseScreen();
    EXPECT_TRUE(ConnectedPads().empty());  // no screen, no pads
    EXPECT_FALSE(IsWindowActive());
}

TEST_F(GamepadTest, TheMemoryScreenTakesSyntheticPadsAndItsFocus) {
    PadState pad;
    pad.Id = 3;
    pad.Held[static_cast<int>(PadButton::Start)] = true;
    testing::SetPad(pad);
    pad.StickX = 20000;
    testing::SetPad(pad);  // replaced, not added
    ASSERT_EQ(ConnectedPads().size(), 1u);
    EXPECT_EQ(ConnectedPads()[0].StickX, 20000);
    testing::RemovePad(3);
    EXPECT_TRUE(ConnectedPads().empty());

    EXPECT_TRUE(IsWindowActive());
    testing::SetWindowActive(false);
    EXPECT_FALSE(IsWindowActive());
}

}  // namespace
}  // namespace presentation
