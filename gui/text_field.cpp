// One-line text fields: caret, typing, focus and drawing. Runs on the thread that runs the GUI's
// passes (construction on the thread that builds the screen).
#include "gui/text_field.h"

#include <algorithm>

#include "gui/widget_kit.h"
#include "presentation/screen_services.h"

namespace gui {

namespace {

std::int64_t LengthOf(const TextField& f) {
    return static_cast<std::int64_t>(f.Text.size());
}

// A scroll field whose text no longer fits shows (and places its caret in) the last MaxLength
// characters.
bool Scrolled(const TextField& f) {
    return f.Kind == FieldKind::Scroll && LengthOf(f) > f.MaxLength;
}

std::int64_t FloorDiv8(std::int64_t n) {
    return n >= 0 ? n / 8 : -((-n + 7) / 8);
}

// n / 8 to the nearest whole number, halves to the even neighbour.
std::int64_t RoundHalfEvenDiv8(std::int64_t n) {
    std::int64_t q = FloorDiv8(n);
    const std::int64_t r = n - 8 * q;
    if (r > 4 || (r == 4 && q % 2 != 0)) ++q;
    return q;
}

// A press in a field that was already under the pointer puts the caret at the character cell
// pressed. The result is kept within the text, so no later split can see a negative caret.
void PlaceCaretByMouse(TextField& f) {
    const presentation::MouseState m = presentation::GetMouse();
    if (!f.Hovered || !IsPressed(m)) return;
    const std::int64_t cell = std::int64_t{m.X} - f.X - 1;
    std::int64_t caret =
        Scrolled(f) ? LengthOf(f) - f.MaxLength + FloorDiv8(cell) : RoundHalfEvenDiv8(cell);
    caret = std::clamp<std::int64_t>(caret, 0, LengthOf(f));
    f.Caret = static_cast<std::int32_t>(caret);
}

void TrackPointer(TextField& f) {
    const presentation::MouseState m = presentation::GetMouse();
    if (InsideRect(m, f.X, f.Y, TextWidth(f.MaxLength) + 6, 12)) {
        f.Hovered = 1;
        if (IsPressed(m)) {
            f.Focused = 1;
            DrainTypedKeys();
        }
    } else {
        if (IsPressed(m)) f.Focused = 0;
        f.Hovered = 0;
    }
}

// One press of an arrow moves the caret one place; holding it does not repeat.
void MoveCaretByArrows(TextField& f, std::int64_t& caret) {
    const int left = presentation::IsKeyDown(presentation::scan::Left);
    const int right = presentation::IsKeyDown(presentation::scan::Right);
    if ((left | right) != -1) f.ArrowLatch = 0;
    if (f.ArrowLatch != 0) return;
    if (left) {
        --caret;
        f.ArrowLatch = 1;
    }
    if (right) {
        ++caret;
        f.ArrowLatch = 1;
    }
}

bool MayGrow(const TextField& f) {
    if (f.Kind == FieldKind::Scroll) return true;
    const auto typed = static_cast<std::int64_t>(f.LeftPart.size() + f.RightPart.size());
    return typed < f.MaxLength;
}

// Takes one typed key into the text split at the caret by this Update.
void TakeKey(TextField& f) {
    std::int64_t caret = f.Caret;
    const std::string key = presentation::ReadKey();
    const int c = key.empty() ? 0 : static_cast<unsigned char>(key[0]);
    if (c == 8) {
        if (!f.LeftPart.empty()) f.LeftPart.pop_back();
        --caret;
    } else if (c >= 32 && c <= 126) {
        if (MayGrow(f)) {
            f.LeftPart += key;
            ++caret;
        }
    } else if (c == 13) {
        f.Focused = 0;
    }
    f.Text = f.LeftPart + f.RightPart;
    MoveCaretByArrows(f, caret);
    caret = std::clamp<std::int64_t>(caret, 0, LengthOf(f));
    if (f.Kind == FieldKind::Scroll && LengthOf(f) >= f.MaxLength) {
        caret = std::max(caret, LengthOf(f) - f.MaxLength);
    }
    f.Caret = static_cast<std::int32_t>(caret);
}

std::string ShownText(const TextField& f) {
    if (f.Kind == FieldKind::Password) return std::string(f.Text.size(), '*');
    if (!Scrolled(f)) return f.Text;
    const auto shown = static_cast<std::size_t>(std::max(f.MaxLength, 0));
    return f.Text.substr(f.Text.size() - shown);
}

}  // namespace

TextField::TextField(FieldKind kind, std::int32_t x, std::int32_t y, std::int32_t maxLength,
                     std::string_view text)
    : Text(text), X(x), Y(y), MaxLength(maxLength), Kind(kind) {}

void TextField::Update() {
    if (Locked) return;
    const auto split =
        static_cast<std::size_t>(std::clamp<std::int64_t>(Caret, 0, LengthOf(*this)));
    LeftPart = Text.substr(0, split);
    RightPart = Text.substr(split);
    PlaceCaretByMouse(*this);
    if (!Hidden) TrackPointer(*this);
    if (Focused) TakeKey(*this);
    BlinkCounter = BlinkCounter + 1 >= 80 ? 0 : BlinkCounter + 1;
}

void TextField::Draw() const {
    if (Hidden) return;
    const std::int64_t x = X, y = Y, right = x + TextWidth(MaxLength) + 4;
    Fill(x, y, right, y + 12, Locked ? colour::LightGrey : colour::White);
    Outline(x, y, right, y + 12, colour::MidGrey);
    // Shadow at the top and the left: a sunken field.
    Segment(x + 1, y + 1, right - 1, y + 1, colour::DarkGrey);
    Segment(x + 1, y + 1, x + 1, y + 11, colour::DarkGrey);
    ScreenText(x + 3, y + 4, ShownText(*this), colour::Black);
    if (Focused && BlinkCounter > 0 && BlinkCounter < 40) {
        const std::int64_t column = Scrolled(*this) ? MaxLength - LengthOf(*this) + Caret : Caret;
        const std::int64_t cx = x + TextWidth(column) + 2;
        Segment(cx, y + 3, cx, y + 10, colour::Black);
    }
}

void TextField::Erase() const {
    if (Hidden) return;
    const std::int64_t x = X, y = Y;
    Fill(x, y, x + TextWidth(MaxLength) + 4, y + 12, colour::Black);
}

}  // namespace gui
