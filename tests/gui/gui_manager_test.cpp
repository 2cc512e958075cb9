// The GUI manager: numbering, the pass orders, the text cursor switch, widgets added from inside
// a pass, thread mode, and the fatal construction errors.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "gui/gui.h"
#include "tests/gui/widget_test_support.h"

namespace gui::test {
namespace {

using GuiTest = WidgetTest;

TEST_F(GuiTest, NumbersStartAtOneAndGetIsNullOutOfRange) {
    GUI gui;
    EXPECT_EQ(gui.GetTextBox(1), nullptr);
    EXPECT_EQ(gui.AddTextBox(0, 0, 5), 1);
    EXPECT_EQ(gui.AddTextBox(0, 20, 5, "x"), 2);
    EXPECT_EQ(gui.GetTextBox(0), nullptr);
    EXPECT_EQ(gui.GetTextBox(3), nullptr);
    EXPECT_EQ(gui.GetTextBox(-1), nullptr);
    EXPECT_EQ(gui.GetTextBox(2)->Text, "x");

    // The three button forms share one collection.
    EXPECT_EQ(gui.AddTextButton("a", 0, 0, "a", nullptr), 1);
    EXPECT_EQ(gui.AddImageButton(0, 0, "missing.bmp", "b", nullptr), 2);
    EXPECT_EQ(gui.AddButton(0, 0, "missing.bmp", "missing.bmp", "c", nullptr), 3);
    EXPECT_EQ(gui.GetButton(3)->ID, "c");

    EXPECT_EQ(gui.AddLabel(0, 0, "l"), 1);
    EXPECT_EQ(gui.AddCheckBox(0, 0, "c", nullptr), 1);
    EXPECT_EQ(gui.AddScrollTextBox(0, 0, 3), 1);
    EXPECT_EQ(gui.AddPasswordBox(0, 0, 3), 1);
    EXPECT_EQ(gui.AddRadioButton("r", nullptr), 1);
    EXPECT_EQ(gui.AddElementList(0, 0, "e", 3, nullptr), 1);
    EXPECT_EQ(gui.AddDropDown(0, 0, "d", 3), 1);
    EXPECT_EQ(gui.AddTextArea(0, 0, 3, 3), 1);
    EXPECT_NE(gui.GetLabel(1), nullptr);
    EXPECT_EQ(gui.GetLabel(2), nullptr);
    EXPECT_EQ(gui.GetCheckBox(2), nullptr);
    EXPECT_EQ(gui.GetScrollTextBox(2), nullptr);
    EXPECT_EQ(gui.GetPasswordBox(2), nullptr);
    EXPECT_EQ(gui.GetRadioButton(2), nullptr);
    EXPECT_EQ(gui.GetElementList(2), nullptr);
    EXPECT_EQ(gui.GetDropDown(2), nullptr);
    EXPECT_EQ(gui.GetTextArea(2), nullptr);
    EXPECT_EQ(gui.Pacer.Rate, 60);
    EXPECT_EQ(gui.TextCursor.Hidden, 1);
}

TEST_F(GuiTest, UpdateVisitsTheKindsInTheirFixedOrder) {
    GUI gui;
    std::vector<std::string> order;
    const Event record = [&](std::string_view id) { order.emplace_back(id); };
    // Everything is stacked at one spot, added in the reverse of the pass order.
    gui.AddRadioButton("radio", record);
    gui.GetRadioButton(1)->AddOption(95, 105);
    gui.AddTextButton("b", 98, 98, "button", record);
    gui.AddCheckBox(98, 98, "check", record);
    gui.AddElementList(98, 98, "e", 3, record);
    gui.GetElementList(1)->NewElement("row", "row");
    gui.GetElementList(1)->Open = 1;
    // Text fields take typed keys in pass order too.
    gui.AddTextArea(300, 300, 5, 2);
    gui.AddPasswordBox(300, 300, 5);
    gui.AddScrollTextBox(300, 300, 5);
    gui.AddTextBox(300, 300, 5);
    for (auto* f : {gui.GetTextBox(1), gui.GetScrollTextBox(1), gui.GetPasswordBox(1)}) {
        f->Focused = 1;
    }
    gui.GetTextArea(1)->Focused = 1;
    pt::TypeText("1234");
    Mouse(100, 112);  // not pressed: a press outside would unfocus the fields
    gui.Update();
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(gui.GetTextBox(1)->Text, "1");
    EXPECT_EQ(gui.GetScrollTextBox(1)->Text, "2");
    EXPECT_EQ(gui.GetPasswordBox(1)->Text, "3");
    EXPECT_EQ(gui.GetTextArea(1)->Text, "4");

    Press(100, 112);  // inside the check box, the button, the radio option and list row 0
    gui.Update();
    EXPECT_EQ(order, (std::vector<std::string>{"check", "button", "radio", "row"}));
}

TEST_F(GuiTest, DrawPaintsLaterKindsOverEarlierOnesAndEraseBlacksOut) {
    GUI gui;
    // Added in the reverse of the draw order, overlapping a label at (50, 50)-(94, 62).
    gui.AddTextArea(70, 50, 4, 1);
    gui.AddTextButton("x", 50, 50, "b", nullptr);
    gui.AddLabel(50, 50, "label");
    gui.AddLabel(200, 200, "on its own");
    Paint(0x123456);
    gui.Draw();
    EXPECT_EQ(At(55, 52), 0xFFFFFFu);  // the button's light top edge, over the label
    EXPECT_EQ(At(75, 53), 0xFFFFFFu);  // the text area's face, over the label
    EXPECT_EQ(At(65, 51), 0xDDDDDDu);  // the label where nothing covers it
    EXPECT_EQ(At(201, 201), 0xDDDDDDu);
    gui.Erase();
    EXPECT_EQ(CountOther(50, 50, 94, 62, 0), 0);   // the label
    EXPECT_EQ(CountOther(50, 50, 63, 67, 0), 0);   // the button
    EXPECT_EQ(CountOther(70, 50, 108, 64, 0), 0);  // the text area
    EXPECT_EQ(CountOther(200, 200, 284, 212, 0), 0);
}

TEST_F(GuiTest, TextCursorReplacesThePointerOnlyOverTextFields) {
    GUI gui;
    gui.AddLabel(10, 10, "no text fields here");
    Mouse(20, 15);
    Paint(0x123456);
    gui.Update();
    gui.Draw();
    EXPECT_TRUE(pt::MouseVisible());
    EXPECT_EQ(gui.TextCursor.Hidden, 1);

    gui.AddTextBox(100, 200, 10);
    Mouse(110, 205);
    gui.Update();
    EXPECT_FALSE(pt::MouseVisible());
    Paint(0x123456);
    gui.Draw();
    EXPECT_EQ(At(110, 205), 0x000000u);  // the I-beam's top row
    EXPECT_EQ(At(112, 206), 0x000000u);  // its stem
    EXPECT_EQ(At(110, 207), 0xFFFFFFu);  // key colour: the field shows through
    EXPECT_EQ(At(114, 214), 0x000000u);  // bottom row ends at (114, 214)
    EXPECT_EQ(At(115, 214), 0x123456u);  // below the field

    Mouse(300, 300);
    gui.Update();
    EXPECT_TRUE(pt::MouseVisible());
    gui.Erase();  // blacks out 6 x 11 at the position before the last Update
    EXPECT_EQ(CountOther(110, 205, 115, 215, 0), 0);
}

TEST_F(GuiTest, PointerOutsideTheWindowHoversAndPressesNothing) {
    GUI gui;
    int events = 0;
    gui.AddTextButton("big", 0, 0, "b", [&](std::string_view) { ++events; });
    gui.AddCheckBox(0, 0, "c", [&](std::string_view) { ++events; });
    gui.AddTextBox(0, 0, 10);
    Press(5, 5);
    pt::SetPointerInside(false);
    gui.Update();
    EXPECT_EQ(events, 0);
    EXPECT_EQ(gui.GetButton(1)->Hovered, 0);
    EXPECT_EQ(gui.GetTextBox(1)->Hovered, 0);
}

TEST_F(GuiTest, EmptyGuiDrawsNothing) {
    GUI gui;
    Paint(0x123456);
    gui.Update();
    gui.Draw();
    EXPECT_EQ(CountOther(0, 0, 639, 479, 0x123456), 0);
}

TEST_F(GuiTest, HandlerThatAddsWidgetsMidPassIsSafe) {
    GUI gui;
    int added = 0;
    gui.AddTextButton("grow", 10, 10, "grow", [&](std::string_view) {
        for (int i = 0; i < 20; ++i) gui.AddTextButton("new", 400, 400, "new", nullptr);
        added += 20;
    });
    Press(15, 15);
    gui.Update();
    gui.Update();
    EXPECT_EQ(added, 40);
    EXPECT_EQ(gui.GetButton(41)->ID, "new");
    EXPECT_EQ(gui.GetButton(1)->Hovered, 1);
}

TEST_F(GuiTest, ThreadModeRunsThePassesUntilStopped) {
    std::atomic<int> events{0};
    {
        GUI gui;
        gui.AddTextButton("t", 10, 10, "t", [&](std::string_view) { ++events; });
        Press(15, 15);
        gui.StartThread();
        gui.StartThread();  // already running: ignored
        EXPECT_EQ(gui.Pacer.Rate, 20);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (events.load() < 5 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        gui.StopThread();
        EXPECT_GE(events.load(), 5);
    }  // the destructor joins the thread
    const int after = events.load();
    EXPECT_GE(after, 5);
}

TEST_F(GuiTest, StopBeforeStartEndsTheLoopAtOnceAndDestructionStopsARunningThread) {
    std::atomic<int> events{0};
    {
        GUI gui;
        gui.AddTextButton("t", 10, 10, "t", [&](std::string_view) { ++events; });
        Press(15, 15);
        gui.StopThread();
        gui.StartThread();
    }
    EXPECT_EQ(events.load(), 0);
    {
        GUI gui;
        gui.AddTextButton("t", 10, 10, "t", [&](std::string_view) { ++events; });
        gui.StartThread();
    }  // destroyed while running: stopped and joined, no crash, no leak
    SUCCEED();
}

TEST_F(GuiTest, GuiNeedsAnOpenScreenForItsCursor) {
    presentation::CloseScreen();
    testing::internal::CaptureStderr();
    EXPECT_EQ(EndStatus([] { GUI gui; }), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(message::CursorImage) + "\n");
}

TEST_F(GuiTest, FatalErrorClearsPrintsWaitsForTwoKeysThenEndsWithMinusOne) {
    presentation::SetColours(0xFFFFFF, 0x0000FF);
    Paint(0x123456);
    int polls = 0;
    pt::SetIdleHook([&] {
        if (++polls % 3 == 0) pt::TypeKey("k");
    });
    testing::internal::CaptureStderr();
    EXPECT_EQ(EndStatus([] { FatalError(message::RadioStorage, FatalWait::ForKey); }), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(message::RadioStorage) + "\n");
    EXPECT_EQ(polls, 6);                               // WaitKey's key, then the second wait's key
    EXPECT_EQ(At(639, 479), 0x0000FFu);                // cleared to the background
    EXPECT_GT(CountOther(0, 0, 639, 7, 0x0000FF), 0);  // the message on the first line
    EXPECT_EQ(CountOther(0, 8, 639, 479, 0x0000FF), 0);

    while (!presentation::ReadKey().empty()) {
    }
    polls = 0;
    const double slept = pt::SleptMilliseconds();
    testing::internal::CaptureStderr();
    EXPECT_EQ(EndStatus([] { FatalError(message::GuiStorage, FatalWait::HalfSecond); }), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(message::GuiStorage) + "\n");
    EXPECT_EQ(polls, 3);  // one key, then a pause that keys do not shorten
    EXPECT_GE(pt::SleptMilliseconds() - slept, 500);
}

}  // namespace
}  // namespace gui::test
