// Label: a fixed text on a raised grey face. Drawn and erased by the GUI's passes; it takes no
// input. Runs on the thread that runs the passes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gui {

struct Label {
    Label(std::int32_t x, std::int32_t y, std::string_view text);

    void Draw() const;   // only while shown
    void Erase() const;  // black over the face; only while shown
    void Hide() { Hidden = 1; }
    void Show() { Hidden = 0; }

    std::int32_t X;           // top-left corner, screen pixels
    std::int32_t Y;           // top-left corner, screen pixels
    std::uint8_t Hidden = 0;  // 1: neither drawn nor erased
    std::int32_t Length;      // characters of the text given at construction; fixes the face width
    std::string Text;         // the text shown (a later change keeps the old face width)
};

}  // namespace gui
