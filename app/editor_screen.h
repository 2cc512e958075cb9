// The level editor's screen: the whole 64 x 64 map at 12 pixels a cell on the left, and on the
// right the palette of tile kinds, the tools, the buttons, the title, notes and file fields and
// the live checks in words. It edits through the editing model (editor/) and asks its loop for a
// test play or the end. Game thread, with the screen open.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "demo/demo.h"
#include "editor/level_check.h"
#include "editor/level_edit.h"
#include "editor/level_files.h"
#include "gui/gui.h"
#include "presentation/screen_services.h"
#include "view/cell_thumbnails.h"

namespace app {

inline constexpr std::int32_t EditorCellPixels = 12;
inline constexpr std::int32_t EditorMapPixels = world::MapSize * EditorCellPixels;  // 768

enum class EditorRequest { None, TestPlay, Quit };

// Where the panel's parts stand, top to bottom.
namespace editor_layout {
inline constexpr std::int32_t PanelX = EditorMapPixels + 12;  // the left edge of its contents
inline constexpr std::int32_t PaletteY = 30, PaletteRow = 16;
inline constexpr std::int32_t ToolsY = 324, ToolRow = 14;
inline constexpr std::int32_t ButtonsY = 400;
inline constexpr std::int32_t TitleY = 438, NotesY = 466, FileY = 494;
inline constexpr std::int32_t ChecksY = 520;
inline constexpr std::int32_t FieldColumns = 29;
}  // namespace editor_layout

// One entry of the palette: the kind, its name for the player and its number key ('1'..'9', '0'
// for the first ten; 0 for none).
struct PaletteEntry {
    world::Cell Kind;
    const char* Name;
    char Key;
};
const std::vector<PaletteEntry>& Palette();

class EditorScreen {
  public:
    // Opens the level file when it can be read (with its proof, when the demo beside it still
    // finishes it); a file that does not exist yet is a new level framed by massive walls that
    // will be saved there.
    EditorScreen(std::filesystem::path file, const view::TileImageSet& tiles);
    EditorScreen(const EditorScreen&) = delete;
    EditorScreen& operator=(const EditorScreen&) = delete;

    // One frame: the keys, the mouse and the widgets, then the whole screen drawn. The caller
    // paces the frames.
    EditorRequest Frame();

    // The level as edited, for a test play.
    const world::LevelMap& Map() const { return edit_.Map(); }
    // A test play ended: with its demo when it finished the level, which proves the map as it is
    // now; the screen is drawn afresh.
    void TestPlayEnded(const std::optional<demo::Demo>& finished);
    // Keeps the demo as the proof of the map as it is now.
    void AcceptProof(const demo::Demo& proof);

    // Shown in the message line (and kept for tests).
    const std::string& Status() const { return status_; }
    bool Proven() const { return proof_ && proofRevision_ == edit_.Revision(); }
    bool Modified() const;
    bool Save();  // Ctrl+S: false, with the reason in the status, when nothing could be saved
    editor::LevelEdit& Edit() { return edit_; }
    world::Cell Paint() const { return paint_; }
    gui::GUI& Gui() { return gui_; }

  private:
    void Open();
    void OpenFromField();
    std::filesystem::path FieldPath() const;
    bool Confirmed(const std::string& action, const std::string& warning);
    void BuildWidgets();
    void TakeKeys();
    bool TakeShortcut(const std::string& key);
    void TakeButtons();
    void FollowMouse();
    void PressOnMap(const presentation::MouseState& mouse, editor::CellPoint cell);
    void PickFromPalette(const presentation::MouseState& mouse);
    void Undo();
    void Redo();
    void AskTestPlay();
    void AskQuit();
    void AskClose();
    editor::Tool CurrentTool() const;
    bool AnyFieldFocused() const;
    void BuildPaletteImage();
    void RedrawMap();
    void Draw();
    void DrawPalette() const;
    void DrawChecks() const;
    void DrawText(std::int32_t y, const std::string& text, presentation::Pixel colour) const;

    std::filesystem::path file_;
    view::CellThumbnails looks_;
    editor::LevelEdit edit_;
    world::Cell paint_ = world::Massive;
    bool erasing_ = false;             // the stroke in progress paints Empty (right button)
    std::int32_t lastButtons_ = 0;     // the mouse buttons of the frame before
    std::optional<demo::Demo> proof_;  // the last finished test play, or the demo read
    std::uint64_t proofRevision_ = 0;  // the map revision the proof was made for
    std::uint64_t savedRevision_ = 0;  // the revision last saved or opened
    std::string savedTitle_, savedNotes_;
    std::string warned_;  // the action last refused for unsaved changes: asked again, it goes
    std::string status_;
    std::set<std::string> held_, heldBefore_;  // buttons pressed this frame and the one before
    EditorRequest request_ = EditorRequest::None;

    gui::GUI gui_;
    gui::RadioButton* tools_ = nullptr;
    gui::TextField* title_ = nullptr;
    gui::TextField* notes_ = nullptr;
    gui::TextField* fileField_ = nullptr;

    // What the screen shows: a frame that would show the same is not drawn again.
    struct Picture {
        std::uint64_t Revision = 0;
        std::array<std::int32_t, 4> Mouse{};  // the cursor cell, the widgets' hover and press
        world::Cell Paint = world::Empty;
        std::int32_t Tool = 0;
        bool Proven = false;
        std::string Status;
        std::vector<std::string> Fields;  // each field's text, focus, caret and caret blink
        bool operator==(const Picture&) const = default;
    };
    Picture PictureNow() const;
    std::optional<Picture> shown_;  // none: the screen holds something else

    presentation::Image paletteImage_;  // the palette's pictures, one a row
    presentation::Image mapImage_;      // the map as drawn, rebuilt when it changes
    std::uint64_t drawnRevision_ = ~std::uint64_t{0};
};

}  // namespace app
