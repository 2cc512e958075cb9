// CheckBox pictures, input and drawing. Construction runs on the thread that adds widgets; the
// rest on the thread that runs the GUI's passes.
#include "gui/check_box.h"

#include <utility>

namespace gui {

namespace {

constexpr std::int32_t Side = 15;  // pixels

// The grey double frame with its shadow at the top and the left.
void PaintFrame(const presentation::Image& image) {
    using presentation::LineKind;
    const presentation::DrawTarget t(image);
    presentation::DrawLine(t, 0, 0, 14, 14, colour::MidGrey, LineKind::Box);
    presentation::DrawLine(t, 1, 1, 13, 13, colour::MidGrey, LineKind::Box);
    presentation::DrawLine(t, 1, 1, 12, 1, colour::DarkGrey, LineKind::Segment);
    presentation::DrawLine(t, 1, 1, 1, 12, colour::DarkGrey, LineKind::Segment);
}

void PaintCross(const presentation::Image& image) {
    using presentation::LineKind;
    const presentation::DrawTarget t(image);
    presentation::DrawLine(t, 1, 1, 13, 13, colour::Black, LineKind::Segment);
    presentation::DrawLine(t, 13, 1, 1, 13, colour::Black, LineKind::Segment);
}

}  // namespace

CheckBox::CheckBox(std::int32_t x, std::int32_t y, std::string_view id, gui::Event event)
    : X(x), Y(y), ID(id), Event(std::move(event)) {
    OffImage = presentation::CreateImage(Side, Side, colour::White);
    PaintFrame(OffImage);
    OnImage = presentation::CreateImage(Side, Side, colour::White);
    PaintCross(OnImage);
    PaintFrame(OnImage);
}

void CheckBox::Update() {
    if (Hidden) return;
    const presentation::MouseState m = presentation::GetMouse();
    const bool pressed = IsPressed(m);
    if (InsideRect(m, X, Y, Side, Side) && !WasPressed && pressed) {
        State = State + 1 > 1 ? 0 : State + 1;
        WasPressed = 1;  // set before the handler runs, so a handler that runs a pass sees it
        FireEvent(Event, ID);
    }
    WasPressed = pressed ? 1 : 0;
}

void CheckBox::Draw() const {
    if (Hidden) return;
    if (State == 1) ScreenImage(X, Y, OnImage);
    if (State == 0) ScreenImage(X, Y, OffImage);
}

void CheckBox::Erase() const {
    if (Hidden) return;
    Fill(X, Y, std::int64_t{X} + 25, std::int64_t{Y} + 25, colour::Black);
}

}  // namespace gui
