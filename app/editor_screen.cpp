// The level editor's screen: input and editing; see editor_screen.h. Drawing is in
// editor_panel.cpp. Game thread.
#include "app/editor_screen.h"

#include <utility>

#include "app/level_editor.h"
#include "world/level_file.h"

namespace app {

namespace {

namespace pr = presentation;

constexpr int F5 = 63;  // the scan code a typed F5 carries
constexpr char CtrlO = 15, CtrlS = 19, CtrlY = 25, CtrlZ = 26, EscapeKey = 27;

using namespace editor_layout;

bool IsExtended(const std::string& key, int scanCode) {
    return key.size() == 2 && key[0] == '\xFF' && key[1] == static_cast<char>(scanCode);
}

}  // namespace

const std::vector<PaletteEntry>& Palette() {
    static const std::vector<PaletteEntry> palette = {
        {world::Massive, "Massive wall", '1'},
        {world::Earth, "Earth", '2'},
        {world::Empty, "Empty", '3'},
        {world::StairUp, "Start stair", '4'},
        {world::StairDown, "Exit", '5'},
        {world::Crystal, "Crystal", '6'},
        {world::CrystalEarth, "Crystal in earth", '7'},
        {world::Stone, "Stone", '8'},
        {world::Block, "Block", '9'},
        {world::Pickaxe, "Pickaxe", '0'},
        {world::BCrystal, "Bonus crystal", 0},
        {world::BCrystalEarth, "Bonus in earth", 0},
        {world::DeadEarth, "Black earth", 0},
        {world::Barrel, "Barrel", 0},
        {world::Tnt, "TNT", 0},
        {world::Leak, "Leak", 0},
        {world::TntPlaced, "Lit TNT", 0},
    };
    return palette;
}

EditorScreen::EditorScreen(std::filesystem::path file, const view::TileImageSet& tiles)
    : file_(std::move(file)), looks_(view::ShrinkCellLooks(tiles, EditorCellPixels)) {
    BuildWidgets();
    BuildPaletteImage();
    Open();
}

void EditorScreen::BuildWidgets() {
    auto held = [this](std::string_view id) { held_.emplace(id); };
    tools_ = gui_.GetRadioButton(gui_.AddRadioButton("tool", [](std::string_view) {}));
    for (int i = 0; i < 5; ++i) tools_->AddOption(PanelX, ToolsY + ToolRow * i);
    tools_->Options[0].Selected = 1;
    tools_->SelectedIndex = 0;
    gui_.AddTextButton("Undo", PanelX - 4, ButtonsY, "undo", held);
    gui_.AddTextButton("Redo", PanelX + 38, ButtonsY, "redo", held);
    gui_.AddTextButton("Open", PanelX + 80, ButtonsY, "open", held);
    gui_.AddTextButton("Save", PanelX + 122, ButtonsY, "save", held);
    gui_.AddTextButton("Test F5", PanelX + 164, ButtonsY, "test", held);
    title_ = gui_.GetTextBox(gui_.AddTextBox(PanelX - 4, TitleY, FieldColumns));
    notes_ = gui_.GetScrollTextBox(gui_.AddScrollTextBox(PanelX - 4, NotesY, FieldColumns));
    fileField_ = gui_.GetScrollTextBox(gui_.AddScrollTextBox(PanelX - 4, FileY, FieldColumns));
}

// Reads the level file by the game's own rules; a file that is not there yet is a new level. A
// demo beside it proves the level only when it still finishes it.
void EditorScreen::Open() {
    fileField_->Text = file_.string();
    proof_.reset();
    shown_.reset();
    drawnRevision_ = ~std::uint64_t{0};  // a new edit counts its revisions afresh
    std::error_code ec;
    std::string error;
    std::optional<editor::OpenedLevel> opened;
    if (std::filesystem::exists(file_, ec)) opened = editor::OpenLevel(file_, &error);
    edit_ = editor::LevelEdit(opened ? opened->Source.Map : editor::FramedMap());
    title_->Text = opened ? opened->Source.Title : file_.stem().string();
    notes_->Text = opened ? opened->Source.Notes : "";
    if (!opened)
        status_ = error.empty() ? "New level: it is saved as " + file_.filename().string() + "."
                                : error + ". A new level is shown; saving writes it there.";
    else
        status_ = opened->Note.empty() ? "Opened " + file_.filename().string() + "." : opened->Note;
    if (opened && opened->Proof && FinishesLevel(*opened->Proof, file_))
        AcceptProof(*opened->Proof);
    else if (opened && opened->Proof)
        status_ += " Its demo does not finish it: not proven.";
    savedRevision_ = edit_.Revision();
    savedTitle_ = title_->Text;
    savedNotes_ = notes_->Text;
    warned_.clear();
}

// Opens the file the File field names; unsaved changes need a second press.
void EditorScreen::OpenFromField() {
    if (fileField_->Text.empty()) {
        status_ = "Type the name of the level file to open.";
        return;
    }
    if (Confirmed("open", "Unsaved changes. Open again to drop them; Ctrl+S saves.")) {
        file_ = FieldPath();
        Open();
    }
}

// A name typed without a folder is beside the level being edited (the game's working folder is
// its data folder, no place of the player's).
std::filesystem::path EditorScreen::FieldPath() const {
    const std::filesystem::path typed = fileField_->Text;
    return typed.is_absolute() ? typed : file_.parent_path() / typed;
}

// An action that would drop unsaved changes goes ahead on its second asking in a row.
bool EditorScreen::Confirmed(const std::string& action, const std::string& warning) {
    if (!Modified() || warned_ == action) return true;
    warned_ = action;
    status_ = warning;
    return false;
}

void EditorScreen::AcceptProof(const demo::Demo& proof) {
    proof_ = proof;
    proofRevision_ = edit_.Revision();
}

bool EditorScreen::Modified() const {
    return edit_.Revision() != savedRevision_ || title_->Text != savedTitle_ ||
           notes_->Text != savedNotes_;
}

EditorRequest EditorScreen::Frame() {
    request_ = EditorRequest::None;
    TakeKeys();
    heldBefore_ = std::exchange(held_, {});
    gui_.Update();
    TakeButtons();
    FollowMouse();
    if (pr::CloseRequested()) AskClose();
    Draw();
    return request_;
}

// Shortcuts work whatever has the focus; other keys go to a focused field, or else choose from
// the palette by number.
void EditorScreen::TakeKeys() {
    for (std::string key = pr::PeekKey(); !key.empty(); key = pr::PeekKey()) {
        if (TakeShortcut(key)) continue;
        if (AnyFieldFocused()) return;  // the field takes it in the GUI's pass
        pr::ReadKey();
        for (const PaletteEntry& entry : Palette())
            if (key.size() == 1 && entry.Key == key[0]) paint_ = entry.Kind;
    }
}

bool EditorScreen::TakeShortcut(const std::string& key) {
    const bool escape = key.size() == 1 && key[0] == EscapeKey;
    const bool control = key.size() == 1 &&
                         (key[0] == CtrlO || key[0] == CtrlS || key[0] == CtrlZ || key[0] == CtrlY);
    const bool shortcut = control || escape || IsExtended(key, F5);
    if (!shortcut) return false;
    pr::ReadKey();
    if (escape && AnyFieldFocused()) {
        title_->Focused = notes_->Focused = fileField_->Focused = 0;
        return true;
    }
    if (escape) return AskQuit(), true;
    if (key[0] != CtrlO) warned_.clear();
    if (key[0] == CtrlS) Save();
    if (key[0] == CtrlO) OpenFromField();
    if (key[0] == CtrlZ) Undo();
    if (key[0] == CtrlY) Redo();
    if (IsExtended(key, F5)) AskTestPlay();
    return true;
}

// The toolkit's buttons fire every frame they are held: a button acts on the frame it goes down.
void EditorScreen::TakeButtons() {
    auto pressed = [this](const char* id) {
        return held_.contains(id) && !heldBefore_.contains(id);
    };
    if (held_.empty() || held_ == heldBefore_) return;
    if (!pressed("open")) warned_.clear();
    if (pressed("open")) OpenFromField();
    if (pressed("undo")) Undo();
    if (pressed("redo")) Redo();
    if (pressed("save")) Save();
    if (pressed("test")) AskTestPlay();
}

void EditorScreen::FollowMouse() {
    const pr::MouseState mouse = pr::GetMouse();
    const std::int32_t buttons = std::max(mouse.Buttons, 0);
    const bool wentDown = (buttons & 3) != 0 && (lastButtons_ & 3) == 0;
    lastButtons_ = buttons;
    const editor::CellPoint cell{mouse.X / EditorCellPixels, mouse.Y / EditorCellPixels};
    const bool onMap =
        mouse.X >= 0 && mouse.Y >= 0 && mouse.X < EditorMapPixels && mouse.Y < EditorMapPixels;
    if (edit_.Stroking()) {
        if ((buttons & 3) == 0) return edit_.Release();
        if (mouse.X >= 0) edit_.Drag(cell);
        return;
    }
    if (!wentDown) return;
    if (onMap) return PressOnMap(mouse, cell);
    PickFromPalette(mouse);
}

// The left button paints with the chosen kind, the right one erases (paints Empty); the pick
// tool takes the kind under the pointer and hands back the pencil.
void EditorScreen::PressOnMap(const pr::MouseState& mouse, editor::CellPoint cell) {
    warned_.clear();
    const editor::Tool tool = CurrentTool();
    if (tool == editor::Tool::Pick) {
        paint_ = edit_.Map().At(cell.X, cell.Y);
        tools_->Options[4].Selected = 0;
        tools_->Options[0].Selected = 1;
        tools_->SelectedIndex = 0;
        return;
    }
    erasing_ = (mouse.Buttons & 1) == 0;
    edit_.Press(tool, cell, erasing_ ? world::Empty : paint_);
}

void EditorScreen::Undo() {
    if (!edit_.Undo()) status_ = "Nothing to undo.";
}

void EditorScreen::Redo() {
    if (!edit_.Redo()) status_ = "Nothing to redo.";
}

void EditorScreen::AskTestPlay() {
    const editor::LevelReport report = editor::CheckLevel(edit_.Map());
    if (!report.Playable()) {
        status_ = "Cannot test yet: " + report.Problems.front() + ".";
        return;
    }
    request_ = EditorRequest::TestPlay;
}

void EditorScreen::AskQuit() {
    if (Confirmed("quit", "Unsaved changes. Escape again leaves without saving; Ctrl+S saves."))
        request_ = EditorRequest::Quit;
}

// The window's close button is Escape's twin, but the request stays until withdrawn: declined, it
// is withdrawn so that the next press asks again.
void EditorScreen::AskClose() {
    if (Confirmed("close", "Unsaved changes. Close again to leave without saving; Ctrl+S saves."))
        request_ = EditorRequest::Quit;
    else
        pr::DismissCloseRequest();
}

void EditorScreen::TestPlayEnded(const std::optional<demo::Demo>& finished) {
    shown_.reset();     // play drew over everything
    lastButtons_ = ~0;  // a button still held from play starts no stroke
    if (!finished) {
        status_ = "Test play ended before the exit.";
        return;
    }
    AcceptProof(*finished);
    status_ = "Finished in " + std::to_string(finished->Frames()) +
              " frames: proven. Save to keep the proof.";
}

bool EditorScreen::Save() {
    const std::filesystem::path target = FieldPath();
    if (fileField_->Text.empty()) {
        status_ = "Type a file name to save to.";
        return false;
    }
    std::string error;
    const world::LevelSource source{title_->Text, notes_->Text, edit_.Map()};
    if (!editor::SaveLevel(target, source, Proven() ? &*proof_ : nullptr, &error)) {
        status_ = "Not saved: " + error + ". The edit is kept.";
        return false;
    }
    file_ = target;
    fileField_->Text = file_.string();
    savedRevision_ = edit_.Revision();
    savedTitle_ = title_->Text;
    savedNotes_ = notes_->Text;
    const std::string names =
        file_.filename().string() + " and " + world::SourceBeside(file_).filename().string();
    status_ = Proven() ? "Saved " + names + " with its proof " +
                             world::DemoBeside(file_).filename().string() + "."
                       : "Saved " + names + ". Not proven yet: finish a test play (F5).";
    return true;
}

editor::Tool EditorScreen::CurrentTool() const {
    constexpr editor::Tool tools[] = {editor::Tool::Pencil, editor::Tool::Rectangle,
                                      editor::Tool::FilledRectangle, editor::Tool::Fill,
                                      editor::Tool::Pick};
    const std::int32_t i = tools_->SelectedIndex;
    return i >= 0 && i < 5 ? tools[i] : editor::Tool::Pencil;
}

bool EditorScreen::AnyFieldFocused() const {
    return title_->Focused || notes_->Focused || fileField_->Focused;
}

}  // namespace app
