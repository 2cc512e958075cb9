// Button: the strict hit rectangle from the down picture, level-triggered events, the three
// construction forms, drawing and the missing-file message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/gui.h"
#include "tests/gui/widget_test_support.h"

namespace gui::test {
namespace {

class ButtonTest : public WidgetTest {
  protected:
    std::vector<std::string> fired_;
    Event Record() {
        return [this](std::string_view id) { fired_.emplace_back(id); };
    }
};

TEST_F(ButtonTest, HitRectangleIsStrictlyInsideTheDownPicture) {
    const std::string up = WriteBitmap("btn_up.bmp", 50, 20, 0x00FF00);
    const std::string down = WriteBitmap("btn_down.bmp", 100, 40, 0x0000FF);
    GUI gui;
    Button& b = *gui.GetButton(gui.AddButton(416, 360, up, down, "go", Record()));
    EXPECT_EQ(b.Width, 100);
    EXPECT_EQ(b.Height, 40);

    const struct {
        int x, y;
        bool inside;
    } points[] = {{417, 361, true},  {416, 361, false}, {516, 361, false}, {515, 399, true},
                  {515, 400, false}, {417, 360, false}, {-1, -1, false}};
    for (const auto& p : points) {
        Mouse(p.x, p.y);
        b.Update();
        EXPECT_EQ(b.Hovered, p.inside ? 1 : 0) << p.x << "," << p.y;
    }
    pt::SetPointerInside(false);  // outside the window every mouse value reads -1
    b.Update();
    EXPECT_EQ(b.Hovered, 0);
}

TEST_F(ButtonTest, FiresOnEveryUpdateWhileTheLeftButtonAloneIsHeld) {
    GUI gui;
    Button& b = *gui.GetButton(gui.AddTextButton(" OK ", 100, 100, "ok", Record()));
    Press(110, 108);
    for (int frame = 0; frame < 3; ++frame) b.Update();
    EXPECT_EQ(fired_.size(), 3u);

    fired_.clear();
    Mouse(110, 108, 1 | 2);  // left and right together is not a press
    b.Update();
    Mouse(110, 108, 2);
    b.Update();
    EXPECT_TRUE(fired_.empty());

    Press(50, 50);  // pressed outside, then moved in: fires too
    b.Update();
    Press(110, 108);
    b.Update();
    ASSERT_EQ(fired_.size(), 1u);
    EXPECT_EQ(fired_[0], "ok");

    fired_.clear();
    b.Hide();
    b.Update();
    EXPECT_TRUE(fired_.empty());
}

TEST_F(ButtonTest, CaptionButtonIsPaintedGreyWithEdgesAndText) {
    GUI gui;
    Button& b = *gui.GetButton(gui.AddTextButton(" OK ", 304, 455, "end", Record()));
    EXPECT_EQ(b.Width, 37);
    EXPECT_EQ(b.Height, 17);
    EXPECT_EQ(b.Caption, " OK ");
    ASSERT_TRUE(b.UpImage);
    EXPECT_EQ(b.DownImage, nullptr);
    b.Draw();
    EXPECT_EQ(At(304, 455), 0xDDDDDDu);                      // outer frame corner
    EXPECT_EQ(At(305, 456), 0xFFFFFFu);                      // light top edge
    EXPECT_EQ(At(308, 463), 0xCCCCCCu);                      // face (inside the leading space)
    EXPECT_EQ(At(339, 469), 0x666666u);                      // bottom shadow
    EXPECT_EQ(At(339, 460), 0x666666u);                      // right shadow
    EXPECT_EQ(At(340, 471), 0xDDDDDDu);                      // frame's far corner
    EXPECT_GT(CountOther(315, 460, 330, 467, 0xCCCCCC), 0);  // the letters O and K
    // Every pixel is painted: no red fill shows anywhere.
    EXPECT_EQ(CountOther(304, 455, 340, 471, 0xFF0000), 37 * 17);
}

TEST_F(ButtonTest, DownPictureIsDrawnOverTheUpPictureWhileHovered) {
    const std::string up = WriteBitmap("btn_up2.bmp", 40, 20, 0x00FF00);
    const std::string down = WriteBitmap("btn_down2.bmp", 40, 20, 0x0000FF, /*topDown=*/true);
    GUI gui;
    Button& b = *gui.GetButton(gui.AddButton(10, 10, up, down, "b", Record()));
    EXPECT_EQ(b.Height, 20);  // a top-down file's negative height is its size
    b.Draw();
    EXPECT_EQ(At(20, 20), 0x00FF00u);
    Mouse(20, 20);
    b.Update();
    b.Draw();
    EXPECT_EQ(At(20, 20), 0x0000FFu);

    b.Hide();  // Erase works on a hidden button too: (X, Y)-(X + Width, Y + Height)
    b.Erase();
    EXPECT_EQ(CountOther(10, 10, 50, 30, 0x000000), 0);
}

TEST_F(ButtonTest, MissingFilesPrintTheMessageOncePerPictureAndTheButtonStays) {
    presentation::SetColours(0xFFFFFF, 0x000000);
    presentation::ClearScreen();
    const std::string up = WriteBitmap("btn_up3.bmp", 30, 30, 0x00FF00);
    GUI gui;
    EXPECT_EQ(gui.AddButton(10, 10, up, "no such file.bmp", "x", Record()), 1);
    const Button& b = *gui.GetButton(1);
    EXPECT_TRUE(b.UpImage);
    EXPECT_EQ(b.DownImage, nullptr);
    EXPECT_EQ(b.Width, 0);  // the missing down picture leaves a hit rectangle of nothing
    EXPECT_EQ(b.Height, 0);
    // One message of four text lines: 164 characters wrap twice across 640 pixels, then the
    // second line.
    EXPECT_GT(CountOther(0, 24, 639, 31, 0x000000), 0);
    EXPECT_EQ(CountOther(0, 32, 639, 479, 0x000000), 0);

    EXPECT_EQ(gui.AddImageButton(10, 10, "missing.bmp", "y", Record()), 2);
    EXPECT_GT(CountOther(0, 56, 639, 63, 0x000000), 0);
    EXPECT_EQ(CountOther(0, 64, 639, 479, 0x000000), 0);
    EXPECT_EQ(gui.GetButton(2)->UpImage, nullptr);
}

}  // namespace
}  // namespace gui::test
