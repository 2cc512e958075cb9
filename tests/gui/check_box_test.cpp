// CheckBox and RadioButton: once-per-press toggling against level-triggered options, drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/gui.h"
#include "tests/gui/widget_test_support.h"

namespace gui::test {
namespace {

class CheckBoxTest : public WidgetTest {
  protected:
    std::vector<int> seenStates_;  // the State each event saw
    GUI gui_;
    CheckBox& box_ = *gui_.GetCheckBox(gui_.AddCheckBox(
        115, 9, "sound", [this](std::string_view) { seenStates_.push_back(box_.State); }));
};

TEST_F(CheckBoxTest, TogglesOncePerPressAndTheHandlerSeesTheNewState) {
    Press(120, 15);
    for (int frame = 0; frame < 3; ++frame) box_.Update();
    EXPECT_EQ(box_.State, 1);
    EXPECT_EQ(seenStates_, std::vector<int>{1});

    Release(120, 15);
    box_.Update();
    Press(120, 15);
    box_.Update();
    EXPECT_EQ(box_.State, 0);
    EXPECT_EQ(seenStates_, (std::vector<int>{1, 0}));
}

TEST_F(CheckBoxTest, PressThatBeganOutsideDoesNotToggleAndEdgesAreOutside) {
    Press(200, 200);
    box_.Update();
    Press(120, 15);
    box_.Update();
    EXPECT_EQ(box_.State, 0);

    for (const auto& [x, y] : {std::pair{115, 15}, {130, 15}, {120, 9}, {120, 24}}) {
        Release(x, y);
        box_.Update();
        Press(x, y);
        box_.Update();
    }
    EXPECT_EQ(box_.State, 0);
    Release(116, 10);
    box_.Update();
    Press(116, 10);
    box_.Update();
    EXPECT_EQ(box_.State, 1);

    box_.Hide();
    Release(120, 15);
    box_.Update();
    Press(120, 15);
    box_.Update();
    EXPECT_EQ(box_.State, 1);
}

TEST_F(CheckBoxTest, DrawsTheBoxForTheStateTheGameSetWithoutAnEvent) {
    Paint(0x123456);
    box_.Draw();
    EXPECT_EQ(At(115, 9), 0xAAAAAAu);   // outer frame
    EXPECT_EQ(At(116, 10), 0x666666u);  // shadow
    EXPECT_EQ(At(122, 16), 0xFFFFFFu);  // empty middle
    EXPECT_EQ(At(130, 24), 0x123456u);  // beyond 15 x 15

    box_.State = 1;
    box_.Draw();
    EXPECT_EQ(At(122, 16), 0x000000u);  // the cross
    EXPECT_EQ(At(118, 20), 0x000000u);
    EXPECT_TRUE(seenStates_.empty());

    Paint(0x123456);
    box_.State = 7;  // any other value draws nothing
    box_.Draw();
    EXPECT_EQ(CountOther(100, 0, 200, 50, 0x123456), 0);

    box_.Erase();  // 26 x 26 of black
    EXPECT_EQ(CountOther(115, 9, 140, 34, 0), 0);
    EXPECT_EQ(At(141, 20), 0x123456u);
}

class RadioButtonTest : public WidgetTest {
  protected:
    int events_ = 0;
    GUI gui_;
    RadioButton& radio_ =
        *gui_.GetRadioButton(gui_.AddRadioButton("group", [this](std::string_view id) {
            EXPECT_EQ(id, "group");
            ++events_;
        }));
};

TEST_F(RadioButtonTest, WithoutOptionsDrawsNothingAndNeverFires) {
    Paint(0x123456);
    Press(5, 5);
    radio_.Update();
    radio_.Draw();
    EXPECT_EQ(events_, 0);
    EXPECT_EQ(radio_.SelectedIndex, -1);
    EXPECT_EQ(CountOther(0, 0, 639, 479, 0x123456), 0);
}

TEST_F(RadioButtonTest, ChoosingAnOptionSelectsItAloneAndFiresWhileHeld) {
    radio_.AddOption(100, 100);
    radio_.AddOption(100, 120);
    radio_.AddOption(100, 140);
    Press(105, 105);
    radio_.Update();
    Press(105, 125);
    radio_.Update();
    radio_.Update();
    EXPECT_EQ(radio_.SelectedIndex, 1);
    EXPECT_EQ(events_, 3);
    EXPECT_EQ(radio_.Options[0].Selected, 0);
    EXPECT_EQ(radio_.Options[1].Selected, 1);
    EXPECT_EQ(radio_.Options[2].Selected, 0);

    Press(100, 145);  // on the left edge: outside
    radio_.Update();
    EXPECT_EQ(radio_.SelectedIndex, 1);

    Paint(0x123456);
    radio_.Draw();
    EXPECT_EQ(At(105, 125), 0x000000u);  // the selected dot
    EXPECT_EQ(At(105, 105), 0xFFFFFFu);  // an unselected option's white middle
    EXPECT_EQ(At(101, 105), 0x666666u);  // its grey ring
    radio_.Erase();  // a disc of radius 10 around each option's centre covers all it drew
    for (const RadioOption& o : radio_.Options) {
        for (int dy = -5; dy <= 5; ++dy) {
            for (int dx = -5; dx <= 5; ++dx) {
                if (dx * dx + dy * dy <= 25) {
                    EXPECT_EQ(At(o.X + 5 + dx, o.Y + 5 + dy), 0u);
                }
            }
        }
    }
    EXPECT_EQ(At(95, 98), 0x123456u);
}

}  // namespace
}  // namespace gui::test
