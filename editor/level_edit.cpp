// Strokes, undo and redo over the edited map; see level_edit.h.
#include "editor/level_edit.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace editor {

namespace {

CellPoint Clamped(CellPoint at) {
    return {std::clamp(at.X, 0, world::MapSize - 1), std::clamp(at.Y, 0, world::MapSize - 1)};
}

// Every cell of the straight line from `from` to `to`, both ends included, each one a step
// (sideways or diagonal) from the one before: a fast drag of the pencil leaves no gaps.
void PaintLine(world::LevelMap& map, CellPoint from, CellPoint to, world::Cell paint) {
    const std::int32_t dx = std::abs(to.X - from.X), dy = -std::abs(to.Y - from.Y);
    const std::int32_t sx = from.X < to.X ? 1 : -1, sy = from.Y < to.Y ? 1 : -1;
    std::int32_t error = dx + dy;
    for (CellPoint at = from;;) {
        map.At(at.X, at.Y) = paint;
        if (at == to) return;
        const std::int32_t twice = 2 * error;  // both steps judged by the error before either
        if (twice >= dy) error += dy, at.X += sx;
        if (twice <= dx) error += dx, at.Y += sy;
    }
}

void PaintRectangle(world::LevelMap& map, CellPoint a, CellPoint b, bool filled,
                    world::Cell paint) {
    const std::int32_t left = std::min(a.X, b.X), right = std::max(a.X, b.X);
    const std::int32_t top = std::min(a.Y, b.Y), bottom = std::max(a.Y, b.Y);
    for (std::int32_t x = left; x <= right; ++x)
        for (std::int32_t y = top; y <= bottom; ++y)
            if (filled || x == left || x == right || y == top || y == bottom) map.At(x, y) = paint;
}

// The 4-connected region of the kind at `start` becomes `paint`; walked with a list of cells
// still to visit rather than recursion, since a region may hold all 4096 cells.
void Flood(world::LevelMap& map, CellPoint start, world::Cell paint) {
    const world::Cell kind = map.At(start.X, start.Y);
    if (kind == paint) return;
    std::vector<CellPoint> pending{start};
    map.At(start.X, start.Y) = paint;
    while (!pending.empty()) {
        const CellPoint at = pending.back();
        pending.pop_back();
        for (const CellPoint step : {CellPoint{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const CellPoint next{at.X + step.X, at.Y + step.Y};
            if (!world::LevelMap::Inside(next.X, next.Y) || map.At(next.X, next.Y) != kind)
                continue;
            map.At(next.X, next.Y) = paint;  // marked on the way in: each cell is queued once
            pending.push_back(next);
        }
    }
}

}  // namespace

world::LevelMap FramedMap() {
    world::LevelMap map;
    map.Cells.fill(world::Massive);
    PaintRectangle(map, {1, 1}, {world::MapSize - 2, world::MapSize - 2}, true, world::Empty);
    return map;
}

LevelEdit::LevelEdit(const world::LevelMap& map) : map_(map) {
    states_.push_back({map_, revision_});
}

void LevelEdit::Show(const world::LevelMap& map) {
    if (map.Cells == map_.Cells) return;
    map_ = map;
    revision_ = ++lastRevision_;
}

void LevelEdit::Press(Tool tool, CellPoint at, world::Cell paint) {
    if (stroking_) Release();
    if (!world::LevelMap::Inside(at.X, at.Y)) return;
    stroking_ = true;
    tool_ = tool;
    paint_ = paint;
    pressed_ = last_ = at;
    if (tool == Tool::Fill) {
        world::LevelMap map = map_;
        Flood(map, at, paint);
        Show(map);
    } else if (tool != Tool::Pick) {
        DrawTo(at);
    }
}

void LevelEdit::Drag(CellPoint at) {
    if (!stroking_) return;
    at = Clamped(at);
    if (tool_ == Tool::Pencil || tool_ == Tool::Rectangle || tool_ == Tool::FilledRectangle)
        DrawTo(at);
    last_ = at;
}

void LevelEdit::DrawTo(CellPoint at) {
    if (tool_ == Tool::Pencil) {
        world::LevelMap map = map_;
        PaintLine(map, last_, at, paint_);
        Show(map);
        return;
    }
    // The rectangle is drawn afresh over the map as the stroke found it, so a shrinking drag
    // leaves nothing of the larger rectangle behind.
    world::LevelMap map = states_[current_].Map;
    PaintRectangle(map, pressed_, at, tool_ == Tool::FilledRectangle, paint_);
    Show(map);
}

void LevelEdit::Release() {
    if (!stroking_) return;
    stroking_ = false;
    const State& before = states_[current_];
    if (map_.Cells == before.Map.Cells) {
        revision_ = before.Revision;  // the same map: its revision still names it
        return;
    }
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, states_.end());
    states_.push_back({map_, revision_});
    if (states_.size() > UndoLimit + 1) states_.pop_front();
    current_ = states_.size() - 1;
}

bool LevelEdit::Undo() {
    if (!CanUndo()) return false;
    --current_;
    map_ = states_[current_].Map;
    revision_ = states_[current_].Revision;
    return true;
}

bool LevelEdit::Redo() {
    if (!CanRedo()) return false;
    ++current_;
    map_ = states_[current_].Map;
    revision_ = states_[current_].Revision;
    return true;
}

}  // namespace editor
