// Label drawing. Runs on the thread that runs the GUI's passes.
#include "gui/label.h"

#include "gui/widget_kit.h"

namespace gui {

Label::Label(std::int32_t x, std::int32_t y, std::string_view text)
    : X(x), Y(y), Length(static_cast<std::int32_t>(text.size())), Text(text) {}

void Label::Draw() const {
    if (Hidden) return;
    const std::int64_t x = X, y = Y, right = x + TextWidth(Length) + 4;
    Fill(x, y, right, y + 12, colour::LightGrey);
    Outline(x, y, right, y + 12, colour::MidGrey);
    // Shadow at the bottom and the right: a raised face.
    Segment(x + 1, y + 11, right - 1, y + 11, colour::DarkGrey);
    Segment(right - 1, y + 1, right - 1, y + 11, colour::DarkGrey);
    ScreenText(x + 3, y + 2, Text, colour::Black);
}

void Label::Erase() const {
    if (Hidden) return;
    const std::int64_t x = X, y = Y;
    Fill(x, y, x + TextWidth(Length) + 4, y + 12, colour::Black);
}

}  // namespace gui
