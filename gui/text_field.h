// The one-line text fields: TextBox (at most MaxLength typed characters), ScrollTextBox (shows the
// last MaxLength characters of a text that may grow longer) and PasswordBox (a TextBox shown as
// stars) share one record and differ by Kind. A press inside focuses a field and a press outside
// or Enter unfocuses it; a focused field takes one typed key per Update. Built by the GUI; updated,
// drawn and erased by its passes on their thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gui {

enum class FieldKind : std::uint8_t { Text, Scroll, Password };

struct TextField {
    TextField(FieldKind kind, std::int32_t x, std::int32_t y, std::int32_t maxLength,
              std::string_view text = {});

    void Update();       // nothing at all while locked
    void Draw() const;   // only while shown
    void Erase() const;  // only while shown
    void Hide() { Hidden = 1; }
    void Show() { Hidden = 0; }
    void Lock() { Locked = 1; }
    void Unlock() { Locked = 0; }

    std::string Text;               // the content; the owner reads it (and may set it) directly
    std::uint8_t Hovered = 0;       // 1 while the pointer is inside (set by Update)
    std::int32_t X;                 // top-left corner, screen pixels
    std::int32_t Y;                 // top-left corner, screen pixels
    std::uint8_t Hidden = 0;        // not drawn or erased, no mouse input (keys still, if focused)
    std::uint8_t Focused = 0;       // 1 while the field takes typed keys
    std::int32_t MaxLength;         // box width in characters; typing limit but for ScrollTextBox
    std::uint8_t BlinkCounter = 0;  // counts Updates 0..79; the caret shows for 1..39
    std::uint8_t ArrowLatch = 0;    // 1 after an arrow moved the caret, until no arrow is held
    std::int32_t Caret = 0;         // characters before the caret, 0 .. length of Text
    std::string LeftPart;           // Text before the caret, rebuilt by every Update
    std::string RightPart;          // Text after the caret, rebuilt by every Update
    std::uint8_t Locked = 0;        // read-only: no Update, drawn grey
    FieldKind Kind;                 // which of the three fields this is
};

using TextBox = TextField;
using ScrollTextBox = TextField;
using PasswordBox = TextField;

}  // namespace gui
