// Pieces every widget kind shares: the event type, the toolkit's colours, the strict hit test, the
// "pressed" rule and screen drawing with 64-bit geometry. Called from whichever thread runs a
// GUI's passes (the game thread, or the GUI's own thread in thread mode).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "presentation/screen_services.h"

namespace gui {

// The handler of a Button, CheckBox, RadioButton or ElementList: called synchronously from inside
// Update with the ID of the widget (or list row) that fired. Any callable fits, a plain function
// pointer included.
using Event = std::function<void(std::string_view id)>;

namespace colour {
inline constexpr presentation::Pixel White = 0xFFFFFF;      // editable field face
inline constexpr presentation::Pixel LightGrey = 0xDDDDDD;  // locked field, label face, light edge
inline constexpr presentation::Pixel FaceGrey = 0xCCCCCC;   // text-button face
inline constexpr presentation::Pixel MidGrey = 0xAAAAAA;    // outlines
inline constexpr presentation::Pixel DarkGrey = 0x666666;   // inner shadow lines
inline constexpr presentation::Pixel Black = 0x000000;      // text, caret, marks, Erase
inline constexpr presentation::Pixel Red = 0xFF0000;        // fill of a fresh caption image
}  // namespace colour

// Strictly inside: a point on an edge is outside. 64-bit so that no widget size can overflow.
inline bool InsideRect(std::int64_t px, std::int64_t py, std::int64_t x, std::int64_t y,
                       std::int64_t w, std::int64_t h) {
    return x < px && px < x + w && y < py && py < y + h;
}

inline bool InsideRect(const presentation::MouseState& m, std::int64_t x, std::int64_t y,
                       std::int64_t w, std::int64_t h) {
    return InsideRect(m.X, m.Y, x, y, w, h);
}

// A widget is pressed only by the left button alone (-1, outside the window, never counts).
inline bool IsPressed(const presentation::MouseState& m) {
    return m.Buttons == 1;
}

// Calls the handler with copies of itself and of the id, so a handler that rewrites the widget's
// Event or ID field cannot pull the ground from under its own call.
void FireEvent(const Event& event, const std::string& id);

// Screen drawing in 64-bit coordinates, clamped into the 32-bit range the screen services take
// (everything that far out is clipped anyway; the widgets only draw axis-parallel lines).
void ScreenLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                presentation::Pixel c, presentation::LineKind kind);
void ScreenText(std::int64_t x, std::int64_t y, std::string_view text, presentation::Pixel c);
void ScreenDisc(std::int64_t cx, std::int64_t cy, std::int32_t radius, presentation::Pixel c);
void ScreenImage(std::int64_t x, std::int64_t y, const presentation::Image& image);  // Keyed

inline void Segment(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                    presentation::Pixel c) {
    ScreenLine(x1, y1, x2, y2, c, presentation::LineKind::Segment);
}
inline void Outline(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                    presentation::Pixel c) {
    ScreenLine(x1, y1, x2, y2, c, presentation::LineKind::Box);
}
inline void Fill(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                 presentation::Pixel c) {
    ScreenLine(x1, y1, x2, y2, c, presentation::LineKind::FilledBox);
}

// Empties the typed-key buffer when a text field takes the focus: reads keys (sleeping 10 ms in
// mode 0 after each) until a read gives no single character; an extended key is consumed too.
void DrainTypedKeys();

// Width in pixels of n characters of the 8 x 8 font.
inline std::int64_t TextWidth(std::int64_t n) {
    return 8 * n;
}

}  // namespace gui
