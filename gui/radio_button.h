// RadioButton: a group of round options of which one is selected. Fires its Event (with the
// group's ID) on every Update while the left button is held over an option. Built by the GUI;
// updated, drawn and erased by its passes on their thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gui/widget_kit.h"

namespace gui {

struct RadioOption {
    std::int32_t X;             // top-left corner of the option's 10 x 10 square
    std::int32_t Y;             // top-left corner
    std::uint8_t Selected = 0;  // 1 for the chosen option
};

struct RadioButton {
    RadioButton(std::string_view id, gui::Event event);

    void AddOption(std::int32_t x, std::int32_t y);
    void Update();
    void Draw() const;   // only while shown
    void Erase() const;  // a black disc of radius 10 over each option; only while shown
    void Hide() { Hidden = 1; }
    void Show() { Hidden = 0; }

    std::vector<RadioOption> Options;  // in the order added
    gui::Event Event;                  // the handler
    std::string ID;                    // passed to Event; the choice is in SelectedIndex
    std::uint8_t Hidden = 0;           // 1: not drawn, no input
    std::int32_t SelectedIndex = -1;   // 0-based selected option; -1 before any choice
};

}  // namespace gui
