// CheckBox: a 15 x 15 on/off toggle that flips once per press of the left button over it and then
// fires its Event, so the handler sees the new State. Built by the GUI; updated, drawn and erased
// by its passes on their thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gui/widget_kit.h"
#include "presentation/screen_services.h"

namespace gui {

struct CheckBox {
    CheckBox(std::int32_t x, std::int32_t y, std::string_view id, gui::Event event);

    void Update();
    void Draw() const;   // the crossed box for State 1, the empty one for 0, nothing otherwise
    void Erase() const;  // black over 26 x 26 pixels; only while shown
    void Hide() { Hidden = 1; }
    void Show() { Hidden = 0; }

    std::uint8_t State = 0;        // 0 off, 1 on; the game may set it directly
    std::int32_t X;                // top-left corner, screen pixels
    std::int32_t Y;                // top-left corner, screen pixels
    presentation::Image OffImage;  // the empty box
    presentation::Image OnImage;   // the crossed box
    std::string ID;                // passed to Event
    gui::Event Event;              // the handler
    std::uint8_t Hidden = 0;       // 1: not drawn, no input
    std::uint8_t WasPressed = 0;   // the left button alone was down at the previous Update
};

}  // namespace gui
