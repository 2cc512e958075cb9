// The world's keys; see input.h.
#include "app/input.h"

#include "presentation/screen_services.h"

namespace app {

world::FrameInput InputFromKeys(const std::function<bool(int scanCode)>& held) {
    namespace scan = presentation::scan;
    world::FrameInput in;
    in.Up = held(scan::W) || held(scan::Up);
    in.Down = held(scan::S) || held(scan::Down);
    in.Left = held(scan::A) || held(scan::Left);
    in.Right = held(scan::D) || held(scan::Right);
    in.GiveUp = held(scan::Enter);
    in.PlaceTnt = held(scan::Space);
    return in;
}

world::FrameInput ReadHeldKeys() {
    return InputFromKeys([](int code) { return presentation::IsKeyDown(code) != 0; });
}

}  // namespace app
