// ElementList and DropDown: shared geometry, input and drawing. Construction and NewElement run on
// the thread that builds the screen; Update, Draw and Erase on the thread that runs the passes.
#include "gui/pop_up_lists.h"

#include <algorithm>
#include <utility>

#include "gui/program_end.h"
#include "presentation/screen_services.h"

namespace gui {

namespace {

// The layout both kinds share, with W = 8 x DefinedLength: the box spans (X, Y)-(X + W + 4,
// Y + 12) and row i lies 12 (i + 1) pixels lower; clicks hit a rectangle two pixels wider.
struct ListShape {
    std::int64_t X, Y, W;

    std::int64_t RowTop(int row) const { return Y + 12 + 12 * std::int64_t{row}; }
    bool BoxHit(const presentation::MouseState& m) const { return InsideRect(m, X, Y, W + 6, 12); }
    bool RowHit(const presentation::MouseState& m, int row) const {
        return InsideRect(m, X, RowTop(row), W + 6, 12);
    }
};

ListShape ShapeOf(std::int32_t x, std::int32_t y, std::int32_t definedLength) {
    return {x, y, TextWidth(definedLength)};
}

void DrawBox(const ListShape& s, std::string_view caption) {
    const std::int64_t right = s.X + s.W + 4;
    Fill(s.X, s.Y, right, s.Y + 12, colour::White);
    Outline(s.X, s.Y, right, s.Y + 12, colour::MidGrey);
    Segment(s.X + 1, s.Y + 11, right - 1, s.Y + 11, colour::DarkGrey);
    Segment(right - 1, s.Y + 1, right - 1, s.Y + 11, colour::DarkGrey);
    ScreenText(s.X + 2, s.Y + 2, caption, colour::Black);
}

void DrawRows(const ListShape& s, const std::array<ListRow, MaxListRows>& rows, int count) {
    const std::int64_t right = s.X + s.W + 4;
    for (int i = 0; i < count; ++i) {
        Fill(s.X, s.RowTop(i), right, s.RowTop(i) + 12, colour::White);
        Outline(s.X, s.RowTop(i), right, s.RowTop(i) + 12, colour::MidGrey);
        ScreenText(s.X + 2, s.RowTop(i) + 3, rows[static_cast<std::size_t>(i)].Text, colour::Black);
    }
}

void EraseList(const ListShape& s, int count, bool open) {
    const std::int64_t right = s.X + s.W + 4;
    Fill(s.X, s.Y, right, s.Y + 12, colour::Black);
    if (!open) return;
    for (int i = 0; i < count; ++i) Fill(s.X, s.RowTop(i), right, s.RowTop(i) + 12, colour::Black);
}

bool Fits(std::string_view text, std::int32_t definedLength) {
    return static_cast<std::int64_t>(text.size()) <= definedLength;
}

// Step 3 and 4 of a list's pass: a press on the box opens it, a press elsewhere closes it at once.
void OpenOrClose(const ListShape& s, const presentation::MouseState& m, std::uint8_t& open,
                 int count) {
    if (s.BoxHit(m)) {
        if (IsPressed(m)) open = 1;
    } else if (IsPressed(m) && open == 1) {
        EraseList(s, count, true);
        open = 0;
    }
}

}  // namespace

// ---- ElementList ---------------------------------------------------------------------------

ElementList::ElementList(std::int32_t x, std::int32_t y, std::string_view caption,
                         std::int32_t definedLength, gui::Event event)
    : X(x), Y(y), DefinedLength(definedLength), Event(std::move(event)) {
    if (!Fits(caption, DefinedLength)) {
        FatalError(message::ElementListCaption, FatalWait::ForKey);
        return;
    }
    Caption = caption;
}

std::int8_t ElementList::NewElement(std::string_view text, std::string_view id) {
    if (Count >= MaxListRows) return -1;
    ListRow& row = Elements[Count];
    row.ID = id;
    if (!Fits(text, DefinedLength)) {
        FatalError(message::ElementListRow, FatalWait::ForKey);
        return -1;
    }
    row.Text = text;
    ++Count;
    return static_cast<std::int8_t>(Count - 1);
}

void ElementList::Update() {
    const ListShape s = ShapeOf(X, Y, DefinedLength);
    const presentation::MouseState m = presentation::GetMouse();
    for (int i = 0; i < Count && i < MaxListRows; ++i) {
        if (s.RowHit(m, i) && IsPressed(m) && Open == 1) {
            FireEvent(Event, Elements[static_cast<std::size_t>(i)].ID);
        }
    }
    OpenOrClose(s, m, Open, std::min<int>(Count, MaxListRows));
}

void ElementList::Draw() const {
    const ListShape s = ShapeOf(X, Y, DefinedLength);
    DrawBox(s, Caption);
    if (Open == 1) DrawRows(s, Elements, std::min<int>(Count, MaxListRows));
}

void ElementList::Erase() const {
    EraseList(ShapeOf(X, Y, DefinedLength), std::min<int>(Count, MaxListRows), Open == 1);
}

// ---- DropDown ------------------------------------------------------------------------------

DropDown::DropDown(std::int32_t x, std::int32_t y, std::string_view caption,
                   std::int32_t definedLength)
    : X(x), Y(y), DefinedLength(definedLength) {
    if (!Fits(caption, DefinedLength)) {
        FatalError(message::DropDownCaption, FatalWait::ForKey);
        return;
    }
    Caption = caption;
}

std::int8_t DropDown::NewElement(std::string_view text) {
    if (Count >= MaxListRows) return -1;
    if (!Fits(text, DefinedLength)) {
        FatalError(message::DropDownRow, FatalWait::ForKey);
        return -1;
    }
    Elements[Count].Text = text;
    ++Count;
    return static_cast<std::int8_t>(Count - 1);
}

void DropDown::Update() {
    const ListShape s = ShapeOf(X, Y, DefinedLength);
    const presentation::MouseState m = presentation::GetMouse();
    for (int i = 0; i < Count && i < MaxListRows; ++i) {
        if (s.RowHit(m, i) && IsPressed(m) && Open == 1) {
            Caption = Elements[static_cast<std::size_t>(i)].Text;
        }
    }
    OpenOrClose(s, m, Open, std::min<int>(Count, MaxListRows));
}

void DropDown::Draw() const {
    const ListShape s = ShapeOf(X, Y, DefinedLength);
    DrawBox(s, Caption);
    if (Open == 1) DrawRows(s, Elements, std::min<int>(Count, MaxListRows));
}

void DropDown::Erase() const {
    EraseList(ShapeOf(X, Y, DefinedLength), std::min<int>(Count, MaxListRows), Open == 1);
}

}  // namespace gui
