// ElementList and DropDown: a closed box with a caption that a press opens into up to ten rows
// below it. A press on a row acts on it (an ElementList fires its Event with the row's ID, a
// DropDown takes the row's text as its Caption) and, like any press outside the box, closes the
// list. Every text is bounded by DefinedLength; a longer one is a fatal error. Built by the GUI;
// updated, drawn and erased by its passes on their thread. Neither kind can be hidden.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "gui/widget_kit.h"

namespace gui {

inline constexpr int MaxListRows = 10;

struct ListRow {
    std::string ID;    // passed to an ElementList's Event
    std::string Text;  // shown in the row
};

struct ElementList {
    ElementList(std::int32_t x, std::int32_t y, std::string_view caption,
                std::int32_t definedLength, gui::Event event);

    // The 0-based number of the new row, or -1 when all ten rows are in use (nothing changes).
    std::int8_t NewElement(std::string_view text, std::string_view id);
    void Update();
    void Draw() const;
    void Erase() const;

    std::int32_t X;                             // top-left corner of the closed box
    std::int32_t Y;                             // top-left corner of the closed box
    std::string Caption;                        // shown in the closed box
    std::int32_t DefinedLength;                 // most characters of any text; box width in chars
    std::array<ListRow, MaxListRows> Elements;  // rows 0 .. Count - 1 in use
    std::uint8_t Count = 0;                     // rows in use, 0 to 10
    std::uint8_t Open = 0;                      // 1 while the rows are shown
    gui::Event Event;                           // called with the chosen row's ID
};

struct DropDown {
    DropDown(std::int32_t x, std::int32_t y, std::string_view caption, std::int32_t definedLength);

    // As ElementList::NewElement; only the text is used.
    std::int8_t NewElement(std::string_view text);
    void Update();
    void Draw() const;
    void Erase() const;

    std::string Caption;                        // shown in the closed box; the chosen row's text
    std::int32_t X;                             // top-left corner of the closed box
    std::int32_t Y;                             // top-left corner of the closed box
    std::int32_t DefinedLength;                 // most characters of any text; box width in chars
    std::array<ListRow, MaxListRows> Elements;  // only Text is used
    std::uint8_t Count = 0;                     // rows in use, 0 to 10
    std::uint8_t Open = 0;                      // 1 while the rows are shown
};

}  // namespace gui
