// Screen, image and input services: the one layer between the game and the machine.
//
// Owns the window, the 32-bit framebuffer, off-screen images, drawing, the keyboard (held keys by
// PC set-1 scan code and a ring of typed keys), the mouse, sleeping, the clock and the random
// sequence. Nothing above this folder includes the windowing library.
//
// Threads: every operation may be called from the game thread (or a toolkit thread). A real
// screen also runs its own event thread, which pumps window events into the input state and shows
// the framebuffer whenever rows changed and no `LockScreen` is held. Input reads run under one
// lock; drawing and showing share a second one.
//
// There is one screen per process. Tests open it in memory-only mode (screen_testing.h): the same
// framebuffer and drawing, no window, no thread, injected input and a fake clock.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace presentation {

// A pixel is 0xAARRGGBB; the top byte is stored and copied but never shown.
using Pixel = std::uint32_t;

inline constexpr Pixel KeyColour = 0xFF00FF;  // magenta: skipped by Keyed blits

// Off-screen picture, pixels row by row from the top. Width and Height are at least 1.
struct ImageBuffer {
    ImageBuffer(std::int32_t width, std::int32_t height, Pixel fill);

    std::int32_t Width;         // pixels
    std::int32_t Height;        // pixels
    std::vector<Pixel> Pixels;  // Width * Height, row-major

    Pixel* Row(std::int32_t y) { return Pixels.data() + static_cast<std::size_t>(y) * Width; }
    const Pixel* Row(std::int32_t y) const {
        return Pixels.data() + static_cast<std::size_t>(y) * Width;
    }
};

// Owning image handle; null means "no image" and every operation accepts it and does nothing.
using Image = std::unique_ptr<ImageBuffer>;

enum class PutMode { Opaque, Keyed };
enum class LineKind { Segment, Box, FilledBox };
enum class LoadStatus { Loaded, FileMissing, BadFile };

// Where a drawing operation paints: the screen, or an image (a null image paints nothing).
class DrawTarget {
  public:
    constexpr DrawTarget() = default;  // the screen
    DrawTarget(ImageBuffer* image) : image_(image), isScreen_(false) {}
    DrawTarget(const Image& image) : image_(image.get()), isScreen_(false) {}

    bool IsScreen() const { return isScreen_; }
    ImageBuffer* GetImage() const { return image_; }

  private:
    ImageBuffer* image_ = nullptr;
    bool isScreen_ = true;
};

inline constexpr DrawTarget Screen{};

// Images larger than this on either side, or with more pixels in all, are refused (null), so a
// hostile bitmap header cannot make the game allocate gigabytes.
inline constexpr std::int32_t MaxImageSide = 16384;
inline constexpr std::int64_t MaxImagePixels = 64LL * 1024 * 1024;

// ---- Window, frame and text --------------------------------------------------------------

// Opens the window (drawing area width x height, not full-screen) and starts its event thread.
// Depth must be one of 1, 2, 4, 8, 15, 16, 24, 32; pixels are always 32-bit. The title is the
// program's file name without extension. Returns false when no window can be opened.
bool OpenScreen(std::int32_t width, std::int32_t height, std::int32_t depth);

// Stops the event thread and closes the window (or the memory screen). Safe to call twice; also
// run automatically at process exit.
void CloseScreen();

// How the next OpenScreen shows its window. Whatever the window's size, the drawing area stays
// width x height: it is shown scaled to the window with its aspect kept and black bars around
// it, and the mouse is reported in drawing-area pixels. F11 and Alt+Enter toggle full screen.
struct WindowOptions {
    std::int32_t Scale = 1;   // the window opens at this many times the drawing area (1 to 8)
    bool Fullscreen = false;  // opens full screen at the desktop's resolution
};
// Called on the game thread before OpenScreen.
void SetWindowOptions(const WindowOptions& options);

bool IsScreenOpen();
std::int32_t ScreenWidth();
std::int32_t ScreenHeight();

// Starts a frame: locks nest, and while any is held the window shows nothing new.
void LockScreen();
// Marks rows first..last as changed ((-1, -1) = all) and releases one lock; at zero the changed
// rows are shown.
void UnlockScreen(std::int32_t firstRow = -1, std::int32_t lastRow = -1);

void ClearScreen();  // background colour everywhere; text cursor to the top-left cell
void SetColours(Pixel foreground, Pixel background);
// Writes the text at the text cursor (cells of 8 x 8, wrapping at the right edge; '\n' starts a
// new line) and moves the cursor to the start of the next line.
void PrintText(std::string_view text);

// ---- Images and drawing --------------------------------------------------------------------

// A new image with every pixel set to fill (KeyColour when none is given). Null when a side is
// below 1, beyond the limits above, or no screen is open.
Image CreateImage(std::int32_t width, std::int32_t height, Pixel fill = KeyColour);
void DestroyImage(Image& image);

// Reads a Windows bitmap file into the image from its top-left pixel. Backslashes in the path are
// directory separators. With a null image nothing is read.
LoadStatus LoadBitmap(std::string_view path, ImageBuffer* image);
inline LoadStatus LoadBitmap(std::string_view path, const Image& image) {
    return LoadBitmap(path, image.get());
}

// Draws the whole image onto the screen with its top-left pixel at (x, y), clipped.
void PutImage(std::int32_t x, std::int32_t y, const ImageBuffer* image, PutMode mode);
inline void PutImage(std::int32_t x, std::int32_t y, const Image& image, PutMode mode) {
    PutImage(x, y, image.get(), mode);
}

// Both end points belong to the figure; box corners may come in either order.
void DrawLine(DrawTarget target, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              Pixel colour, LineKind kind);
// A circle outline or a filled disc; a radius of 0 or less draws nothing.
void DrawCircle(DrawTarget target, std::int32_t cx, std::int32_t cy, std::int32_t radius,
                Pixel colour, bool filled);
// Each byte's glyph in its 8 x 8 cell; only the glyph's set pixels are painted.
void DrawText(DrawTarget target, std::int32_t x, std::int32_t y, std::string_view text,
              Pixel colour);

// ---- Input, time and numbers ----------------------------------------------------------------

// Scan codes the game reads (PC set 1).
namespace scan {
inline constexpr int Escape = 1;
inline constexpr int Backspace = 14;
inline constexpr int Tab = 15;
inline constexpr int W = 17;
inline constexpr int Enter = 28;
inline constexpr int A = 30;
inline constexpr int S = 31;
inline constexpr int D = 32;
inline constexpr int Space = 57;
inline constexpr int Up = 72;
inline constexpr int Left = 75;
inline constexpr int Right = 77;
inline constexpr int Down = 80;
}  // namespace scan

// -1 while the key is held, else 0 (codes outside 0..127 give 0).
int IsKeyDown(int scanCode);

// Takes the oldest typed key: "" when none; one character (8 Backspace, 13 Enter, 27 Escape, a
// control character 1..26 for Ctrl with a letter other than H, I and M, the typed character
// otherwise); or "\xFF" followed by the scan code for other keys.
std::string ReadKey();
// The key ReadKey would take, left in place: a screen's shortcuts can take theirs and leave the
// rest to a focused text field.
std::string PeekKey();

// Waits until a key is typed (looking every 20 ms), takes it and returns the code of its first
// character.
int WaitKey();

struct MouseState {
    std::int32_t X;        // window pixels
    std::int32_t Y;        // window pixels
    std::int32_t Wheel;    // accumulated wheel position
    std::int32_t Buttons;  // 1 left, 2 right, 4 middle
    std::int32_t Clip;     // 0 inside the drawing area
};
// All five values are -1 while the window is inactive or the pointer is outside it.
MouseState GetMouse();

// True once the window manager has asked the window to close (its close button). The request
// stays until the screen closes or it is dismissed; the close key (255, 'k') is typed as well.
bool CloseRequested();
// Withdraws the close request, for a screen that asks first when closing would lose work; the
// close button asks again.
void DismissCloseRequest();
// Escape held, or the close request: what the game's loops test to end as Escape ends them.
bool QuitRequested();
void SetMouseVisible(int visible);

// Mode 1 sleeps the time. Mode 0 sleeps below 100 ms whole, and longer times in 50 ms steps that
// end early when a key was typed; milliseconds -1 in mode 0 waits for a typed key. Other modes do
// not sleep.
void SleepMs(std::int32_t milliseconds, int mode);

double TimerSeconds();  // monotonic, sub-millisecond, arbitrary origin

// ---- Paths -----------------------------------------------------------------------------------

// The game writes resource paths with backslashes ("res\map\earth.bmp"); on this platform they
// are directory separators.
std::string NativePath(std::string_view path);

}  // namespace presentation
