// Keyboard, typed keys, mouse and sleeping. The game thread reads; the window's event thread
// writes (window.cpp); both under InputMutex. The memory screen's test controls live here too.
#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

#include "presentation/screen_state.h"
#include "presentation/screen_testing.h"
#include "presentation/window.h"

namespace presentation {

using detail::Current;

namespace detail {

void InputState::PushKey(TypedKey key) {
    Ring[Tail] = key;
    Tail = (Tail + 1) % static_cast<int>(Ring.size());
    if (Tail == Head) Head = (Head + 1) % static_cast<int>(Ring.size());  // drop the oldest
    TypedFlag = true;
}

bool InputState::PopKey(TypedKey& key) {
    if (Head == Tail) return false;
    key = Ring[Head];
    Head = (Head + 1) % static_cast<int>(Ring.size());
    return true;
}

void InputState::ReleaseAll() {
    Held.fill(false);
    Buttons = 0;
}

}  // namespace detail

namespace {

template <typename Read>
auto WithInput(Read&& read) {
    auto* s = Current();
    static detail::InputState closed;  // what input looks like with no screen: nothing held
    if (!s) return read(closed);
    std::lock_guard lock(s->InputMutex);
    return read(s->Input);
}

std::string KeyText(detail::TypedKey key) {
    if (key < 256) return std::string(1, static_cast<char>(key));
    return std::string{'\xFF', static_cast<char>(key & 0xFF)};
}

bool TakeTypedFlag() {
    return WithInput([](detail::InputState& in) { return std::exchange(in.TypedFlag, false); });
}

// One poll interval of a blocking wait. The memory screen does not block: it advances its clock
// and lets the test act; false means "nothing will ever come, stop waiting".
bool PollSleep(int milliseconds) {
    auto* s = Current();
    if (s && s->Memory) {
        s->FakeSeconds += milliseconds / 1000.0;
        s->SleptMs += milliseconds;
        if (!s->IdleHook) return false;
        s->IdleHook();
        return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    return true;
}

void PlainSleep(int milliseconds) {
    if (milliseconds <= 0) return;
    auto* s = Current();
    if (s && s->Memory) {
        s->FakeSeconds += milliseconds / 1000.0;
        s->SleptMs += milliseconds;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace

int IsKeyDown(int scanCode) {
    if (scanCode < 0 || scanCode > 127) return 0;
    return WithInput([&](detail::InputState& in) { return in.Held[scanCode] ? -1 : 0; });
}

std::string ReadKey() {
    return WithInput([](detail::InputState& in) {
        detail::TypedKey key = 0;
        if (!in.PopKey(key)) return std::string();
        in.TypedFlag = false;
        return KeyText(key);
    });
}

std::string PeekKey() {
    return WithInput([](detail::InputState& in) {
        if (in.Head == in.Tail) return std::string();
        return KeyText(in.Ring[in.Head]);
    });
}

int WaitKey() {
    for (;;) {
        const std::string key = ReadKey();
        if (!key.empty()) return static_cast<unsigned char>(key[0]);
        if (!PollSleep(20)) return 0;
    }
}

MouseState GetMouse() {
    return WithInput([](detail::InputState& in) {
        if (!Current() || !in.Active || !in.PointerInside) return MouseState{-1, -1, -1, -1, -1};
        return MouseState{in.MouseX, in.MouseY, in.Wheel, in.Buttons, 0};
    });
}

void SetMouseVisible(int visible) {
    auto* s = Current();
    if (!s) return;
    WithInput([&](detail::InputState& in) { in.MouseVisible = visible != 0; });
    if (s->RealWindow) s->RealWindow->RequestPointerUpdate();
}

namespace {

void SleepInMode(std::int32_t milliseconds, int mode) {
    if (mode == 1) return PlainSleep(milliseconds);
    if (mode != 0) return;
    if (milliseconds == -1) {
        while (!TakeTypedFlag())
            if (!PollSleep(50)) return;
        return;
    }
    if (milliseconds < 100) return PlainSleep(milliseconds);
    for (std::int32_t left = milliseconds; left > 0; left -= 50) {
        if (TakeTypedFlag()) return;
        if (!PollSleep(std::min<std::int32_t>(50, left))) return PlainSleep(left - 50);
    }
}

}  // namespace

void SleepMs(std::int32_t milliseconds, int mode) {
    SleepInMode(milliseconds, mode);
    auto* s = Current();
    if (s && s->Memory && s->SleepHook) s->SleepHook();
}

bool CloseRequested() {
    return WithInput([](detail::InputState& in) { return in.CloseRequested; });
}

void DismissCloseRequest() {
    WithInput([](detail::InputState& in) { in.CloseRequested = false; });
}

bool QuitRequested() {
    return IsKeyDown(scan::Escape) != 0 || CloseRequested();
}

// ---- The memory screen's controls --------------------------------------------------------------

namespace testing {

namespace {
template <typename Change>
void Input(Change&& change) {
    if (auto* s = Current()) {
        std::lock_guard lock(s->InputMutex);
        change(s->Input);
    }
}
}  // namespace

void OpenMemoryScreen(std::int32_t width, std::int32_t height) {
    auto screen = std::make_unique<detail::ScreenState>(width, height);
    screen->Memory = true;
    detail::Install(std::move(screen));
}

Pixel ScreenPixel(std::int32_t x, std::int32_t y) {
    auto* s = Current();
    if (!s || x < 0 || y < 0 || x >= s->Frame.Width || y >= s->Frame.Height) return 0;
    std::lock_guard lock(s->DrawMutex);
    return s->Frame.Row(y)[x];
}

int ShownFrames() {
    return Current() ? Current()->ShownFrames : 0;
}

void PressKey(int scanCode) {
    Input([&](detail::InputState& in) {
        if (scanCode >= 0 && scanCode < 128) in.Held[scanCode] = true;
    });
}

void ReleaseKey(int scanCode) {
    Input([&](detail::InputState& in) {
        if (scanCode >= 0 && scanCode < 128) in.Held[scanCode] = false;
    });
}

void ReleaseAllKeys() {
    Input([](detail::InputState& in) { in.Held.fill(false); });
}

void TypeKey(std::string_view key) {
    if (key.empty()) return;
    const auto first = static_cast<unsigned char>(key[0]);
    const detail::TypedKey code = (first == 0xFF && key.size() > 1)
                                      ? detail::ExtendedKey(static_cast<unsigned char>(key[1]))
                                      : first;
    Input([&](detail::InputState& in) { in.PushKey(code); });
}

void TypeText(std::string_view text) {
    for (char c : text) TypeKey(std::string_view(&c, 1));
}

void SetMouse(std::int32_t x, std::int32_t y, std::int32_t buttons, std::int32_t wheel) {
    Input([&](detail::InputState& in) {
        in.MouseX = x;
        in.MouseY = y;
        in.Buttons = buttons;
        in.Wheel = wheel;
        in.PointerInside = true;
    });
}

void SetPointerInside(bool inside) {
    Input([&](detail::InputState& in) { in.PointerInside = inside; });
}

void RequestClose() {
    Input([](detail::InputState& in) {
        in.PushKey(detail::ExtendedKey('k'));
        in.CloseRequested = true;
    });
}

void SetWindowActive(bool active) {
    Input([&](detail::InputState& in) {
        if (in.Active != active) in.ReleaseAll();
        in.Active = active;
    });
}

bool MouseVisible() {
    bool visible = true;
    Input([&](detail::InputState& in) { visible = in.MouseVisible; });
    return visible;
}

void AdvanceClock(double seconds) {
    if (auto* s = Current()) s->FakeSeconds += seconds;
}

double SleptMilliseconds() {
    return Current() ? Current()->SleptMs : 0;
}

void SetIdleHook(std::function<void()> hook) {
    if (auto* s = Current()) s->IdleHook = std::move(hook);
}

void SetSleepHook(std::function<void()> hook) {
    if (auto* s = Current()) s->SleepHook = std::move(hook);
}

}  // namespace testing

}  // namespace presentation
