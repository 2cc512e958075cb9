// The one-line text fields: focus, typing limits, the caret by keys and by mouse, the scroll
// window, stars, blinking, locking and the key-buffer drain.
#include <gtest/gtest.h>

#include <string>

#include "gui/gui.h"
#include "tests/gui/widget_test_support.h"

namespace gui::test {
namespace {

class TextFieldTest : public WidgetTest {
  protected:
    GUI gui_;

    // Focuses the field with a click at its left end (the click also drains the key buffer).
    static void Focus(TextField& f) {
        Press(f.X + 2, f.Y + 2);
        f.Update();
        Release(f.X + 2, f.Y + 2);
        f.Update();
        ASSERT_EQ(f.Focused, 1);
    }
    // One Update per typed key.
    static void Type(TextField& f, std::string_view keys) {
        for (const char c : keys) {
            pt::TypeKey(std::string_view(&c, 1));
            f.Update();
        }
    }
    static void Tap(TextField& f, int scanCode) {
        pt::PressKey(scanCode);
        f.Update();
        pt::ReleaseKey(scanCode);
        f.Update();
    }
};

TEST_F(TextFieldTest, PressInsideFocusesAndPressOutsideOrEnterUnfocuses) {
    TextBox& box = *gui_.GetTextBox(gui_.AddTextBox(535, 350, 6));
    Paint(0x123456);
    box.Draw();
    EXPECT_EQ(At(535, 350), 0xAAAAAAu);  // drawn (535, 350)-(587, 362)
    EXPECT_EQ(At(587, 362), 0xAAAAAAu);
    EXPECT_EQ(At(588, 356), 0x123456u);
    EXPECT_EQ(At(540, 351), 0x666666u);  // sunken: shadow at the top

    Press(536, 351);
    box.Update();
    EXPECT_EQ(box.Focused, 1);
    EXPECT_EQ(box.Hovered, 1);
    Press(589, 351);  // the hit area reaches x + 8 * 6 + 5 = 588
    box.Update();
    EXPECT_EQ(box.Focused, 0);
    EXPECT_EQ(box.Hovered, 0);

    Focus(box);
    pt::TypeKey("\r");
    box.Update();
    EXPECT_EQ(box.Focused, 0);
}

TEST_F(TextFieldTest, TypingStopsAtMaxLengthAndBackspaceRemovesBeforeTheCaret) {
    TextBox& box = *gui_.GetTextBox(gui_.AddTextBox(10, 10, 6));
    Focus(box);
    Type(box, "abcdefg");
    EXPECT_EQ(box.Text, "abcdef");
    EXPECT_EQ(box.Caret, 6);
    Type(box, "\b");
    EXPECT_EQ(box.Text, "abcde");
    EXPECT_EQ(box.Caret, 5);

    box.Caret = 0;
    Type(box, "\b");
    EXPECT_EQ(box.Text, "abcde");
    EXPECT_EQ(box.Caret, 0);

    pt::TypeKey(
        "\xFF"
        "H");  // an extended key (Up) and a control character change nothing
    box.Update();
    Type(box, "\t");
    EXPECT_EQ(box.Text, "abcde");
    EXPECT_EQ(box.Caret, 0);
}

TEST_F(TextFieldTest, ArrowMovesTheCaretOncePerPressAndTypingInsertsThere) {
    TextBox& box = *gui_.GetTextBox(gui_.AddTextBox(10, 10, 6, "abc"));
    Focus(box);
    box.Caret = 3;
    pt::PressKey(presentation::scan::Left);
    for (int frame = 0; frame < 5; ++frame) box.Update();
    EXPECT_EQ(box.Caret, 2);
    pt::ReleaseKey(presentation::scan::Left);
    Type(box, "X");
    EXPECT_EQ(box.Text, "abXc");
    EXPECT_EQ(box.Caret, 3);

    Tap(box, presentation::scan::Right);
    Tap(box, presentation::scan::Right);  // stops at the end
    EXPECT_EQ(box.Caret, 4);
    for (int i = 0; i < 6; ++i) Tap(box, presentation::scan::Left);
    EXPECT_EQ(box.Caret, 0);
}

TEST_F(TextFieldTest, MousePutsTheCaretAtTheNearestCellWithHalvesToEven) {
    TextBox& box = *gui_.GetTextBox(gui_.AddTextBox(100, 100, 10, "abcdef"));
    Mouse(150, 105);  // hovered first: the caret follows presses only in a hovered field
    box.Update();
    const struct { int dx, caret; } cases[] = {{13, 2}, {21, 2}, {5, 0}, {29, 4}, {12, 1}, {60, 6}};
    for (const auto& c : cases) {
        Press(100 + c.dx, 105);
        box.Update();
        EXPECT_EQ(box.Caret, c.caret) << "x + " << c.dx;
    }

    // A press that lands left of the field while it is still marked hovered keeps the caret in
    // the text instead of making it negative.
    Press(90, 105);
    box.Update();
    EXPECT_EQ(box.Caret, 0);
    EXPECT_EQ(box.Focused, 0);
}

TEST_F(TextFieldTest, PasswordBoxShowsOneStarPerCharacter) {
    PasswordBox& secret = *gui_.GetPasswordBox(gui_.AddPasswordBox(10, 10, 8));
    TextBox& plain = *gui_.GetTextBox(gui_.AddTextBox(10, 40, 8, "******"));
    EXPECT_EQ(secret.Kind, FieldKind::Password);
    Focus(secret);
    Type(secret, "hunter2!x");
    EXPECT_EQ(secret.Text, "hunter2!");
    secret.Text = "secret";
    secret.Focused = 0;
    secret.Draw();
    plain.Draw();
    for (int y = 0; y <= 12; ++y) {
        for (int x = 0; x <= 68; ++x) ASSERT_EQ(At(10 + x, 10 + y), At(10 + x, 40 + y));
    }
}

TEST_F(TextFieldTest, ScrollTextBoxShowsItsLastCharactersAndKeepsTheCaretInView) {
    ScrollTextBox& scroll = *gui_.GetScrollTextBox(gui_.AddScrollTextBox(10, 10, 4));
    TextBox& tail = *gui_.GetTextBox(gui_.AddTextBox(10, 40, 4, "defg"));
    Focus(scroll);
    Type(scroll, "abcdefg");  // no limit on the length
    EXPECT_EQ(scroll.Text, "abcdefg");
    EXPECT_EQ(scroll.Caret, 7);
    for (int i = 0; i < 6; ++i) Tap(scroll, presentation::scan::Left);
    EXPECT_EQ(scroll.Caret, 3);

    scroll.Focused = 0;
    scroll.Draw();
    tail.Draw();
    for (int y = 0; y <= 12; ++y) {
        for (int x = 0; x <= 36; ++x) ASSERT_EQ(At(10 + x, 10 + y), At(10 + x, 40 + y));
    }

    // The mouse counts cells from the start of the visible window.
    Mouse(20, 15);
    scroll.Update();
    Press(10 + 1 + 8 + 4, 15);  // 1.5 cells in: floor gives 1
    scroll.Update();
    EXPECT_EQ(scroll.Caret, 4);
}

TEST_F(TextFieldTest, CaretBlinksForThirtyNineOfEveryEightyUpdates) {
    TextBox& box = *gui_.GetTextBox(gui_.AddTextBox(10, 10, 6));
    Focus(box);  // two Updates
    int shown = 0;
    for (int frame = 0; frame < 80; ++frame) {
        box.Update();
        box.Draw();
        const bool on = At(12, 15) == 0x000000u;  // cx = X + 8 * Caret + 2
        EXPECT_EQ(on, box.BlinkCounter > 0 && box.BlinkCounter < 40) << int{box.BlinkCounter};
        shown += on;
    }
    EXPECT_EQ(shown, 39);
}

TEST_F(TextFieldTest, LockedFieldIgnoresEverythingAndIsGrey) {
    TextBox& box = *gui_.GetTextBox(gui_.AddTextBox(10, 10, 6, "ab"));
    box.Lock();
    Press(20, 15);
    pt::TypeKey("x");
    box.Update();
    EXPECT_EQ(box.Focused, 0);
    EXPECT_EQ(box.BlinkCounter, 0);
    box.Draw();
    EXPECT_EQ(At(60, 15), 0xDDDDDDu);
    box.Unlock();
    box.Update();
    EXPECT_EQ(box.Focused, 1);
    EXPECT_EQ(presentation::ReadKey(), "");  // focusing drained the buffer
}

TEST_F(TextFieldTest, FocusDrainsKeysUpToAnExtendedKeyAndHiddenFocusedFieldsStillType) {
    TextBox& box = *gui_.GetTextBox(gui_.AddTextBox(10, 10, 6));
    pt::TypeText("ab");
    pt::TypeKey(
        "\xFF"
        "K");
    pt::TypeText("cd");
    Press(20, 15);
    box.Update();
    EXPECT_EQ(box.Text, "c");  // "ab" and Left were drained; the next key was typed
    Release(20, 15);
    box.Hide();
    box.Update();
    EXPECT_EQ(box.Text, "cd");
    Paint(0x123456);
    box.Draw();
    box.Erase();
    EXPECT_EQ(CountOther(0, 0, 639, 479, 0x123456), 0);
}

}  // namespace
}  // namespace gui::test
