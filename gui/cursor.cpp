// The I-beam picture and its pointer tracking. Runs on the thread that runs the GUI's passes.
#include "gui/cursor.h"

#include "gui/program_end.h"
#include "gui/widget_kit.h"

namespace gui {

Cursor::Cursor() {
    using presentation::LineKind;
    BeamImage = presentation::CreateImage(5, 10, presentation::KeyColour);
    if (!BeamImage) {
        FatalError(message::CursorImage, FatalWait::ForKey);
        return;
    }
    const presentation::DrawTarget t(BeamImage);
    presentation::DrawLine(t, 0, 0, 4, 0, colour::Black, LineKind::Segment);
    presentation::DrawLine(t, 0, 9, 4, 9, colour::Black, LineKind::Segment);
    presentation::DrawLine(t, 2, 0, 2, 9, presentation::KeyColour, LineKind::Segment);
    presentation::DrawLine(t, 2, 1, 2, 8, colour::Black, LineKind::Segment);
}

void Cursor::Update() {
    PrevX = X;
    PrevY = Y;
    if (Hidden) return;
    const presentation::MouseState m = presentation::GetMouse();
    X = m.X;
    Y = m.Y;
}

void Cursor::Draw() const {
    if (!Hidden) ScreenImage(X, Y, BeamImage);
}

void Cursor::Erase() const {
    const std::int64_t x = PrevX, y = PrevY;
    Fill(x, y, x + 5, y + 10, colour::Black);
}

void Cursor::Show() {
    Hidden = 0;
    presentation::SetMouseVisible(0);
}

void Cursor::Hide() {
    Hidden = 1;
    presentation::SetMouseVisible(1);
}

}  // namespace gui
