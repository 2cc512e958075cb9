// The frame's place in a window and its nearest-neighbour copy; see viewport.h. Called on the
// window's event thread under the draw lock (and by tests and benchmarks on their own thread).
#include "presentation/viewport.h"

#include <algorithm>
#include <cstring>

namespace presentation::detail {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return -FloorDiv(-a, b);
}

// The whole factor of the view when it has one (every frame pixel a k x k block), else 0.
std::int32_t WholeFactor(const ViewRect& view, std::int32_t frameW, std::int32_t frameH) {
    if (view.W % frameW != 0) return 0;
    const std::int32_t k = view.W / frameW;
    return view.H == k * frameH ? k : 0;
}

void FillRow(Pixel* row, std::int32_t from, std::int32_t to) {
    if (to > from) std::fill(row + from, row + to, Pixel{0});
}

}  // namespace

ViewRect FitFrame(std::int32_t frameW, std::int32_t frameH, std::int32_t windowW,
                  std::int32_t windowH) {
    if (frameW <= 0 || frameH <= 0 || windowW <= 0 || windowH <= 0) return {};
    std::int64_t w = 0, h = 0;
    if (const std::int32_t k = std::min(windowW / frameW, windowH / frameH); k >= 1) {
        w = std::int64_t{frameW} * k, h = std::int64_t{frameH} * k;
    } else if (std::int64_t{windowW} * frameH <= std::int64_t{windowH} * frameW) {
        w = windowW, h = std::max<std::int64_t>(1, std::int64_t{windowW} * frameH / frameW);
    } else {
        h = windowH, w = std::max<std::int64_t>(1, std::int64_t{windowH} * frameW / frameH);
    }
    return ViewRect{static_cast<std::int32_t>((windowW - w) / 2),
                    static_cast<std::int32_t>((windowH - h) / 2), static_cast<std::int32_t>(w),
                    static_cast<std::int32_t>(h)};
}

bool WindowToFrame(const ViewRect& view, std::int32_t frameW, std::int32_t frameH,
                   std::int32_t windowX, std::int32_t windowY, std::int32_t& frameX,
                   std::int32_t& frameY) {
    if (view.W <= 0 || view.H <= 0) return false;
    frameX = static_cast<std::int32_t>(FloorDiv((std::int64_t{windowX} - view.X) * frameW, view.W));
    frameY = static_cast<std::int32_t>(FloorDiv((std::int64_t{windowY} - view.Y) * frameH, view.H));
    return frameX >= 0 && frameY >= 0 && frameX < frameW && frameY < frameH;
}

RowSpan WindowRows(const ViewRect& view, std::int32_t frameH, std::int32_t first,
                   std::int32_t last) {
    first = std::max(first, 0);
    last = std::min(last, frameH - 1);
    if (view.H <= 0 || first > last) return {};
    const std::int64_t from = CeilDiv(std::int64_t{first} * view.H, frameH);
    const std::int64_t to = CeilDiv((std::int64_t{last} + 1) * view.H, frameH);
    return RowSpan{static_cast<std::int32_t>(view.Y + from), static_cast<std::int32_t>(to - from)};
}

bool ShownFrame::Same(const ImageBuffer& frame, std::int32_t row) const {
    const std::size_t at = static_cast<std::size_t>(row) * frame.Width;
    return std::memcmp(pixels_.data() + at, frame.Row(row), frame.Width * sizeof(Pixel)) == 0;
}

bool ShownFrame::TakeChanged(const ImageBuffer& frame, std::int32_t& first, std::int32_t& last) {
    first = std::max(first, 0);
    last = std::min(last, frame.Height - 1);
    if (pixels_.size() != frame.Pixels.size()) pixels_.resize(frame.Pixels.size()), valid_ = false;
    if (valid_) {
        while (first <= last && Same(frame, first)) ++first;
        while (last >= first && Same(frame, last)) --last;
    }
    if (first > last) return false;
    const std::size_t at = static_cast<std::size_t>(first) * frame.Width;
    std::memcpy(pixels_.data() + at, frame.Row(first),
                static_cast<std::size_t>(last - first + 1) * frame.Width * sizeof(Pixel));
    valid_ = valid_ || (first == 0 && last == frame.Height - 1);
    return true;
}

void FrameScaler::Scale(const ImageBuffer& frame, const ViewRect& view, PixelTarget target,
                        std::int32_t first, std::int32_t last) {
    // A view that reaches past the target (a surface renewed smaller under us) is not drawn.
    if (view.W <= 0 || view.X < 0 || view.Y < 0 || view.X + view.W > target.Width ||
        view.Y + view.H > target.Height)
        return;
    const std::int32_t factor = WholeFactor(view, frame.Width, frame.Height);
    if (factor == 0 &&
        (columnsFrameW_ != frame.Width || columns_.size() != static_cast<std::size_t>(view.W))) {
        columns_.resize(view.W);
        for (std::int32_t i = 0; i < view.W; ++i)
            columns_[i] = static_cast<std::int32_t>(std::int64_t{i} * frame.Width / view.W);
        columnsFrameW_ = frame.Width;
    }
    const RowSpan span = WindowRows(view, frame.Height, first, last);
    std::int32_t shown = -1;  // the frame row the previous window row shows
    for (std::int32_t y = span.First; y < span.First + span.Count; ++y) {
        Pixel* out = target.Pixels + static_cast<std::size_t>(y) * target.Pitch + view.X;
        const auto row =
            static_cast<std::int32_t>(std::int64_t{y - view.Y} * frame.Height / view.H);
        if (row == shown) {
            std::memcpy(out, out - target.Pitch, view.W * sizeof(Pixel));  // a taller pixel
        } else {
            ScaleRow(frame.Row(row), frame.Width, out, factor);
        }
        shown = row;
    }
}

void FrameScaler::ScaleRow(const Pixel* source, std::int32_t width, Pixel* out,
                           std::int32_t factor) const {
    switch (factor) {
        case 0:
            for (std::size_t i = 0; i < columns_.size(); ++i) out[i] = source[columns_[i]];
            return;
        case 1:
            std::memcpy(out, source, width * sizeof(Pixel));
            return;
        case 2:
            for (std::int32_t x = 0; x < width; ++x) out[2 * x] = out[2 * x + 1] = source[x];
            return;
        default:
            for (std::int32_t x = 0; x < width; ++x, out += factor)
                std::fill(out, out + factor, source[x]);
            return;
    }
}

void FrameScaler::FillBars(const ViewRect& view, PixelTarget target) {
    for (std::int32_t y = 0; y < target.Height; ++y) {
        Pixel* row = target.Pixels + static_cast<std::size_t>(y) * target.Pitch;
        if (y < view.Y || y >= view.Y + view.H) {
            FillRow(row, 0, target.Width);
        } else {
            FillRow(row, 0, std::min(view.X, target.Width));
            FillRow(row, std::max(view.X + view.W, 0), target.Width);
        }
    }
}

}  // namespace presentation::detail
