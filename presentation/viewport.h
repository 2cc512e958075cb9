// Internal to presentation/: where the framebuffer appears in a window of any size, and the
// nearest-neighbour copy that puts it there. Pure arithmetic on pixels, no windowing library: the
// window's event thread calls it with the window's surface, the tests and the blit benchmark call
// it with plain memory.
#pragma once

#include <cstdint>
#include <vector>

#include "presentation/screen_services.h"

namespace presentation::detail {

struct ViewRect {
    std::int32_t X = 0;  // left edge of the picture in the window, pixels
    std::int32_t Y = 0;  // top edge
    std::int32_t W = 0;  // picture width; 0 when the window has no room at all
    std::int32_t H = 0;  // picture height

    bool operator==(const ViewRect&) const = default;
};

// The frame's place in the window, centred with its aspect kept: the largest whole factor that
// fits (so every frame pixel is a square block of window pixels), or, for a window smaller than
// the frame, the largest aspect-kept size below it. The rest of the window is black bars.
ViewRect FitFrame(std::int32_t frameW, std::int32_t frameH, std::int32_t windowW,
                  std::int32_t windowH);

// A window pixel mapped to the frame pixel it shows. False when the window pixel is on a bar (the
// mapped position then lies outside the frame, on the side of the bar).
bool WindowToFrame(const ViewRect& view, std::int32_t frameW, std::int32_t frameH,
                   std::int32_t windowX, std::int32_t windowY, std::int32_t& frameX,
                   std::int32_t& frameY);

// The window rows (first, count) that show frame rows first..last.
struct RowSpan {
    std::int32_t First = 0;
    std::int32_t Count = 0;
};
RowSpan WindowRows(const ViewRect& view, std::int32_t frameH, std::int32_t first,
                   std::int32_t last);

// The frame as the window last showed it. The game redraws the whole frame every frame, mostly
// with what was there already; rows that came out the same need not be scaled, copied to the
// window or sent to the display again.
class ShownFrame {
  public:
    // Narrows rows first..last to the span from the first to the last row that differs from the
    // copy, and takes that span into the copy. False when no row differs. After Forget (and at
    // first) every row differs.
    bool TakeChanged(const ImageBuffer& frame, std::int32_t& first, std::int32_t& last);
    void Forget() { valid_ = false; }

  private:
    bool Same(const ImageBuffer& frame, std::int32_t row) const;

    std::vector<Pixel> pixels_;  // frame-sized, row-major
    bool valid_ = false;         // pixels_ holds what the window shows
};

// A 32-bit target in memory: Width x Height pixels, rows Pitch pixels apart.
struct PixelTarget {
    Pixel* Pixels;
    std::int32_t Width;
    std::int32_t Height;
    std::int32_t Pitch;
};

// Copies frame rows first..last into the picture's place in the target, nearest neighbour. The
// caller keeps the column map (rebuilt when the view changes) between calls.
class FrameScaler {
  public:
    void Scale(const ImageBuffer& frame, const ViewRect& view, PixelTarget target,
               std::int32_t first, std::int32_t last);
    // Paints everything outside the picture black.
    static void FillBars(const ViewRect& view, PixelTarget target);

  private:
    void ScaleRow(const Pixel* source, std::int32_t width, Pixel* out, std::int32_t factor) const;

    std::vector<std::int32_t> columns_;  // frame column shown by each picture column
    std::int32_t columnsFrameW_ = 0;     // the frame width the map was built for
};

}  // namespace presentation::detail
