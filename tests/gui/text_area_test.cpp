// TextArea: hard line cuts of SetText, typing at the end within Columns and Rows, drawing line
// by line, locking and hovering.
#include <gtest/gtest.h>

#include <string>

#include "gui/gui.h"
#include "tests/gui/widget_test_support.h"

namespace gui::test {
namespace {

class TextAreaTest : public WidgetTest {
  protected:
    GUI gui_;

    static void Frame(TextArea& a) {
        a.Update();
        a.Draw();
    }
    static void Type(TextArea& a, std::string_view keys) {
        for (const char c : keys) {
            pt::TypeKey(std::string_view(&c, 1));
            Frame(a);
        }
    }
};

TEST_F(TextAreaTest, SetTextCutsLinesHardAtColumns) {
    TextArea& area = *gui_.GetTextArea(gui_.AddTextArea(10, 40, 76, 50));
    area.SetText(std::string(80, 'a'));
    EXPECT_EQ(area.Text, std::string(76, 'a') + "\r" + std::string(4, 'a'));
    area.SetText(std::string(76, 'b'));
    EXPECT_EQ(area.Text, std::string(76, 'b'));
    area.SetText("");
    EXPECT_EQ(area.Text, "");

    TextArea& narrow = *gui_.GetTextArea(gui_.AddTextArea(0, 0, 4, 3));
    narrow.SetText("ab\rcdefghij");  // a return inside a line ends it there
    EXPECT_EQ(narrow.Text, "ab\rcdef\rghij");
    narrow.SetText("abcd\refgh");  // the return right after a full line still gets a cut first
    EXPECT_EQ(narrow.Text, "abcd\r\refgh");

    narrow.Columns = 0;  // a width of nothing cannot loop forever: one character per line
    narrow.SetText("xyz");
    EXPECT_EQ(narrow.Text, "x\ry\rz");
}

TEST_F(TextAreaTest, TypingStaysWithinColumnsAndRows) {
    TextArea& area = *gui_.GetTextArea(gui_.AddTextArea(10, 10, 4, 2));
    Press(15, 15);
    Frame(area);
    Release(15, 15);
    ASSERT_EQ(area.Focused, 1);
    Type(area, "abcde");
    EXPECT_EQ(area.Text, "abcd");
    Type(area, "\r\r");  // Rows 2: one Enter is taken, the second ignored
    Type(area, "xyzzy");
    EXPECT_EQ(area.Text, "abcd\rxyzz");
    EXPECT_EQ(area.BreakCount, 1);
    EXPECT_EQ(area.LastLine, "xyzz");
    Type(area, "\b\b\b\b\b");
    EXPECT_EQ(area.Text, "abcd");
    Type(area, "\b");
    EXPECT_EQ(area.Text, "abc");
    Type(area, "\t");
    EXPECT_EQ(area.Text, "abc");
}

TEST_F(TextAreaTest, DrawsEachLineEightPixelsBelowTheLast) {
    TextArea& area = *gui_.GetTextArea(gui_.AddTextArea(10, 10, 10, 4));
    area.Text = "|\r\r|";
    area.BreakCount = 2;
    Paint(0x123456);
    area.Draw();
    EXPECT_EQ(At(10, 10), 0xAAAAAAu);  // (10, 10)-(96, 48)
    EXPECT_EQ(At(96, 48), 0xAAAAAAu);
    EXPECT_EQ(At(97, 30), 0x123456u);
    EXPECT_EQ(At(11, 30), 0x666666u);
    EXPECT_GT(CountOther(15, 15, 22, 22, 0xFFFFFF), 0);  // line 0 at y + 5
    EXPECT_EQ(CountOther(15, 23, 22, 30, 0xFFFFFF), 0);  // line 1 is empty
    EXPECT_GT(CountOther(15, 31, 22, 38, 0xFFFFFF), 0);  // line 2 at y + 21
    EXPECT_EQ(area.LastLine, "|");

    area.Text = "ab\r";
    area.BreakCount = 1;
    area.Draw();
    EXPECT_EQ(area.LastLine, "");
    area.Erase();
    EXPECT_EQ(CountOther(10, 10, 96, 48, 0), 0);
}

TEST_F(TextAreaTest, LockedAreaCanBeFocusedButTakesNoKeysAndIsNeverHovered) {
    TextArea& area = *gui_.GetTextArea(gui_.AddTextArea(10, 10, 10, 4));
    area.Lock();
    pt::TypeText("q");
    Press(20, 20);
    Frame(area);
    EXPECT_EQ(area.Focused, 1);
    EXPECT_EQ(area.Hovered, 0);
    pt::TypeText("r");
    Frame(area);
    EXPECT_EQ(area.Text, "");
    EXPECT_EQ(At(50, 30), 0xDDDDDDu);

    area.Hide();  // no Update at all while hidden
    Press(300, 300);
    area.Update();
    EXPECT_EQ(area.Focused, 1);
}

}  // namespace
}  // namespace gui::test
