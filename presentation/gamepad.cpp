// Game controllers as plain values; see gamepad.h. The event thread changes the pads through the
// detail functions (gamepad_events.cpp), the game thread reads them, both under InputMutex.
#include "presentation/gamepad.h"

#include <algorithm>
#include <mutex>

#include "presentation/gamepad_events.h"
#include "presentation/screen_state.h"
#include "presentation/window.h"

namespace presentation {

namespace detail {

PadState* FindPad(InputState& in, std::int32_t id) {
    auto it = std::find_if(in.Pads.begin(), in.Pads.end(),
                           [id](const PadState& p) { return p.Id == id; });
    return it == in.Pads.end() ? nullptr : &*it;
}

void AddPad(InputState& in, std::int32_t id) {
    if (FindPad(in, id)) return;
    PadState pad;
    pad.Id = id;
    in.Pads.push_back(pad);
}

void DropPad(InputState& in, std::int32_t id) {
    std::erase_if(in.Pads, [id](const PadState& p) { return p.Id == id; });
}

}  // namespace detail

std::vector<PadState> ConnectedPads() {
    auto* s = detail::Current();
    if (!s) return {};
    std::lock_guard lock(s->InputMutex);
    return s->Input.Pads;
}

bool IsWindowActive() {
    auto* s = detail::Current();
    if (!s) return false;
    std::lock_guard lock(s->InputMutex);
    return s->Input.Active;
}

namespace testing {

void SetPad(const PadState& pad) {
    auto* s = detail::Current();
    if (!s) return;
    std::lock_guard lock(s->InputMutex);
    detail::AddPad(s->Input, pad.Id);
    *detail::FindPad(s->Input, pad.Id) = pad;
}

void RemovePad(std::int32_t id) {
    auto* s = detail::Current();
    if (!s) return;
    std::lock_guard lock(s->InputMutex);
    detail::DropPad(s->Input, id);
}

}  // namespace testing

}  // namespace presentation
