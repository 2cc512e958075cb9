// Shared widget helpers: event dispatch and clamped screen drawing. Runs on the thread of the
// GUI pass that calls it.
#include "gui/widget_kit.h"

#include <algorithm>
#include <limits>

namespace gui {

namespace {

// Far enough out to clip, far enough in that the screen services' own arithmetic cannot overflow.
constexpr std::int64_t Far = std::int64_t{1} << 30;

std::int32_t Clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp(v, -Far, Far));
}

}  // namespace

void FireEvent(const Event& event, const std::string& id) {
    if (!event) return;
    const Event handler = event;
    const std::string copy = id;
    handler(copy);
}

void ScreenLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                presentation::Pixel c, presentation::LineKind kind) {
    presentation::DrawLine(presentation::Screen, Clamp32(x1), Clamp32(y1), Clamp32(x2), Clamp32(y2),
                           c, kind);
}

void ScreenText(std::int64_t x, std::int64_t y, std::string_view text, presentation::Pixel c) {
    presentation::DrawText(presentation::Screen, Clamp32(x), Clamp32(y), text, c);
}

}  // namespace gui

namespace gui {

void ScreenDisc(std::int64_t cx, std::int64_t cy, std::int32_t radius, presentation::Pixel c) {
    presentation::DrawCircle(presentation::Screen, Clamp32(cx), Clamp32(cy), radius, c, true);
}

void ScreenImage(std::int64_t x, std::int64_t y, const presentation::Image& image) {
    presentation::PutImage(Clamp32(x), Clamp32(y), image, presentation::PutMode::Keyed);
}

}  // namespace gui

namespace gui {

void DrainTypedKeys() {
    std::string key;
    do {
        key = presentation::ReadKey();
        presentation::SleepMs(10, 0);
    } while (key.size() == 1);
}

}  // namespace gui
