// Held keys, the typed-key ring, the mouse, sleeping, the clock and the random sequence.
#include <gtest/gtest.h>

#include "presentation/screen_testing.h"
#include "presentation/window.h"

namespace presentation {
namespace {

class InputTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::OpenMemoryScreen(64, 48); }
    void TearDown() override { CloseScreen(); }
};

TEST_F(InputTest, HeldKeysReadAsMinusOneSoResultsCanBeOred) {
    testing::PressKey(scan::Left);
    EXPECT_EQ(IsKeyDown(scan::Left), -1);
    EXPECT_EQ(IsKeyDown(scan::Right), 0);
    EXPECT_EQ(IsKeyDown(scan::Left) | IsKeyDown(scan::Right), -1);
    EXPECT_EQ(IsKeyDown(-1), 0);
    EXPECT_EQ(IsKeyDown(128), 0);
    testing::ReleaseKey(scan::Left);
    EXPECT_EQ(IsKeyDown(scan::Left), 0);
}

TEST_F(InputTest, TypedKeysComeOutOldestFirstInTheirEncodings) {
    EXPECT_EQ(ReadKey(), "");
    testing::TypeKey("a");
    testing::TypeKey("\xFFH");  // Up
    testing::TypeKey("\x08");
    EXPECT_EQ(ReadKey(), "a");
    EXPECT_EQ(ReadKey(), std::string("\xFF") + "H");
    EXPECT_EQ(ReadKey(), "\x08");
    EXPECT_EQ(ReadKey(), "");
}

TEST_F(InputTest, PeekingLeavesTheOldestKeyForTheNextRead) {
    EXPECT_EQ(PeekKey(), "");
    testing::TypeKey("\x13");  // Ctrl+S
    testing::TypeKey("s");
    EXPECT_EQ(PeekKey(), "\x13");
    EXPECT_EQ(PeekKey(), "\x13");
    EXPECT_EQ(ReadKey(), "\x13");
    EXPECT_EQ(PeekKey(), "s");
    EXPECT_EQ(ReadKey(), "s");
    EXPECT_EQ(PeekKey(), "");
}

TEST_F(InputTest, AFullRingKeepsTheLastFifteenKeys) {
    for (char c = 'a'; c < 'a' + 20; ++c) testing::TypeKey(std::string(1, c));
    std::string read;
    for (std::string key; !(key = ReadKey()).empty();) read += key;
    EXPECT_EQ(read, "fghijklmnopqrst");
}

TEST_F(InputTest, MouseReadsMinusOneOutsideOrWhileInactive) {
    auto allMinusOne = [](const MouseState& m) {
        return m.X == -1 && m.Y == -1 && m.Wheel == -1 && m.Buttons == -1 && m.Clip == -1;
    };
    EXPECT_TRUE(allMinusOne(GetMouse()));  // the pointer starts outside
    testing::SetMouse(10, 20, 1, 3);
    const MouseState m = GetMouse();
    EXPECT_EQ(m.X, 10);
    EXPECT_EQ(m.Y, 20);
    EXPECT_EQ(m.Buttons, 1);
    EXPECT_EQ(m.Wheel, 3);
    EXPECT_EQ(m.Clip, 0);
    testing::SetPointerInside(false);
    EXPECT_TRUE(allMinusOne(GetMouse()));
    testing::SetPointerInside(true);
    testing::SetWindowActive(false);
    EXPECT_TRUE(allMinusOne(GetMouse()));
}

TEST_F(InputTest, ActivationChangesReleaseKeysAndButtons) {
    testing::PressKey(scan::Space);
    testing::SetMouse(5, 5, 1);
    testing::SetWindowActive(false);
    testing::SetWindowActive(true);
    EXPECT_EQ(IsKeyDown(scan::Space), 0);
    EXPECT_EQ(GetMouse().Buttons, 0);
    SetMouseVisible(0);
    EXPECT_FALSE(testing::MouseVisible());
    SetMouseVisible(1);
    EXPECT_TRUE(testing::MouseVisible());
}

TEST_F(InputTest, SleepModesAndTheirKeyChecks) {
    const double start = TimerSeconds();
    SleepMs(500, 1);  // mode 1 ignores typed keys
    EXPECT_DOUBLE_EQ(testing::SleptMilliseconds(), 500);
    SleepMs(500, 7);  // unknown modes do not sleep
    EXPECT_DOUBLE_EQ(testing::SleptMilliseconds(), 500);
    EXPECT_NEAR(TimerSeconds() - start, 0.5, 1e-9);

    // Mode 0 ends within a 50 ms step of a key being typed.
    int polls = 0;
    testing::SetIdleHook([&] {
        if (++polls == 3) testing::TypeKey("x");
    });
    SleepMs(500, 0);
    EXPECT_LE(testing::SleptMilliseconds() - 500, 200);
    EXPECT_EQ(ReadKey(), "x");  // the sleep's check clears the flag, not the key

    polls = 0;
    SleepMs(-1, 0);  // waits for the next typed key
    EXPECT_EQ(polls, 3);
    SleepMs(50, 0);  // short sleeps are slept whole
    testing::SetIdleHook(nullptr);
    SleepMs(-1, 0);  // with nobody to type, the memory screen does not block
}

TEST_F(InputTest, WaitKeyReturnsTheFirstCharacterCode) {
    testing::SetIdleHook([] { testing::TypeKey("\xFFK"); });
    EXPECT_EQ(WaitKey(), 255);
    EXPECT_EQ(ReadKey(), "");  // the whole two-character key was taken
    testing::SetIdleHook(nullptr);
    testing::TypeKey("q");
    EXPECT_EQ(WaitKey(), 'q');
}

TEST(ScanCodes, WindowKeysMapToSetOneCodes) {
    // The windowing library numbers keys by USB usage: A 4, Enter 40, Escape 41, Space 44,
    // Right 79, Left 80, Down 81, Up 82, keypad 4/8 are 92/96.
    EXPECT_EQ(detail::SetOneScanCode(4), scan::A);
    EXPECT_EQ(detail::SetOneScanCode(26), scan::W);
    EXPECT_EQ(detail::SetOneScanCode(40), scan::Enter);
    EXPECT_EQ(detail::SetOneScanCode(41), scan::Escape);
    EXPECT_EQ(detail::SetOneScanCode(44), scan::Space);
    EXPECT_EQ(detail::SetOneScanCode(79), scan::Right);
    EXPECT_EQ(detail::SetOneScanCode(80), scan::Left);
    EXPECT_EQ(detail::SetOneScanCode(81), scan::Down);
    EXPECT_EQ(detail::SetOneScanCode(82), scan::Up);
    EXPECT_EQ(detail::SetOneScanCode(92), scan::Left);  // the numeric pad's arrows share codes
    EXPECT_EQ(detail::SetOneScanCode(96), scan::Up);
    EXPECT_EQ(detail::SetOneScanCode(42), scan::Backspace);
    EXPECT_EQ(detail::SetOneScanCode(0), 0);
}

TEST_F(InputTest, TheCloseRequestTypesTheCloseKeyAndEndsWhatEscapeEnds) {
    EXPECT_FALSE(QuitRequested());
    testing::PressKey(scan::Escape);
    EXPECT_TRUE(QuitRequested());
    EXPECT_FALSE(CloseRequested());
    testing::ReleaseKey(scan::Escape);
    testing::RequestClose();
    EXPECT_EQ(ReadKey(), std::string("\xFF") + "k");
    EXPECT_TRUE(CloseRequested());  // taking the key leaves the request
    EXPECT_TRUE(QuitRequested());
    OpenScreen(0, 0, 32);  // a failed open keeps the screen
    EXPECT_TRUE(CloseRequested());
    testing::OpenMemoryScreen(64, 48);
    EXPECT_FALSE(CloseRequested());  // a new screen starts without one
}

TEST(ClosedScreen, OperationsWithoutAScreenDoNothing) {
    CloseScreen();
    EXPECT_FALSE(IsScreenOpen());
    EXPECT_EQ(CreateImage(4, 4), nullptr);
    EXPECT_EQ(IsKeyDown(scan::Escape), 0);
    EXPECT_EQ(GetMouse().X, -1);
    EXPECT_EQ(ReadKey(), "");
    DrawText(Screen, 0, 0, "x", 0);
    LockScreen();
    UnlockScreen();
    EXPECT_FALSE(OpenScreen(0, 10, 32));
    EXPECT_FALSE(OpenScreen(10, 10, 3));
}

}  // namespace
}  // namespace presentation
