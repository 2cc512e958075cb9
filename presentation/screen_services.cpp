// The screen's lifetime, frame locking, text output, images, time, random numbers and paths.
// Called from the game thread; the window's event thread only reads the framebuffer under
// DrawMutex (window.cpp).
#include "presentation/screen_services.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "presentation/raster.h"
#include "presentation/screen_state.h"
#include "presentation/window.h"

namespace presentation {

ImageBuffer::ImageBuffer(std::int32_t width, std::int32_t height, Pixel fill)
    : Width(width), Height(height), Pixels(static_cast<std::size_t>(width) * height, fill) {}

namespace detail {

namespace {
// Never destroyed by a static destructor: CloseScreen (also registered with atexit) ends the
// event thread first, so no thread can touch a screen that is being torn down.
ScreenState* current = nullptr;
}  // namespace

ScreenState* Current() {
    return current;
}

void Install(std::unique_ptr<ScreenState> screen) {
    static const bool registered = (std::atexit([] { Install(nullptr); }), true);
    (void)registered;
    if (current) {
        if (current->RealWindow) current->RealWindow->Stop();
        delete current;
    }
    current = screen.release();
}

void MarkRows(ScreenState& s, std::int64_t first, std::int64_t last) {
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, s.Frame.Height - 1);
    if (first > last) return;
    s.ChangedFirst = std::min(s.ChangedFirst, static_cast<std::int32_t>(first));
    s.ChangedLast = std::max(s.ChangedLast, static_cast<std::int32_t>(last));
}

void RequestShow(ScreenState& s) {
    if (s.RealWindow) s.RealWindow->RequestShow();
}

}  // namespace detail

using detail::Current;

namespace {

bool ValidDepth(std::int32_t depth) {
    for (int d : {1, 2, 4, 8, 15, 16, 24, 32})
        if (d == depth) return true;
    return false;
}

bool ValidSize(std::int64_t width, std::int64_t height) {
    return width >= 1 && height >= 1 && width <= MaxImageSide && height <= MaxImageSide &&
           width * height <= MaxImagePixels;
}

// Counts a frame as shown when no lock is left and rows changed; the caller holds DrawMutex.
// True when the window should be asked to show it.
bool FrameDone(detail::ScreenState& s) {
    if (s.LockCount > 0 || s.ChangedLast < 0) return false;
    ++s.ShownFrames;
    if (s.Memory) s.ChangedFirst = INT_MAX, s.ChangedLast = -1;
    return true;
}

}  // namespace

bool OpenScreen(std::int32_t width, std::int32_t height, std::int32_t depth) {
    if (!ValidDepth(depth) || !ValidSize(width, height)) return false;
    detail::Install(nullptr);
    auto screen = std::make_unique<detail::ScreenState>(width, height);
    screen->RealWindow = detail::Window::Start(*screen);
    if (!screen->RealWindow) {
        // On a heavily loaded machine the display connection has been seen to fail once and
        // work a moment later; one more try costs a quarter second only when opening failed.
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        screen->RealWindow = detail::Window::Start(*screen);
    }
    if (!screen->RealWindow) return false;
    detail::Install(std::move(screen));
    return true;
}

void CloseScreen() {
    detail::Install(nullptr);
}

bool IsScreenOpen() {
    return Current() != nullptr;
}
std::int32_t ScreenWidth() {
    return Current() ? Current()->Frame.Width : 0;
}
std::int32_t ScreenHeight() {
    return Current() ? Current()->Frame.Height : 0;
}

void LockScreen() {
    if (auto* s = Current()) {
        std::lock_guard lock(s->DrawMutex);
        ++s->LockCount;
    }
}

void UnlockScreen(std::int32_t firstRow, std::int32_t lastRow) {
    auto* s = Current();
    if (!s) return;
    bool show = false;
    {
        std::lock_guard lock(s->DrawMutex);
        if (firstRow < 0 && lastRow < 0) {
            detail::MarkRows(*s, 0, s->Frame.Height - 1);
        } else {
            detail::MarkRows(*s, std::min(firstRow, lastRow), std::max(firstRow, lastRow));
        }
        if (s->LockCount > 0) --s->LockCount;
        show = FrameDone(*s);
    }
    if (show) detail::RequestShow(*s);
}

// Runs one drawing operation on the framebuffer. Holding DrawMutex keeps the window from showing
// a half-drawn operation; outside a LockScreen pair the operation is then shown on its own.
template <typename Draw>
void OnScreen(std::int64_t firstRow, std::int64_t lastRow, Draw&& draw) {
    auto* s = Current();
    if (!s) return;
    bool show = false;
    {
        std::lock_guard lock(s->DrawMutex);
        draw(s->Frame);
        detail::MarkRows(*s, firstRow, lastRow);
        show = FrameDone(*s);
    }
    if (show) detail::RequestShow(*s);
}

void ClearScreen() {
    auto* s = Current();
    if (!s) return;
    const Pixel background = s->Background;
    OnScreen(0, s->Frame.Height - 1, [&](ImageBuffer& frame) {
        std::fill(frame.Pixels.begin(), frame.Pixels.end(), background);
    });
    s->CursorColumn = 0;
    s->CursorRow = 0;
}

void SetColours(Pixel foreground, Pixel background) {
    if (auto* s = Current()) {
        s->Foreground = foreground;
        s->Background = background;
    }
}

void PrintText(std::string_view text) {
    auto* s = Current();
    if (!s) return;
    const std::int32_t columns = std::max(1, s->Frame.Width / 8);
    auto put = [&](ImageBuffer& frame) {
        for (char c : text) {
            if (c == '\n' || s->CursorColumn >= columns) {
                s->CursorColumn = 0;
                ++s->CursorRow;
                if (c == '\n') continue;
            }
            const std::int64_t x = 8LL * s->CursorColumn;
            const std::int64_t y = 8LL * s->CursorRow;
            raster::FillRect(frame, x, y, x + 7, y + 7, s->Background);
            raster::Text(frame, x, y, std::string_view(&c, 1), s->Foreground);
            ++s->CursorColumn;
        }
        s->CursorColumn = 0;
        ++s->CursorRow;
    };
    OnScreen(0, s->Frame.Height - 1, put);
}

Image CreateImage(std::int32_t width, std::int32_t height, Pixel fill) {
    if (!Current() || !ValidSize(width, height)) return nullptr;
    return std::make_unique<ImageBuffer>(width, height, fill);
}

void DestroyImage(Image& image) {
    image.reset();
}

void PutImage(std::int32_t x, std::int32_t y, const ImageBuffer* image, PutMode mode) {
    if (!image) return;
    OnScreen(y, static_cast<std::int64_t>(y) + image->Height - 1,
             [&](ImageBuffer& frame) { raster::Blit(frame, x, y, *image, mode); });
}

// Draws into an image directly, or onto the screen as a locked operation over the given rows.
template <typename Draw>
void OnTarget(DrawTarget target, std::int64_t firstRow, std::int64_t lastRow, Draw&& draw) {
    if (!target.IsScreen()) {
        if (target.GetImage()) draw(*target.GetImage());
        return;
    }
    OnScreen(firstRow, lastRow, draw);
}

void DrawLine(DrawTarget target, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              Pixel colour, LineKind kind) {
    OnTarget(target, std::min(y1, y2), std::max(y1, y2), [&](ImageBuffer& t) {
        switch (kind) {
            case LineKind::Segment:
                raster::Line(t, x1, y1, x2, y2, colour);
                break;
            case LineKind::Box:
                raster::Outline(t, x1, y1, x2, y2, colour);
                break;
            case LineKind::FilledBox:
                raster::FillRect(t, x1, y1, x2, y2, colour);
                break;
        }
    });
}

void DrawCircle(DrawTarget target, std::int32_t cx, std::int32_t cy, std::int32_t radius,
                Pixel colour, bool filled) {
    if (radius <= 0) return;
    const std::int64_t r = radius;
    OnTarget(target, cy - r, cy + r,
             [&](ImageBuffer& t) { raster::Circle(t, cx, cy, r, colour, filled); });
}

void DrawText(DrawTarget target, std::int32_t x, std::int32_t y, std::string_view text,
              Pixel colour) {
    OnTarget(target, y, static_cast<std::int64_t>(y) + 7,
             [&](ImageBuffer& t) { raster::Text(t, x, y, text, colour); });
}

double TimerSeconds() {
    if (auto* s = Current(); s && s->Memory) return s->FakeSeconds;
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::string NativePath(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

}  // namespace presentation
