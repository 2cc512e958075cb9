// TextArea: a multi-line text field of Columns x Rows characters, lines separated by single
// carriage returns (13). Typing always happens at the end of the text; there is no caret. Built by
// the GUI; updated, drawn and erased by its passes on their thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gui {

struct TextArea {
    TextArea(std::int32_t x, std::int32_t y, std::int32_t columns, std::int32_t rows);

    // Replaces the text, cutting lines hard at Columns characters (not at word boundaries); the
    // number of lines is not limited by Rows.
    void SetText(std::string_view text);
    void Update();       // nothing while hidden
    void Draw();         // only while shown; also records LastLine, which typing checks
    void Erase() const;  // only while shown
    void Hide() { Hidden = 1; }
    void Show() { Hidden = 0; }
    void Lock() { Locked = 1; }
    void Unlock() { Locked = 0; }

    std::int32_t X;               // top-left corner, screen pixels
    std::int32_t Y;               // top-left corner, screen pixels
    std::int32_t Columns;         // width in characters
    std::int32_t Rows;            // height in lines
    std::uint8_t Focused = 0;     // 1 while the area takes typed keys
    std::uint8_t Hidden = 0;      // not drawn, not erased, no Update
    std::int32_t BreakCount = 0;  // carriage returns in Text, counted by every Update
    std::string LastLine;         // the text after the last carriage return, set by every Draw
    std::uint8_t Locked = 0;      // read-only, drawn grey, never hovered (can still be focused)
    std::string Text;             // the content
    std::uint8_t Hovered = 0;     // 1 while the pointer is inside and the area is not locked
};

}  // namespace gui
