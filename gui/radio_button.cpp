// RadioButton options, input and drawing. Construction and AddOption run on the thread that
// builds the screen; the rest on the thread that runs the GUI's passes.
#include "gui/radio_button.h"

#include <new>
#include <utility>

#include "gui/program_end.h"
#include "presentation/screen_services.h"

namespace gui {

RadioButton::RadioButton(std::string_view id, gui::Event event) : Event(std::move(event)), ID(id) {
    try {
        Options.reserve(1);
    } catch (const std::bad_alloc&) {
        FatalError(message::RadioStorage, FatalWait::ForKey);
    }
}

void RadioButton::AddOption(std::int32_t x, std::int32_t y) {
    Options.push_back({x, y, 0});
}

void RadioButton::Update() {
    if (Hidden) return;
    const presentation::MouseState m = presentation::GetMouse();
    if (!IsPressed(m)) return;
    for (std::size_t i = 0; i < Options.size(); ++i) {
        if (!InsideRect(m, Options[i].X, Options[i].Y, 10, 10)) continue;
        for (RadioOption& option : Options) option.Selected = 0;
        Options[i].Selected = 1;
        SelectedIndex = static_cast<std::int32_t>(i);
        FireEvent(Event, ID);
    }
}

void RadioButton::Draw() const {
    if (Hidden) return;
    for (const RadioOption& o : Options) {
        const std::int64_t cx = std::int64_t{o.X} + 5;
        const std::int64_t cy = std::int64_t{o.Y} + 5;
        ScreenDisc(cx, cy, 5, colour::DarkGrey);
        ScreenDisc(cx, cy, 3, colour::White);
        if (o.Selected) ScreenDisc(cx, cy, 2, colour::Black);
    }
}

void RadioButton::Erase() const {
    if (Hidden) return;
    // Around the option's centre: a disc about its corner would leave the far side of the option
    // standing.
    for (const RadioOption& o : Options) {
        ScreenDisc(std::int64_t{o.X} + 5, std::int64_t{o.Y} + 5, 10, colour::Black);
    }
}

}  // namespace gui
