// The level editor's screen: drawing, and the palette's rows; see editor_screen.h. Game thread.
#include "app/editor_screen.h"

#include <algorithm>

#include "editor/level_edit.h"

namespace app {

namespace {

namespace pr = presentation;
using namespace editor_layout;

constexpr pr::Pixel PanelColour = 0x202428, TextColour = 0xE8E8E8, DimColour = 0xA0A8B0;
constexpr pr::Pixel GoodColour = 0x70E070, BadColour = 0xFF7060, MarkColour = 0x3C5A8C;
constexpr pr::Pixel CursorColour = 0xFFFF40;
constexpr std::size_t LineColumns = 30;  // characters of the 8-pixel font across the panel

const char* const ToolNames[] = {"Pencil", "Rectangle", "Filled rectangle", "Flood fill",
                                 "Pick a tile"};

// Words to lines of at most LineColumns characters.
std::vector<std::string> Wrapped(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t space = std::min(text.find(' ', at), text.size());
        std::string word = text.substr(at, space - at);
        at = space + 1;
        if (!line.empty() && line.size() + 1 + word.size() > LineColumns) {
            lines.push_back(std::move(line));
            line.clear();
        }
        for (; word.size() > LineColumns; word.erase(0, LineColumns))
            lines.push_back(word.substr(0, LineColumns));
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

void EditorScreen::PickFromPalette(const pr::MouseState& mouse) {
    const std::int32_t row = (mouse.Y - PaletteY) / PaletteRow;
    if (mouse.X < PanelX - 4 || mouse.Y < PaletteY || row >= std::ssize(Palette())) return;
    paint_ = Palette()[row].Kind;
}

// The map's picture is rebuilt from the thumbnails only when the map changed.
void EditorScreen::RedrawMap() {
    if (drawnRevision_ == edit_.Revision() && mapImage_) return;
    if (!mapImage_) mapImage_ = pr::CreateImage(EditorMapPixels, EditorMapPixels, 0);
    if (!mapImage_) return;
    drawnRevision_ = edit_.Revision();
    for (std::int32_t mx = 0; mx < world::MapSize; ++mx) {
        for (std::int32_t my = 0; my < world::MapSize; ++my) {
            const std::vector<pr::Pixel>& look =
                looks_[static_cast<std::uint8_t>(edit_.Map().At(mx, my))];
            if (look.empty()) continue;
            for (std::int32_t y = 0; y < EditorCellPixels; ++y)
                std::copy_n(look.begin() + y * EditorCellPixels, EditorCellPixels,
                            mapImage_->Row(my * EditorCellPixels + y) + mx * EditorCellPixels);
        }
    }
}

EditorScreen::Picture EditorScreen::PictureNow() const {
    const pr::MouseState mouse = pr::GetMouse();
    Picture now{edit_.Revision(),
                {mouse.X, mouse.Y, mouse.Buttons, mouse.Clip},
                paint_,
                tools_->SelectedIndex,
                Proven(),
                status_,
                {}};
    for (const gui::TextField* field : {title_, notes_, fileField_}) {
        const bool caret = field->Focused && field->BlinkCounter > 0 && field->BlinkCounter < 40;
        now.Fields.push_back(field->Text + '\0' + std::to_string(field->Focused) + '\0' +
                             std::to_string(field->Caret) + (caret ? "|" : ""));
    }
    return now;
}

void EditorScreen::Draw() {
    if (Picture now = PictureNow(); shown_ != now)
        shown_ = std::move(now);
    else
        return;
    RedrawMap();
    pr::LockScreen();
    pr::PutImage(0, 0, mapImage_, pr::PutMode::Opaque);
    const pr::MouseState mouse = pr::GetMouse();
    const std::int32_t cx = mouse.X / EditorCellPixels, cy = mouse.Y / EditorCellPixels;
    const bool onMap =
        mouse.X >= 0 && mouse.Y >= 0 && mouse.X < EditorMapPixels && mouse.Y < EditorMapPixels;
    if (onMap)
        pr::DrawLine(pr::Screen, cx * EditorCellPixels, cy * EditorCellPixels,
                     cx * EditorCellPixels + EditorCellPixels - 1,
                     cy * EditorCellPixels + EditorCellPixels - 1, CursorColour, pr::LineKind::Box);
    pr::DrawLine(pr::Screen, EditorMapPixels, 0, 1023, 767, PanelColour, pr::LineKind::FilledBox);
    pr::DrawText(pr::Screen, PanelX - 4, 6, "LEVEL EDITOR", TextColour);
    if (onMap)
        pr::DrawText(pr::Screen, PanelX + 120, 6,
                     "x " + std::to_string(cx) + "  y " + std::to_string(cy), CursorColour);
    DrawPalette();
    for (int i = 0; i < 5; ++i)
        pr::DrawText(pr::Screen, PanelX + 16, ToolsY + ToolRow * i + 1, ToolNames[i], TextColour);
    DrawText(ToolsY - 14, "Tool (right button erases)", DimColour);
    DrawText(TitleY - 11, "Title", DimColour);
    DrawText(NotesY - 11, "Notes", DimColour);
    DrawText(FileY - 11, "File", DimColour);
    DrawChecks();
    gui_.Draw();
    pr::UnlockScreen(-1, -1);
}

// The palette's pictures, one above the other, made once.
void EditorScreen::BuildPaletteImage() {
    paletteImage_ = pr::CreateImage(EditorCellPixels, PaletteRow * std::ssize(Palette()));
    if (!paletteImage_) return;
    for (std::size_t i = 0; i < Palette().size(); ++i) {
        const std::vector<pr::Pixel>& look = looks_[static_cast<std::uint8_t>(Palette()[i].Kind)];
        if (look.empty()) continue;
        for (std::int32_t y = 0; y < EditorCellPixels; ++y)
            std::copy_n(look.begin() + y * EditorCellPixels, EditorCellPixels,
                        paletteImage_->Row(PaletteRow * static_cast<std::int32_t>(i) + 1 + y));
    }
}

void EditorScreen::DrawPalette() const {
    DrawText(PaletteY - 12, "Tiles (keys 1-9, 0)", DimColour);
    for (std::size_t i = 0; i < Palette().size(); ++i) {
        const PaletteEntry& entry = Palette()[i];
        const std::int32_t y = PaletteY + PaletteRow * static_cast<std::int32_t>(i);
        if (entry.Kind == paint_)
            pr::DrawLine(pr::Screen, PanelX - 4, y, 1019, y + PaletteRow - 2, MarkColour,
                         pr::LineKind::FilledBox);
        const std::string key = entry.Key ? std::string(1, entry.Key) : " ";
        pr::DrawText(pr::Screen, PanelX + 18, y + 3, key + " " + entry.Name, TextColour);
    }
    pr::PutImage(PanelX, PaletteY, paletteImage_, pr::PutMode::Keyed);
}

void EditorScreen::DrawChecks() const {
    const editor::LevelReport report = editor::CheckLevel(edit_.Map());
    std::int32_t y = ChecksY;
    auto line = [&](const std::string& text, pr::Pixel colour) {
        for (const std::string& part : Wrapped(text)) {
            DrawText(y, part, colour);
            y += 11;
        }
    };
    line("Needed " + std::to_string(report.Needed) + "   Bonus " + std::to_string(report.Bonus),
         TextColour);
    line("Starts " + std::to_string(report.Starts) + "   Exits " + std::to_string(report.Exits),
         TextColour);
    for (const std::string& problem : report.Problems) line(problem, BadColour);
    if (report.Playable()) line("Playable: test it with F5", GoodColour);
    y += 6;
    if (Proven())
        line("Proven: finished in " + std::to_string(proof_->Frames()) + " frames", GoodColour);
    else
        line("Not proven: finish a test play", DimColour);
    y += 6;
    line(status_, TextColour);
    y = 722;
    line("Ctrl+S save    Ctrl+O open", DimColour);
    line("Ctrl+Z undo    Ctrl+Y redo", DimColour);
    line("F5 test play   Escape leave", DimColour);
}

void EditorScreen::DrawText(std::int32_t y, const std::string& text, pr::Pixel colour) const {
    pr::DrawText(pr::Screen, PanelX - 4, y, text, colour);
}

}  // namespace app
