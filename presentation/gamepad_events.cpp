// Game controller events of the windowing library; see gamepad_events.h. Event thread.
#include "presentation/gamepad_events.h"

#include <SDL.h>

#include <map>

#include "presentation/screen_state.h"
#include "presentation/window.h"

namespace presentation::detail {

namespace {

// The controllers opened on the event thread, by instance id.
std::map<SDL_JoystickID, SDL_GameController*>& Opened() {
    static std::map<SDL_JoystickID, SDL_GameController*> opened;
    return opened;
}

// A device index from an "added" event: open it and learn its instance id (-1 on failure).
std::int32_t OpenPad(int deviceIndex) {
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (!pad) return -1;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
    if (Opened().count(id)) {
        SDL_GameControllerClose(pad);  // the same pad reported twice
        return id;
    }
    Opened()[id] = pad;
    return id;
}

void ClosePad(std::int32_t id) {
    const auto it = Opened().find(id);
    if (it == Opened().end()) return;
    SDL_GameControllerClose(it->second);
    Opened().erase(it);
}

}  // namespace

PadButton PadButtonOf(int libraryButton) {
    switch (libraryButton) {
        case SDL_CONTROLLER_BUTTON_A:
            return PadButton::A;
        case SDL_CONTROLLER_BUTTON_B:
            return PadButton::B;
        case SDL_CONTROLLER_BUTTON_X:
            return PadButton::X;
        case SDL_CONTROLLER_BUTTON_Y:
            return PadButton::Y;
        case SDL_CONTROLLER_BUTTON_BACK:
            return PadButton::Back;
        case SDL_CONTROLLER_BUTTON_GUIDE:
            return PadButton::Guide;
        case SDL_CONTROLLER_BUTTON_START:
            return PadButton::Start;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return PadButton::DpadUp;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return PadButton::DpadDown;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return PadButton::DpadLeft;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return PadButton::DpadRight;
        default:
            return PadButton::Count;
    }
}

void ApplyPadEvent(InputState& in, const PadEvent& e) {
    if (e.Kind == PadEventKind::Added) return AddPad(in, e.Id);
    if (e.Kind == PadEventKind::Removed) return DropPad(in, e.Id);
    PadState* pad = FindPad(in, e.Id);
    if (!pad) return;
    if (e.Kind == PadEventKind::Axis) {
        if (e.Code == SDL_CONTROLLER_AXIS_LEFTX) pad->StickX = e.Value;
        if (e.Code == SDL_CONTROLLER_AXIS_LEFTY) pad->StickY = e.Value;
        return;
    }
    const PadButton b = PadButtonOf(e.Code);
    if (b != PadButton::Count) pad->Held[static_cast<int>(b)] = e.Kind == PadEventKind::ButtonDown;
}

void StartPads() {
    // Without controller support the game still runs on the keyboard.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    SDL_GameControllerEventState(SDL_ENABLE);
}

void StopPads() {
    for (auto& [id, pad] : Opened()) SDL_GameControllerClose(pad);
    Opened().clear();
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool HandlePadEvent(const void* libraryEvent, InputState& in) {
    const auto& e = *static_cast<const SDL_Event*>(libraryEvent);
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (const std::int32_t id = OpenPad(e.cdevice.which); id >= 0)
                ApplyPadEvent(in, {PadEventKind::Added, id});
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            ClosePad(e.cdevice.which);
            ApplyPadEvent(in, {PadEventKind::Removed, e.cdevice.which});
            return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            const auto kind = e.type == SDL_CONTROLLERBUTTONDOWN ? PadEventKind::ButtonDown
                                                                 : PadEventKind::ButtonUp;
            ApplyPadEvent(in, {kind, e.cbutton.which, e.cbutton.button});
            return true;
        }
        case SDL_CONTROLLERAXISMOTION:
            ApplyPadEvent(in, {PadEventKind::Axis, e.caxis.which, e.caxis.axis, e.caxis.value});
            return true;
        default:
            return false;
    }
}

}  // namespace presentation::detail
