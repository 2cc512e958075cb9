// Label faces, and the ElementList / DropDown pop-up lists: geometry, opening and closing, rows
// acting once per click, the row limit and the length checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/gui.h"
#include "tests/gui/widget_test_support.h"

namespace gui::test {
namespace {

using LabelTest = WidgetTest;

TEST_F(LabelTest, FaceWidthComesFromTheTextGivenAtConstruction) {
    GUI gui;
    Label& label = *gui.GetLabel(gui.AddLabel(100, 50, "Levelcode: "));
    EXPECT_EQ(label.Length, 11);
    Paint(0x123456);
    label.Draw();
    EXPECT_EQ(At(100, 50), 0xAAAAAAu);  // outline corners at x .. x + 92, y .. y + 12
    EXPECT_EQ(At(192, 62), 0xAAAAAAu);
    EXPECT_EQ(At(193, 56), 0x123456u);
    EXPECT_EQ(At(100, 63), 0x123456u);
    EXPECT_EQ(At(150, 61), 0x666666u);                     // bottom shadow
    EXPECT_EQ(At(191, 55), 0x666666u);                     // right shadow
    EXPECT_EQ(At(101, 52), 0xDDDDDDu);                     // face
    EXPECT_GT(CountOther(103, 52, 190, 59, 0xDDDDDD), 0);  // text

    label.Text = "A much longer text";  // drawn on the old face
    label.Draw();
    EXPECT_EQ(At(200, 62), 0x123456u);
    label.Erase();
    EXPECT_EQ(CountOther(100, 50, 192, 62, 0), 0);
    label.Hide();
    Paint(0x123456);
    label.Draw();
    label.Erase();
    EXPECT_EQ(CountOther(0, 0, 639, 479, 0x123456), 0);
}

class ListTest : public WidgetTest {
  protected:
    std::vector<std::string> fired_;
    GUI gui_;
    ElementList& list_ = *gui_.GetElementList(gui_.AddElementList(
        100, 50, "Menu", 10, [this](std::string_view id) { fired_.emplace_back(id); }));

    void Click(int x, int y) {
        Press(x, y);
        list_.Update();
        Release(x, y);
        list_.Update();
    }
};

TEST_F(ListTest, BoxIsHitTwoPixelsBeyondItsDrawnRightEdge) {
    Paint(0x123456);
    list_.Draw();
    EXPECT_EQ(At(184, 62), 0xAAAAAAu);  // drawn (100, 50)-(184, 62)
    EXPECT_EQ(At(185, 55), 0x123456u);
    Click(186, 55);
    EXPECT_EQ(list_.Open, 0);
    Click(185, 55);
    EXPECT_EQ(list_.Open, 1);
    Click(185, 55);  // clicking the box again leaves it open
    EXPECT_EQ(list_.Open, 1);
}

TEST_F(ListTest, RowClickActsOnceAndClosesTheList) {
    EXPECT_EQ(list_.NewElement("New game", "new"), 0);
    EXPECT_EQ(list_.NewElement("Options", "options"), 1);
    EXPECT_EQ(list_.NewElement("Quit", "quit"), 2);
    Press(110, 80);  // a row while closed does nothing
    list_.Update();
    EXPECT_TRUE(fired_.empty());

    Click(120, 55);
    ASSERT_EQ(list_.Open, 1);
    Paint(0x123456);
    list_.Draw();
    EXPECT_EQ(At(150, 74), 0xAAAAAAu);  // row 1 spans y 74 .. 86
    EXPECT_EQ(At(150, 98), 0xAAAAAAu);  // row 2 ends at 98
    EXPECT_EQ(At(150, 100), 0x123456u);

    Click(120, 80);  // the middle of row 1
    EXPECT_EQ(fired_, std::vector<std::string>{"options"});
    EXPECT_EQ(list_.Open, 0);
    EXPECT_EQ(CountOther(100, 62, 184, 98, 0), 0);  // the rows were erased at once

    Click(120, 55);
    Click(120, 104);  // where a fourth row would be: only closes
    EXPECT_EQ(fired_.size(), 1u);
    EXPECT_EQ(list_.Open, 0);
}

TEST_F(ListTest, EleventhRowIsRefusedAndLengthsAreChecked) {
    for (int i = 0; i < 10; ++i) EXPECT_EQ(list_.NewElement("row", "id"), i);
    EXPECT_EQ(list_.NewElement("row", "id"), -1);
    EXPECT_EQ(list_.Count, 10);

    EXPECT_EQ(gui_.AddElementList(0, 0, "exactly 10", 10, nullptr), 2);
    ElementList& other = *gui_.GetElementList(2);
    EXPECT_EQ(other.NewElement("0123456789", "ok"), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(EndStatus([&] { other.NewElement("01234567890", "long"); }), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(message::ElementListRow) + "\n");
    EXPECT_EQ(other.Count, 1);

    testing::internal::CaptureStderr();
    EXPECT_EQ(EndStatus([&] { gui_.AddElementList(0, 0, "eleven char", 10, nullptr); }), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string(message::ElementListCaption) + "\n");
}

TEST_F(ListTest, DropDownTakesTheChosenRowAsItsCaption) {
    DropDown& drop = *gui_.GetDropDown(gui_.AddDropDown(300, 50, "abc", 3));
    EXPECT_EQ(drop.NewElement("one"), 0);
    EXPECT_EQ(drop.NewElement("two"), 1);
    Press(310, 55);
    drop.Update();
    EXPECT_EQ(drop.Open, 1);
    Press(310, 80);  // the second row spans y 74 .. 86
    drop.Update();
    EXPECT_EQ(drop.Caption, "two");
    EXPECT_EQ(drop.Open, 0);

    testing::internal::CaptureStderr();
    EXPECT_EQ(EndStatus([&] { drop.NewElement("four"); }), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(message::DropDownRow) + "\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(EndStatus([&] { gui_.AddDropDown(0, 0, "four", 3); }), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(message::DropDownCaption) + "\n");
}

}  // namespace
}  // namespace gui::test
