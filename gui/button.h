// Button: a picture that fires its Event on every Update while the left button is held over it.
// Three forms: up and down pictures from files, one picture from a file, or a painted caption.
// Built by the GUI's Add operations; updated, drawn and erased by its passes on their thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gui/widget_kit.h"
#include "presentation/screen_services.h"

namespace gui {

struct Button {
    // Two pictures. The hit rectangle is the size of the down picture.
    Button(std::string_view buttID, gui::Event event, std::int32_t buttX, std::int32_t buttY,
           std::string_view upFile, std::string_view downFile);
    // One picture; no down picture.
    Button(std::string_view buttID, gui::Event event, std::int32_t buttX, std::int32_t buttY,
           std::string_view fileName);
    // A grey text button painted with the caption: 8N + 5 by 17 pixels for N characters.
    Button(std::string_view id, gui::Event event, std::string_view caption, std::int32_t x,
           std::int32_t y);

    // Level-triggered: fires on every call while pressed inside, not once per click.
    void Update();
    void Draw() const;   // only while shown
    void Erase() const;  // black over the hit rectangle, also while hidden
    void Hide() { Hidden = 1; }
    void Show() { Hidden = 0; }

    std::int32_t X = 0;             // top-left corner, screen pixels
    std::int32_t Y = 0;             // top-left corner, screen pixels
    std::int32_t Width = 0;         // hit rectangle and erased area, pixels
    std::int32_t Height = 0;        // hit rectangle and erased area, pixels
    std::string Caption;            // text buttons only
    presentation::Image UpImage;    // drawn normally; null when it could not be made
    presentation::Image DownImage;  // drawn over UpImage while hovered; null for the other forms
    std::string ID;                 // passed to Event
    gui::Event Event;               // the handler
    std::uint8_t Hidden = 0;        // 1: not drawn, no input
    std::uint8_t Hovered = 0;       // 1 while the pointer is inside (set by Update)
};

}  // namespace gui
