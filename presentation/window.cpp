// The real window: every SDL call of the game happens on this file's event thread. It turns
// window events into the screen's input state (under InputMutex) and copies changed framebuffer
// rows, scaled to the window's size, into the window's surface (under DrawMutex) when no frame
// lock is held.
#include "presentation/window.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <string>
#include <thread>

#include "presentation/gamepad_events.h"
#include "presentation/screen_state.h"
#include "presentation/viewport.h"
#include "presentation/x11.h"

namespace presentation::detail {

struct Window::Impl {
    explicit Impl(ScreenState& screen) : Screen(screen) {}

    ScreenState& Screen;
    std::thread Thread;
    std::atomic<bool> StopRequested{false};
    std::atomic<bool> WakePending{false};
    std::atomic<bool> PointerChanged{false};
    Uint32 WakeEvent = 0;  // our own event type, pushed to end a wait early

    std::mutex StartMutex;
    std::condition_variable StartSignal;
    int StartResult = 0;  // 0 waiting, 1 open, -1 failed

    SDL_Window* Win = nullptr;
    bool Repaint = false;        // the window needs the whole frame shown again
    ViewRect View;               // the frame's place in the window
    FrameScaler Scaler;          // keeps its column map between frames
    std::vector<Pixel> Scratch;  // the scaled frame, when the surface's pixels differ from ours
    ShownFrame Shown;            // what the window shows, to skip rows redrawn unchanged
    bool Covering = false;       // full screen done here: a borderless window over the display
    SDL_Rect Windowed{};         // the window's place before Covering

    bool Open();
    void Close();
    void Run();
    void Handle(const SDL_Event& e);
    void HandleKey(const SDL_KeyboardEvent& key, bool down);
    void HandleText(const char* utf8);
    void HandleWindowEvent(const SDL_WindowEvent& w);
    void Present();
    bool Draw(SDL_Surface* target, int first, int last, SDL_Rect& shown);
    void ConvertInto(SDL_Surface* target, const SDL_Rect& rows);
    void MapPointer(InputState& in, int x, int y);
    bool HandleWindowKey(const SDL_KeyboardEvent& key);
    void ToggleFullscreen();
    void ToggleCovering();
    void Wake();
    void ReportStart(int result);
};

namespace {

// The program's file name without extension, as the window title.
std::string ProgramTitle() {
    std::string name = program_invocation_short_name;
    if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

// Keys that type no character: they reach the key ring as 255 and their scan code.
bool IsExtendedKey(SDL_Scancode code, Uint16 mod) {
    if (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F12) return true;
    if (code >= SDL_SCANCODE_INSERT && code <= SDL_SCANCODE_UP) return true;
    const bool keypadDigit = code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_PERIOD;
    return keypadDigit && !(mod & KMOD_NUM);
}

// Ctrl with a letter types its control character, as on a terminal (Ctrl+S is 19): text input
// drops it, and shortcuts need it typed, since a quick press may come and go between two frames.
// Ctrl+H, Ctrl+I and Ctrl+M would read as Backspace, Tab and Enter, so they type nothing.
TypedKey ControlCharacter(SDL_Keycode sym, Uint16 mod) {
    if ((mod & KMOD_CTRL) == 0 || (mod & KMOD_ALT) != 0 || sym < SDLK_a || sym > SDLK_z) return 0;
    if (sym == SDLK_h || sym == SDLK_i || sym == SDLK_m) return 0;
    return static_cast<TypedKey>(sym - SDLK_a + 1);
}

WindowOptions requestedOptions;  // set on the game thread before the window's thread starts

}  // namespace

WindowOptions RequestedOptions() {
    WindowOptions options = requestedOptions;
    options.Scale = std::clamp(options.Scale, 1, 8);
    return options;
}

}  // namespace presentation::detail

void presentation::SetWindowOptions(const WindowOptions& options) {
    detail::requestedOptions = options;
}

namespace presentation::detail {

int SetOneScanCode(int libraryScanCode) {
    switch (libraryScanCode) {
        case SDL_SCANCODE_ESCAPE:
            return 1;
        case SDL_SCANCODE_1:
            return 2;
        case SDL_SCANCODE_2:
            return 3;
        case SDL_SCANCODE_3:
            return 4;
        case SDL_SCANCODE_4:
            return 5;
        case SDL_SCANCODE_5:
            return 6;
        case SDL_SCANCODE_6:
            return 7;
        case SDL_SCANCODE_7:
            return 8;
        case SDL_SCANCODE_8:
            return 9;
        case SDL_SCANCODE_9:
            return 10;
        case SDL_SCANCODE_0:
            return 11;
        case SDL_SCANCODE_MINUS:
            return 12;
        case SDL_SCANCODE_EQUALS:
            return 13;
        case SDL_SCANCODE_BACKSPACE:
            return 14;
        case SDL_SCANCODE_TAB:
            return 15;
        case SDL_SCANCODE_Q:
            return 16;
        case SDL_SCANCODE_W:
            return 17;
        case SDL_SCANCODE_E:
            return 18;
        case SDL_SCANCODE_R:
            return 19;
        case SDL_SCANCODE_T:
            return 20;
        case SDL_SCANCODE_Y:
            return 21;
        case SDL_SCANCODE_U:
            return 22;
        case SDL_SCANCODE_I:
            return 23;
        case SDL_SCANCODE_O:
            return 24;
        case SDL_SCANCODE_P:
            return 25;
        case SDL_SCANCODE_LEFTBRACKET:
            return 26;
        case SDL_SCANCODE_RIGHTBRACKET:
            return 27;
        case SDL_SCANCODE_RETURN:
        case SDL_SCANCODE_KP_ENTER:
            return 28;
        case SDL_SCANCODE_LCTRL:
        case SDL_SCANCODE_RCTRL:
            return 29;
        case SDL_SCANCODE_A:
            return 30;
        case SDL_SCANCODE_S:
            return 31;
        case SDL_SCANCODE_D:
            return 32;
        case SDL_SCANCODE_F:
            return 33;
        case SDL_SCANCODE_G:
            return 34;
        case SDL_SCANCODE_H:
            return 35;
        case SDL_SCANCODE_J:
            return 36;
        case SDL_SCANCODE_K:
            return 37;
        case SDL_SCANCODE_L:
            return 38;
        case SDL_SCANCODE_SEMICOLON:
            return 39;
        case SDL_SCANCODE_APOSTROPHE:
            return 40;
        case SDL_SCANCODE_GRAVE:
            return 41;
        case SDL_SCANCODE_LSHIFT:
            return 42;
        case SDL_SCANCODE_BACKSLASH:
            return 43;
        case SDL_SCANCODE_Z:
            return 44;
        case SDL_SCANCODE_X:
            return 45;
        case SDL_SCANCODE_C:
            return 46;
        case SDL_SCANCODE_V:
            return 47;
        case SDL_SCANCODE_B:
            return 48;
        case SDL_SCANCODE_N:
            return 49;
        case SDL_SCANCODE_M:
            return 50;
        case SDL_SCANCODE_COMMA:
            return 51;
        case SDL_SCANCODE_PERIOD:
            return 52;
        case SDL_SCANCODE_SLASH:
        case SDL_SCANCODE_KP_DIVIDE:
            return 53;
        case SDL_SCANCODE_RSHIFT:
            return 54;
        case SDL_SCANCODE_KP_MULTIPLY:
            return 55;
        case SDL_SCANCODE_LALT:
        case SDL_SCANCODE_RALT:
            return 56;
        case SDL_SCANCODE_SPACE:
            return 57;
        case SDL_SCANCODE_CAPSLOCK:
            return 58;
        case SDL_SCANCODE_F1:
            return 59;
        case SDL_SCANCODE_F2:
            return 60;
        case SDL_SCANCODE_F3:
            return 61;
        case SDL_SCANCODE_F4:
            return 62;
        case SDL_SCANCODE_F5:
            return 63;
        case SDL_SCANCODE_F6:
            return 64;
        case SDL_SCANCODE_F7:
            return 65;
        case SDL_SCANCODE_F8:
            return 66;
        case SDL_SCANCODE_F9:
            return 67;
        case SDL_SCANCODE_F10:
            return 68;
        case SDL_SCANCODE_NUMLOCKCLEAR:
            return 69;
        case SDL_SCANCODE_SCROLLLOCK:
            return 70;
        case SDL_SCANCODE_HOME:
        case SDL_SCANCODE_KP_7:
            return 71;
        case SDL_SCANCODE_UP:
        case SDL_SCANCODE_KP_8:
            return 72;
        case SDL_SCANCODE_PAGEUP:
        case SDL_SCANCODE_KP_9:
            return 73;
        case SDL_SCANCODE_KP_MINUS:
            return 74;
        case SDL_SCANCODE_LEFT:
        case SDL_SCANCODE_KP_4:
            return 75;
        case SDL_SCANCODE_KP_5:
            return 76;
        case SDL_SCANCODE_RIGHT:
        case SDL_SCANCODE_KP_6:
            return 77;
        case SDL_SCANCODE_KP_PLUS:
            return 78;
        case SDL_SCANCODE_END:
        case SDL_SCANCODE_KP_1:
            return 79;
        case SDL_SCANCODE_DOWN:
        case SDL_SCANCODE_KP_2:
            return 80;
        case SDL_SCANCODE_PAGEDOWN:
        case SDL_SCANCODE_KP_3:
            return 81;
        case SDL_SCANCODE_INSERT:
        case SDL_SCANCODE_KP_0:
            return 82;
        case SDL_SCANCODE_DELETE:
        case SDL_SCANCODE_KP_PERIOD:
            return 83;
        case SDL_SCANCODE_F11:
            return 87;
        case SDL_SCANCODE_F12:
            return 88;
        case SDL_SCANCODE_LGUI:
            return 91;
        case SDL_SCANCODE_RGUI:
            return 92;
        case SDL_SCANCODE_APPLICATION:
            return 93;
        default:
            return 0;
    }
}

std::unique_ptr<Window> Window::Start(ScreenState& screen) {
    auto impl = std::make_unique<Impl>(screen);
    Impl* raw = impl.get();
    raw->Thread = std::thread([raw] { raw->Run(); });
    std::unique_lock lock(raw->StartMutex);
    raw->StartSignal.wait(lock, [raw] { return raw->StartResult != 0; });
    const bool opened = raw->StartResult > 0;
    lock.unlock();
    if (!opened) {
        raw->Thread.join();
        return nullptr;
    }
    return std::unique_ptr<Window>(new Window(std::move(impl)));
}

Window::Window(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Window::~Window() {
    Stop();
}

void Window::RequestShow() {
    impl_->Wake();
}

void Window::RequestPointerUpdate() {
    impl_->PointerChanged = true;
    impl_->Wake();
}

void Window::Stop() {
    if (!impl_ || !impl_->Thread.joinable()) return;
    if (impl_->Thread.get_id() == std::this_thread::get_id()) {
        // Ended from inside the event thread (a library that exits there): it cannot wait for
        // itself, and the process is ending anyway.
        impl_->Thread.detach();
        return;
    }
    impl_->StopRequested = true;
    impl_->Wake();
    impl_->Thread.join();
}

void Window::Impl::Wake() {
    if (WakeEvent == 0 || WakePending.exchange(true)) return;
    SDL_Event e{};
    e.type = WakeEvent;
    SDL_PushEvent(&e);
}

void Window::Impl::ReportStart(int result) {
    std::lock_guard lock(StartMutex);
    StartResult = result;
    StartSignal.notify_all();
}

// Without a display SDL falls back to drivers that show nothing; a game nobody can see must not
// pretend to run, so those count as "no window" unless asked for by name.
bool ShowsAnything(const char* driver) {
    const std::string name = driver ? driver : "";
    if (name != "offscreen" && name != "dummy") return true;
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    return requested && name == requested;
}

bool Window::Impl::Open() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");  // see below: no renderer behind it
    InstallDisplayLossHandlers();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    if (!ShowsAnything(SDL_GetCurrentVideoDriver())) {
        SDL_SetError("no display (only the %s video driver is available)",
                     SDL_GetCurrentVideoDriver());
        return false;
    }
    const WindowOptions options = RequestedOptions();
    const int w = Screen.Frame.Width * options.Scale;
    const int h = Screen.Frame.Height * options.Scale;
    Win = SDL_CreateWindow(ProgramTitle().c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                           w, h, SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
    if (!Win) return false;
    if (options.Fullscreen) ToggleFullscreen();  // the windowed size stays to come back to
    // The frame goes to the window's own surface (shared memory with the X server), not through
    // a renderer: without a GPU the renderer is OpenGL emulated on the CPU, which cost more than
    // the whole game, and a 1024 x 768 copy needs no acceleration anywhere.
    if (!SDL_GetWindowSurface(Win)) return false;
    WakeEvent = SDL_RegisterEvents(1);
    if (WakeEvent == static_cast<Uint32>(-1)) return false;
    SDL_StartTextInput();
    int windowW = 0, windowH = 0;
    SDL_GetWindowSize(Win, &windowW, &windowH);
    View = FitFrame(Screen.Frame.Width, Screen.Frame.Height, windowW, windowH);
    StartPads();
    Repaint = true;
    return true;
}

void Window::Impl::Close() {
    if (Win) SDL_DestroyWindow(Win);
    Win = nullptr;
    StopPads();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

void Window::Impl::Run() {
    if (!Open()) {
        // The caller only learns "no window"; the reason is worth a line for whoever looks.
        std::fprintf(stderr, "window: %s\n", SDL_GetError());
        Close();
        ReportStart(-1);
        return;
    }
    ReportStart(1);
    while (!StopRequested) {
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, 100)) {
            Handle(e);
            while (SDL_PollEvent(&e)) Handle(e);
        }
        Present();
    }
    Close();
}

void Window::Impl::Present() {
    SDL_Surface* target = SDL_GetWindowSurface(Win);  // renewed by SDL after a size change
    if (!target) return;
    SDL_Rect shown{};
    {
        std::lock_guard lock(Screen.DrawMutex);
        if (Screen.LockCount != 0) return;  // never show a frame half drawn
        int first = Screen.ChangedFirst, last = Screen.ChangedLast;
        if (Repaint) first = 0, last = Screen.Frame.Height - 1;
        if (last < first || !Draw(target, first, last, shown)) return;
        Screen.ChangedFirst = INT_MAX;
        Screen.ChangedLast = -1;
        Repaint = false;
    }
    if (shown.h > 0) SDL_UpdateWindowSurfaceRects(Win, &shown, 1);
}

// Scales framebuffer rows first..last into the window's surface (with the bars around the picture
// on a repaint) and sets the window rectangle that changed. The caller holds the draw lock.
bool Window::Impl::Draw(SDL_Surface* target, int first, int last, SDL_Rect& shown) {
    View = FitFrame(Screen.Frame.Width, Screen.Frame.Height, target->w, target->h);
    if (Repaint) Shown.Forget();
    if (!Shown.TakeChanged(Screen.Frame, first, last)) {
        shown = SDL_Rect{};  // the same picture again: nothing to send
        return true;
    }
    // The X server's usual 32-bit layout is ours; any other is converted after scaling.
    const Uint32 format = target->format->format;
    const bool direct = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
    if (!direct) Scratch.resize(static_cast<std::size_t>(target->w) * target->h);
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return false;
    const PixelTarget pixels =
        direct ? PixelTarget{static_cast<Pixel*>(target->pixels), target->w, target->h,
                             target->pitch / static_cast<int>(sizeof(Pixel))}
               : PixelTarget{Scratch.data(), target->w, target->h, target->w};
    if (Repaint) FrameScaler::FillBars(View, pixels);
    Scaler.Scale(Screen.Frame, View, pixels, first, last);
    const RowSpan rows = WindowRows(View, Screen.Frame.Height, first, last);
    shown = Repaint ? SDL_Rect{0, 0, target->w, target->h}
                    : SDL_Rect{View.X, rows.First, View.W, rows.Count};
    if (!direct) ConvertInto(target, shown);
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    return true;
}

void Window::Impl::ConvertInto(SDL_Surface* target, const SDL_Rect& rows) {
    if (rows.w <= 0 || rows.h <= 0) return;
    const Pixel* from = Scratch.data() + static_cast<std::size_t>(rows.y) * target->w + rows.x;
    auto* to = static_cast<Uint8*>(target->pixels) + rows.y * target->pitch +
               rows.x * target->format->BytesPerPixel;
    SDL_ConvertPixels(rows.w, rows.h, SDL_PIXELFORMAT_ARGB8888, from,
                      target->w * static_cast<int>(sizeof(Pixel)), target->format->format, to,
                      target->pitch);
}

// The pointer's window position in frame pixels; over a bar it is outside the drawing area.
void Window::Impl::MapPointer(InputState& in, int x, int y) {
    std::int32_t frameX = 0, frameY = 0;
    in.PointerInside =
        WindowToFrame(View, Screen.Frame.Width, Screen.Frame.Height, x, y, frameX, frameY);
    in.MouseX = frameX;
    in.MouseY = frameY;
}

void Window::Impl::Handle(const SDL_Event& e) {
    std::lock_guard lock(Screen.InputMutex);
    InputState& in = Screen.Input;
    if (HandlePadEvent(&e, in)) return;
    switch (e.type) {
        case SDL_KEYDOWN:
            HandleKey(e.key, true);
            break;
        case SDL_KEYUP:
            HandleKey(e.key, false);
            break;
        case SDL_TEXTINPUT:
            HandleText(e.text.text);
            break;
        case SDL_MOUSEMOTION:
            MapPointer(in, e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int bit = e.button.button == SDL_BUTTON_LEFT     ? 1
                            : e.button.button == SDL_BUTTON_RIGHT  ? 2
                            : e.button.button == SDL_BUTTON_MIDDLE ? 4
                                                                   : 0;
            in.Buttons = e.type == SDL_MOUSEBUTTONDOWN ? (in.Buttons | bit) : (in.Buttons & ~bit);
            MapPointer(in, e.button.x, e.button.y);
            break;
        }
        case SDL_MOUSEWHEEL:
            in.Wheel += e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            break;
        case SDL_WINDOWEVENT:
            HandleWindowEvent(e.window);
            break;
        default:
            if (e.type == WakeEvent) {
                WakePending = false;
                if (PointerChanged.exchange(false))
                    SDL_ShowCursor(in.MouseVisible ? SDL_ENABLE : SDL_DISABLE);
            }
            break;
    }
}

// F11 and Alt+Enter toggle full screen; they belong to the window and never reach the game (an
// Enter typed with Alt gave up the level).
bool Window::Impl::HandleWindowKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode sym = key.keysym.sym;
    const bool altEnter =
        (sym == SDLK_RETURN || sym == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT) != 0;
    if (!altEnter && sym != SDLK_F11) return false;
    if (key.state == SDL_PRESSED && key.repeat == 0) ToggleFullscreen();
    return true;
}

void Window::Impl::ToggleFullscreen() {
    Repaint = true;
    if (Covering || !WindowManagerRunning(Win)) return ToggleCovering();
    const bool full = (SDL_GetWindowFlags(Win) & SDL_WINDOW_FULLSCREEN) != 0;
    SDL_SetWindowFullscreen(Win, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

// Full screen without a window manager (a bare X server, a kiosk): the window itself covers the
// display without a border, and goes back to its place.
void Window::Impl::ToggleCovering() {
    if (Covering) {
        SDL_SetWindowBordered(Win, SDL_TRUE);
        SDL_SetWindowSize(Win, Windowed.w, Windowed.h);
        SDL_SetWindowPosition(Win, Windowed.x, Windowed.y);
        Covering = false;
        return;
    }
    SDL_Rect display{};
    if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(Win)), &display) != 0) return;
    SDL_GetWindowPosition(Win, &Windowed.x, &Windowed.y);
    SDL_GetWindowSize(Win, &Windowed.w, &Windowed.h);
    SDL_SetWindowBordered(Win, SDL_FALSE);
    SDL_SetWindowPosition(Win, display.x, display.y);
    SDL_SetWindowSize(Win, display.w, display.h);
    Covering = true;
}

void Window::Impl::HandleKey(const SDL_KeyboardEvent& key, bool down) {
    InputState& in = Screen.Input;
    if (HandleWindowKey(key)) return;
    const int code = SetOneScanCode(key.keysym.scancode);
    if (code > 0) in.Held[code] = down;
    if (!down) return;
    switch (key.keysym.sym) {
        case SDLK_BACKSPACE:
            return in.PushKey(8);
        case SDLK_TAB:
            return in.PushKey(9);
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return in.PushKey(13);
        case SDLK_ESCAPE:
            return in.PushKey(27);
        default:
            break;
    }
    if (const TypedKey control = ControlCharacter(key.keysym.sym, key.keysym.mod))
        return in.PushKey(control);
    // Keys that type characters arrive again as text input; only the others go in here.
    if (code > 0 && IsExtendedKey(key.keysym.scancode, key.keysym.mod))
        in.PushKey(ExtendedKey(code));
}

void Window::Impl::HandleText(const char* utf8) {
    // Characters below 256 are kept as one byte each; others have no place in the game's texts.
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        unsigned codePoint = *p;
        int extra = 0;
        if (codePoint >= 0xF0)
            codePoint &= 0x07, extra = 3;
        else if (codePoint >= 0xE0)
            codePoint &= 0x0F, extra = 2;
        else if (codePoint >= 0xC0)
            codePoint &= 0x1F, extra = 1;
        ++p;
        for (; extra > 0 && (*p & 0xC0) == 0x80; --extra, ++p)
            codePoint = (codePoint << 6) | (*p & 0x3F);
        if (codePoint >= 32 && codePoint < 256 && codePoint != 127)
            Screen.Input.PushKey(static_cast<TypedKey>(codePoint));
    }
}

void Window::Impl::HandleWindowEvent(const SDL_WindowEvent& w) {
    InputState& in = Screen.Input;
    switch (w.event) {
        case SDL_WINDOWEVENT_ENTER:
            in.PointerInside = true;
            break;
        case SDL_WINDOWEVENT_LEAVE:
            in.PointerInside = false;
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
            in.ReleaseAll();
            in.Active = w.event == SDL_WINDOWEVENT_FOCUS_GAINED;
            break;
        case SDL_WINDOWEVENT_CLOSE:
            // The close key is still typed, and the request stays for the game's loops to see.
            in.PushKey(ExtendedKey('k'));
            in.CloseRequested = true;
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            Repaint = true;
            break;
        default:
            break;
    }
}

}  // namespace presentation::detail
