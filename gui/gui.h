// The GUI manager: creates and owns every widget of one screen, one collection per kind, hands
// them out by number and runs the Update, Draw and Erase passes over them in fixed kind orders.
//
// Game mode: the owner calls Update and Draw once per frame on its own thread. Thread mode:
// StartThread runs Update, Erase, Draw and the Pacer's Wait on a thread of the GUI's own until
// StopThread; meanwhile the owner neither runs passes nor adds widgets. Destroying the GUI stops
// and joins that thread first.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

#include "gui/button.h"
#include "gui/check_box.h"
#include "gui/cursor.h"
#include "gui/frame_pacer.h"
#include "gui/label.h"
#include "gui/pop_up_lists.h"
#include "gui/radio_button.h"
#include "gui/text_area.h"
#include "gui/text_field.h"
#include "gui/widget_kit.h"

namespace gui {

// Widgets in the order of creation; widget n (from 1) is element n - 1 and never moves, since
// widgets are never removed. Each widget lives on the heap, so a handler that adds widgets during
// a pass leaves the widget being updated in place.
template <class T>
using WidgetCollection = std::vector<std::unique_ptr<T>>;

struct GUI {
    // Needs an open screen (the TextCursor's picture); without one it is a fatal error.
    GUI();
    ~GUI();
    GUI(const GUI&) = delete;
    GUI& operator=(const GUI&) = delete;

    // Each Add constructs the widget, appends it and returns its number (the new count).
    std::int32_t AddLabel(std::int32_t x, std::int32_t y, std::string_view text);
    std::int32_t AddCheckBox(std::int32_t x, std::int32_t y, std::string_view id, gui::Event event);
    std::int32_t AddTextBox(std::int32_t x, std::int32_t y, std::int32_t maxLength,
                            std::string_view text = {});
    std::int32_t AddScrollTextBox(std::int32_t x, std::int32_t y, std::int32_t maxLength,
                                  std::string_view text = {});
    std::int32_t AddPasswordBox(std::int32_t x, std::int32_t y, std::int32_t maxLength);
    std::int32_t AddButton(std::int32_t x, std::int32_t y, std::string_view upFile,
                           std::string_view downFile, std::string_view id, gui::Event event);
    std::int32_t AddImageButton(std::int32_t x, std::int32_t y, std::string_view fileName,
                                std::string_view id, gui::Event event);
    std::int32_t AddTextButton(std::string_view caption, std::int32_t x, std::int32_t y,
                               std::string_view id, gui::Event event);
    std::int32_t AddRadioButton(std::string_view id, gui::Event event);
    std::int32_t AddElementList(std::int32_t x, std::int32_t y, std::string_view caption,
                                std::int32_t definedLength, gui::Event event);
    std::int32_t AddDropDown(std::int32_t x, std::int32_t y, std::string_view caption,
                             std::int32_t definedLength);
    std::int32_t AddTextArea(std::int32_t x, std::int32_t y, std::int32_t columns,
                             std::int32_t rows);

    // Widget n, or null when n < 1 or n > count.
    Label* GetLabel(std::int32_t n) const;
    CheckBox* GetCheckBox(std::int32_t n) const;
    TextBox* GetTextBox(std::int32_t n) const;
    ScrollTextBox* GetScrollTextBox(std::int32_t n) const;
    PasswordBox* GetPasswordBox(std::int32_t n) const;
    Button* GetButton(std::int32_t n) const;
    RadioButton* GetRadioButton(std::int32_t n) const;
    ElementList* GetElementList(std::int32_t n) const;
    DropDown* GetDropDown(std::int32_t n) const;
    TextArea* GetTextArea(std::int32_t n) const;

    // Input, state changes and events (called synchronously, mid-pass), then the text cursor.
    void Update();
    void Draw();   // the I-beam last, on top of everything
    void Erase();  // black over every widget
    // Shows the I-beam (and hides the system pointer) while any text field is hovered.
    void UpdateTextCursor();

    void StartThread();  // rate 20; does nothing while the GUI's thread is already running
    void StopThread();   // returns at once; the thread ends after the iteration it is in

    WidgetCollection<Label> Labels;
    WidgetCollection<CheckBox> CheckBoxes;
    WidgetCollection<TextBox> TextBoxes;
    WidgetCollection<ScrollTextBox> ScrollTextBoxes;
    WidgetCollection<PasswordBox> PasswordBoxes;
    WidgetCollection<Button> Buttons;  // from all three button Adds
    WidgetCollection<RadioButton> RadioButtons;
    WidgetCollection<ElementList> ElementLists;
    WidgetCollection<DropDown> DropDowns;
    WidgetCollection<TextArea> TextAreas;
    std::atomic<std::uint8_t> StopRequested{0};  // set by StopThread, polled by the GUI thread
    FramePacer Pacer{60};                        // rate 20 once StartThread has run
    Cursor TextCursor;                           // the I-beam; hidden after construction

  private:
    void RunThread();

    std::thread thread_;  // the GUI's own thread in thread mode
};

}  // namespace gui
