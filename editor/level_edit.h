// The map being edited: strokes of the drawing tools, undo and redo, and a revision that tells
// the screen when to redraw and whether a test play's demo still proves the map. Called from the
// editor's frame on the main thread; no other state.
#pragma once

#include <cstdint>
#include <deque>

#include "world/level_map.h"

namespace editor {

struct CellPoint {
    std::int32_t X = 0, Y = 0;
    bool operator==(const CellPoint&) const = default;
};

enum class Tool { Pencil, Rectangle, FilledRectangle, Fill, Pick };

// A new level: Empty inside, Massive on the 64 x 64 border.
world::LevelMap FramedMap();

// Undo steps kept; the oldest go first.
inline constexpr int UndoLimit = 256;

class LevelEdit {
  public:
    explicit LevelEdit(const world::LevelMap& map = FramedMap());
    const world::LevelMap& Map() const { return map_; }

    // A stroke: Press begins it, Drag moves the pointer (any number of times), Release ends it.
    // Pencil paints the pressed cell and every cell on the straight line from the last point to
    // the new one; Rectangle / FilledRectangle show the rectangle from the pressed cell to the
    // current one (the map under it is as before the press); Fill floods the 4-connected region
    // of the pressed cell's kind on press; Pick changes nothing. Drags outside the map are
    // clamped onto it; a press outside is ignored. A press during a stroke ends that stroke.
    void Press(Tool tool, CellPoint at, world::Cell paint);
    void Drag(CellPoint at);
    void Release();
    bool Stroking() const { return stroking_; }

    // A stroke that changed the map is one step; one that changed nothing is none. A new step
    // after undos drops the redos. Both refuse (false) while stroking and when there is nothing.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return !stroking_ && current_ > 0; }
    bool CanRedo() const { return !stroking_ && current_ + 1 < states_.size(); }

    // Changes whenever the map changes; equal revisions mean equal maps, so undoing back to a
    // proven map gives back the revision the proof was made for.
    std::uint64_t Revision() const { return revision_; }

  private:
    struct State {
        world::LevelMap Map;
        std::uint64_t Revision = 0;
    };

    void Show(const world::LevelMap& map);  // the map on screen changes to `map`
    void DrawTo(CellPoint at);

    world::LevelMap map_;
    std::uint64_t revision_ = 1;
    std::uint64_t lastRevision_ = 1;  // the highest revision ever given out
    std::deque<State> states_;        // the map after each kept step, the oldest first
    std::size_t current_ = 0;         // the state the map stands at when not stroking

    bool stroking_ = false;
    Tool tool_ = Tool::Pencil;
    world::Cell paint_ = world::Empty;
    CellPoint pressed_;  // where the stroke began
    CellPoint last_;     // where the pointer was last, on the map
};

}  // namespace editor
