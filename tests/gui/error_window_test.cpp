// The error window's pieces on a memory screen: layout, the OK button and Escape, and the
// argument handling of ShowErrorWindow.
#include <gtest/gtest.h>

#include <string>

#include "gui/error_window.h"
#include "gui/gui.h"
#include "tests/gui/widget_test_support.h"

namespace gui::test {
namespace {

using ErrorWindowTest = WidgetTest;

TEST_F(ErrorWindowTest, ShowsTitleMessageAndOkButtonOnGrey) {
    presentation::SetColours(0xFFFFFF, 0xAAAAAA);
    GUI gui;
    const std::string message = "Could not open file 'lvl\\Level3.dat' " + std::string(60, 'x');
    BuildErrorWindow(gui, "ERROR", message);
    const TextBox& title = *gui.GetTextBox(1);
    const TextArea& area = *gui.GetTextArea(1);
    const Button& ok = *gui.GetButton(1);
    EXPECT_EQ(title.Text, "ERROR");
    EXPECT_EQ(title.Locked, 1);
    EXPECT_EQ(title.MaxLength, 76);
    EXPECT_EQ(area.Locked, 1);
    EXPECT_EQ(area.Text, message.substr(0, 76) + "\r" + message.substr(76));
    EXPECT_EQ(ok.ID, "end");
    EXPECT_EQ(ok.Width, 37);
    EXPECT_EQ(ok.Height, 17);

    ErrorWindowFrame(gui);
    EXPECT_EQ(At(5, 5), 0xAAAAAAu);
    EXPECT_EQ(At(600, 15), 0xDDDDDDu);  // the locked title field, up to x 622
    EXPECT_EQ(At(623, 15), 0xAAAAAAu);
    EXPECT_EQ(At(600, 300), 0xDDDDDDu);  // the locked message area, (10, 40)-(624, 446)
    EXPECT_EQ(At(308, 463), 0xCCCCCCu);  // the button's face
    EXPECT_EQ(At(300, 463), 0xAAAAAAu);
}

TEST_F(ErrorWindowTest, OkEndsWithZeroAndOtherIdsReturn) {
    GUI gui;
    BuildErrorWindow(gui, "", "");
    CloseErrorWindow("End");
    CloseErrorWindow("");
    Press(320, 463);
    EXPECT_EQ(EndStatus([&] { ErrorWindowFrame(gui); }), 0);
    EXPECT_EQ(EndStatus([] { CloseErrorWindow("end"); }), 0);
}

TEST_F(ErrorWindowTest, EscapeEndsTheWindowLoop) {
    pt::PressKey(presentation::scan::Escape);
    RunErrorWindow("title", "message");  // returns: the caller then ends with status 0
    SUCCEED();
}

TEST_F(ErrorWindowTest, OnlyAnExactErrorArgumentSelectsTheWindow) {
    const char* none[] = {"game"};
    const char* other[] = {"game", "error", "T", "M"};
    const char* later[] = {"game", "x", "ERROR"};
    ShowErrorWindow(1, 1, none);
    ShowErrorWindow(1, 4, other);
    ShowErrorWindow(1, 3, later);
    ShowErrorWindow(2147483647, 3, later);
    EXPECT_TRUE(presentation::IsScreenOpen());  // the memory screen was never replaced

    EXPECT_EQ(CommandArgument(0, 1, none), "game");
    EXPECT_EQ(CommandArgument(1, 1, none), "");
    EXPECT_EQ(CommandArgument(-1, 1, none), "");
    EXPECT_EQ(CommandArgument(3, 4, other), "M");
    EXPECT_EQ(CommandArgument(0, 0, nullptr), "");
}

}  // namespace
}  // namespace gui::test
