// Strokes and their history: random strokes undo back to the start and redo to the end, equal
// revisions always show equal maps, and each tool paints what it promises.
#include "editor/level_edit.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

namespace editor {
namespace {

TEST(LevelEdit, RandomStrokesUndoToTheStartAndRedoToTheEnd) {
    std::mt19937 random(17);
    auto number = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const world::Cell paints[] = {world::Earth, world::Stone, world::Crystal, world::Massive};
    LevelEdit edit;
    // Checked after every call: one revision never names two different maps.
    std::map<std::uint64_t, world::LevelMap> seen;
    auto check = [&] {
        const auto [it, fresh] = seen.emplace(edit.Revision(), edit.Map());
        EXPECT_TRUE(fresh || it->second.Cells == edit.Map().Cells) << edit.Revision();
    };
    // The maps of the steps, as a model of the history: `now` is where the edit stands.
    std::vector<world::LevelMap> history{edit.Map()};
    std::size_t now = 0;
    for (int stroke = 0; stroke < 250; ++stroke) {
        if (number(0, 5) == 0) {  // now and then a few undos, which the next step drops
            for (int undos = number(1, 3); undos > 0 && now > 0; --undos) {
                ASSERT_TRUE(edit.Undo());
                check();
                ASSERT_EQ(edit.Map().Cells, history[--now].Cells);
            }
        }
        edit.Press(static_cast<Tool>(number(0, 4)), {number(0, 63), number(0, 63)},
                   paints[number(0, 3)]);
        check();
        for (int drags = number(0, 4); drags > 0; --drags) {
            edit.Drag({number(-10, 73), number(-10, 73)});
            check();
        }
        EXPECT_FALSE(edit.Undo());  // nothing is undone in the middle of a stroke
        edit.Release();
        check();
        if (edit.Map().Cells == history[now].Cells) continue;
        history.resize(++now);
        history.push_back(edit.Map());
        EXPECT_FALSE(edit.CanRedo());
    }
    ASSERT_GT(now, 80u);  // a deep history, all of it kept
    ASSERT_LE(now, std::size_t{UndoLimit});
    while (edit.Undo()) check();
    EXPECT_EQ(edit.Map().Cells, history.front().Cells);
    for (std::size_t i = 1; i < history.size(); ++i) {
        ASSERT_TRUE(edit.Redo());
        check();
        ASSERT_EQ(edit.Map().Cells, history[i].Cells) << i;
    }
    EXPECT_FALSE(edit.Redo());
}

TEST(LevelEdit, AFastPencilDragLeavesNoGaps) {
    LevelEdit edit;
    edit.Press(Tool::Pencil, {2, 3}, world::Stone);
    edit.Drag({40, 20});
    edit.Drag({100, -5});  // clamped onto (63, 0)
    edit.Release();
    // Walk from the press along the painted cells, each touching the last, to the far end.
    world::LevelMap map = edit.Map();
    CellPoint at{2, 3};
    int painted = 0;
    for (bool moved = true; moved; ++painted) {
        map.At(at.X, at.Y) = world::Block;  // walked
        moved = false;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (!moved && world::LevelMap::Inside(at.X + dx, at.Y + dy) &&
                    map.At(at.X + dx, at.Y + dy) == world::Stone) {
                    at = {at.X + dx, at.Y + dy};
                    moved = true;
                }
    }
    EXPECT_EQ(at, (CellPoint{63, 0}));
    EXPECT_EQ(painted, (40 - 2 + 1) + (63 - 40));  // one cell a column: a line, not a smear
}

TEST(LevelEdit, ARectangleFollowsThePointerOverTheMapAsThePressFoundIt) {
    LevelEdit edit;
    world::LevelMap expected = edit.Map();
    edit.Press(Tool::Rectangle, {10, 10}, world::Stone);
    edit.Drag({30, 30});
    edit.Drag({12, 14});  // shrinks: nothing of the larger rectangle stays
    for (int x = 10; x <= 12; ++x) expected.At(x, 10) = expected.At(x, 14) = world::Stone;
    for (int y = 10; y <= 14; ++y) expected.At(10, y) = expected.At(12, y) = world::Stone;
    EXPECT_EQ(edit.Map().Cells, expected.Cells);
    edit.Release();
    edit.Press(Tool::FilledRectangle, {12, 14}, world::Earth);
    edit.Drag({10, 10});
    EXPECT_EQ(edit.Map().At(11, 12), world::Earth);
}

TEST(LevelEdit, FillStopsAtOtherKindsAndPaintingTheSameKindIsNoStep) {
    LevelEdit edit;  // Empty inside a Massive frame
    edit.Press(Tool::Pencil, {20, 0}, world::Massive);
    edit.Drag({20, 63});  // a wall from top to bottom: two rooms
    edit.Release();
    edit.Press(Tool::Fill, {5, 5}, world::Earth);
    edit.Release();
    EXPECT_EQ(edit.Map().At(19, 62), world::Earth);
    EXPECT_EQ(edit.Map().At(21, 1), world::Empty);
    EXPECT_EQ(edit.Map().At(0, 0), world::Massive);

    const std::uint64_t revision = edit.Revision();
    for (const Tool tool : {Tool::Fill, Tool::Pick}) {
        edit.Press(tool, {5, 5}, world::Earth);
        edit.Release();
    }
    edit.Press(Tool::Pencil, {-1, 5}, world::Stone);  // outside: ignored
    EXPECT_FALSE(edit.Stroking());
    EXPECT_EQ(edit.Revision(), revision);
    EXPECT_TRUE(edit.Undo() && edit.Undo() && !edit.CanUndo());
}

TEST(LevelEdit, TheOldestStepsGoFirstPastTheLimit) {
    LevelEdit edit;
    for (int i = 0; i < UndoLimit + 10; ++i) {
        edit.Press(Tool::Pencil, {1 + i % 62, 1 + i / 62}, world::Stone);
        edit.Release();
    }
    int undone = 0;
    while (edit.Undo()) ++undone;
    EXPECT_EQ(undone, UndoLimit);
    EXPECT_EQ(edit.Map().At(10, 1), world::Stone);  // among the ten steps no longer kept
    EXPECT_EQ(edit.Map().At(11, 1), world::Empty);
}

}  // namespace
}  // namespace editor
