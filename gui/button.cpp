// Button construction, input and drawing. Construction runs on the thread that adds widgets;
// Update, Draw and Erase on the thread that runs the GUI's passes.
#include "gui/button.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "gui/program_end.h"
#include "presentation/image_loading.h"

namespace gui {

namespace {

// A picture the size its header gives, every pixel the key colour, then the bitmap read into it.
presentation::Image LoadPicture(std::string_view path, std::int32_t& width, std::int32_t& height) {
    const presentation::BitmapSize size = presentation::ProbeBitmapSize(path);
    width = size.Width;
    // A top-down bitmap marks itself with a negative height; the picture is just as tall.
    height = size.Height == std::numeric_limits<std::int32_t>::min() ? 0 : std::abs(size.Height);
    presentation::Image image = presentation::CreateImage(width, height);
    presentation::LoadBitmap(path, image);
    return image;
}

void ReportMissing(const presentation::Image& image) {
    if (!image) presentation::PrintText(message::ButtonFile);
}

}  // namespace

Button::Button(std::string_view buttID, gui::Event event, std::int32_t buttX, std::int32_t buttY,
               std::string_view upFile, std::string_view downFile)
    : X(buttX), Y(buttY), ID(buttID), Event(std::move(event)) {
    UpImage = LoadPicture(upFile, Width, Height);
    DownImage = LoadPicture(downFile, Width, Height);
    ReportMissing(UpImage);
    ReportMissing(DownImage);
}

Button::Button(std::string_view buttID, gui::Event event, std::int32_t buttX, std::int32_t buttY,
               std::string_view fileName)
    : X(buttX), Y(buttY), ID(buttID), Event(std::move(event)) {
    UpImage = LoadPicture(fileName, Width, Height);
    ReportMissing(UpImage);
}

Button::Button(std::string_view id, gui::Event event, std::string_view caption, std::int32_t x,
               std::int32_t y)
    : X(x), Y(y), Caption(caption), ID(id), Event(std::move(event)) {
    const std::int64_t n8 = TextWidth(static_cast<std::int64_t>(caption.size()));
    Width =
        static_cast<std::int32_t>(std::min<std::int64_t>(n8 + 5, presentation::MaxImageSide + 1));
    Height = 17;
    UpImage = presentation::CreateImage(Width, Height, colour::Red);
    if (!UpImage) return;
    const presentation::DrawTarget face(UpImage);
    using presentation::LineKind;
    const auto n = static_cast<std::int32_t>(n8);
    presentation::DrawLine(face, 0, 0, n + 4, 16, colour::LightGrey, LineKind::Box);
    presentation::DrawLine(face, 1, 1, n + 3, 15, colour::FaceGrey, LineKind::FilledBox);
    presentation::DrawLine(face, 0, 1, n + 2, 2, colour::White, LineKind::FilledBox);
    presentation::DrawLine(face, 2, 14, n + 3, 15, colour::DarkGrey, LineKind::FilledBox);
    presentation::DrawLine(face, n + 2, 2, n + 3, 14, colour::DarkGrey, LineKind::FilledBox);
    presentation::DrawText(face, 3, 5, caption, colour::Black);
}

void Button::Update() {
    if (Hidden) return;
    const presentation::MouseState m = presentation::GetMouse();
    if (InsideRect(m, X, Y, Width, Height)) {
        Hovered = 1;
        if (IsPressed(m)) FireEvent(Event, ID);
    } else {
        Hovered = 0;
    }
}

void Button::Draw() const {
    if (Hidden) return;
    ScreenImage(X, Y, UpImage);
    if (Hovered && DownImage) ScreenImage(X, Y, DownImage);
}

void Button::Erase() const {
    Fill(X, Y, std::int64_t{X} + Width, std::int64_t{Y} + Height, colour::Black);
}

}  // namespace gui
