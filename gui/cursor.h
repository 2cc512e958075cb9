// Cursor: the toolkit's I-beam pointer, drawn at the mouse position instead of the system pointer
// while a text field is under the pointer. Owned by a GUI as its TextCursor and driven by its
// passes on their thread.
#pragma once

#include <cstdint>

#include "presentation/screen_services.h"

namespace gui {

struct Cursor {
    // Needs an open screen for its picture; without one it is a fatal error.
    Cursor();

    void Update();       // remembers the old position; follows the pointer while shown
    void Draw() const;   // only while shown
    void Erase() const;  // black over 6 x 11 pixels at the previous position, also while hidden
    void Show();         // I-beam drawn, system pointer hidden
    void Hide();         // I-beam not drawn, system pointer shown

    presentation::Image BeamImage;  // 5 x 10, key colour around the beam
    std::int32_t X = 0;             // where the beam's top-left pixel goes: the pointer
    std::int32_t Y = 0;
    std::int32_t PrevX = 0;  // the position before the last Update
    std::int32_t PrevY = 0;
    std::uint8_t Hidden = 1;  // 1: not drawn
};

}  // namespace gui
