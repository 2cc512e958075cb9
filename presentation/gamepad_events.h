// Internal to presentation/: the windowing library's game controller events as plain values, and
// how they change the pads of the input state. The real window's event thread opens each pad as
// it is plugged in and hands its events here (gamepad_events.cpp); tests hand in synthetic ones.
#pragma once

#include <cstdint>

#include "presentation/gamepad.h"

namespace presentation::detail {

struct InputState;

enum class PadEventKind : std::uint8_t { Added, Removed, ButtonDown, ButtonUp, Axis };

// Codes and values as the library numbers them: its button and axis numbers, axis -32768..32767.
struct PadEvent {
    PadEventKind Kind = PadEventKind::Added;
    std::int32_t Id = 0;  // instance id (Removed, buttons, axes)
    int Code = 0;         // button or axis number
    int Value = 0;        // axis position
};

// The game's button for the library's button number; Count for buttons the game does not map.
PadButton PadButtonOf(int libraryButton);

// The pads of the input state by instance id (gamepad.cpp); the caller holds the input lock.
PadState* FindPad(InputState& in, std::int32_t id);
void AddPad(InputState& in, std::int32_t id);  // a pad already there stays as it is
void DropPad(InputState& in, std::int32_t id);

// The caller holds the input lock.
void ApplyPadEvent(InputState& in, const PadEvent& e);

// Event thread: lets the library report controllers (those plugged in already arrive as
// "added" events) and closes them again at the end.
void StartPads();
void StopPads();
// Turns a library event into a pad change; false for events that are not about pads. Called
// with the input lock held.
bool HandlePadEvent(const void* libraryEvent, InputState& in);

}  // namespace presentation::detail
