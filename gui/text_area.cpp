// TextArea: hard line cuts, typing at the end, drawing line by line. Runs on the thread that runs
// the GUI's passes (construction and SetText on the thread that builds the screen).
#include "gui/text_area.h"

#include <algorithm>

#include "gui/widget_kit.h"
#include "presentation/screen_services.h"

namespace gui {

namespace {

constexpr char Return = '\r';

void TrackPointer(TextArea& a) {
    const presentation::MouseState m = presentation::GetMouse();
    const std::int64_t w = TextWidth(a.Columns) + 6;
    const std::int64_t h = TextWidth(a.Rows) + 6;
    if (InsideRect(m, a.X, a.Y, w, h)) {
        if (!a.Locked) a.Hovered = 1;
        if (IsPressed(m)) {
            a.Focused = 1;
            DrainTypedKeys();
        }
    } else {
        if (IsPressed(m)) a.Focused = 0;
        a.Hovered = 0;
    }
}

void TakeKey(TextArea& a) {
    const std::string key = presentation::ReadKey();
    const int c = key.empty() ? 0 : static_cast<unsigned char>(key[0]);
    if (c == 8) {
        if (!a.Text.empty()) a.Text.pop_back();
    } else if (c >= 32 && c <= 126) {
        if (static_cast<std::int64_t>(a.LastLine.size()) < a.Columns) a.Text += key;
    } else if (c == 13) {
        if (a.BreakCount < std::int64_t{a.Rows} - 1) a.Text += Return;
    }
}

}  // namespace

TextArea::TextArea(std::int32_t x, std::int32_t y, std::int32_t columns, std::int32_t rows)
    : X(x), Y(y), Columns(columns), Rows(rows) {}

void TextArea::SetText(std::string_view text) {
    // A width below one character could never shorten the rest: cut after every character.
    const std::size_t columns = static_cast<std::size_t>(std::max(Columns, 1));
    Text.clear();
    Text.reserve(text.size() + text.size() / columns + 1);
    while (text.size() > columns) {
        const std::string_view line = text.substr(0, columns);
        const std::size_t cr = line.find(Return);
        if (cr != std::string_view::npos) {
            Text.append(line.substr(0, cr + 1));
            text.remove_prefix(cr + 1);
        } else {
            Text.append(line);
            Text += Return;
            text.remove_prefix(columns);
        }
    }
    Text.append(text);
}

void TextArea::Update() {
    if (Hidden) return;
    TrackPointer(*this);
    BreakCount = static_cast<std::int32_t>(std::count(Text.begin(), Text.end(), Return));
    if (!Locked && Focused) TakeKey(*this);
}

void TextArea::Draw() {
    if (Hidden) return;
    const std::int64_t x = X, y = Y;
    const std::int64_t right = x + TextWidth(Columns) + 6, bottom = y + TextWidth(Rows) + 6;
    Fill(x, y, right, bottom, Locked ? colour::LightGrey : colour::White);
    Outline(x, y, right, bottom, colour::MidGrey);
    Segment(x + 1, y + 1, right - 1, y + 1, colour::DarkGrey);
    Segment(x + 1, y + 1, x + 1, bottom - 1, colour::DarkGrey);
    // Line k runs from just after the k-th carriage return to the next one; an empty line after a
    // final carriage return is not drawn.
    const std::string_view text = Text;
    std::size_t start = 0, lastStart = 0;
    for (std::int64_t k = 0; k <= BreakCount; ++k) {
        if (k > 0 && start >= text.size()) break;
        const std::size_t end = std::min(text.find(Return, start), text.size());
        ScreenText(x + 5, y + 8 * k + 5, text.substr(start, end - start), colour::Black);
        lastStart = start;
        if (end == text.size()) break;
        start = end + 1;
        lastStart = start;
    }
    const std::size_t lastEnd = std::min(text.find(Return, lastStart), text.size());
    LastLine = std::string(text.substr(lastStart, lastEnd - lastStart));
}

void TextArea::Erase() const {
    if (Hidden) return;
    const std::int64_t x = X, y = Y;
    Fill(x, y, x + TextWidth(Columns) + 6, y + TextWidth(Rows) + 6, colour::Black);
}

}  // namespace gui
