// The level editor's screen driven through the memory screen as a player would: the mouse on the
// map and the palette, number keys, shortcuts past a focused field, saving (and failing to), the
// test-play request, leaving with unsaved changes, and the proofs test plays leave.
#include <gtest/gtest.h>

#include "app/demo_recorder.h"
#include "app/editor_screen.h"
#include "app/level_editor.h"
#include "tests/app/play_test_support.h"
#include "world/file_write.h"
#include "world/map_picture.h"

namespace app {
namespace {

using namespace editor_layout;
namespace fs = std::filesystem;
namespace pt = presentation::testing;

class EditorTest : public test::PlayTest {
  protected:
    // One frame with the pointer over cell (x, y) of the map and these buttons down.
    void OnCell(int x, int y, int buttons) {
        pt::SetMouse(x * EditorCellPixels + 6, y * EditorCellPixels + 6, buttons);
        request_ = editor_.Frame();
    }
    void Key(std::string_view key) {
        pt::TypeKey(key);
        request_ = editor_.Frame();
    }
    const world::LevelMap& Map() { return editor_.Map(); }

    std::unique_ptr<Shell> shell_ = NewShell();
    fs::path file_ = dir_ / "made.dat";
    EditorScreen editor_{file_, shell_->View().TileImages};
    EditorRequest request_ = EditorRequest::None;
};

TEST_F(EditorTest, TheMouseAndKeysEditAndShortcutsReachPastAFocusedField) {
    EXPECT_EQ(Map().At(0, 0), world::Massive);
    EXPECT_EQ(Map().At(5, 5), world::Empty);
    // A drag paints every cell on the way, with massive walls until another kind is chosen.
    OnCell(3, 10, 1);
    OnCell(9, 10, 1);
    OnCell(9, 10, 0);
    for (int x = 3; x <= 9; ++x) EXPECT_EQ(Map().At(x, 10), world::Massive) << x;
    EXPECT_NE(At(5 * 12 + 6, 10 * 12 + 6), At(5 * 12 + 6, 20 * 12 + 6));  // drawn as it changed
    Key("4");
    OnCell(4, 9, 1);
    OnCell(4, 9, 0);
    EXPECT_EQ(Map().At(4, 9), world::StairUp);
    OnCell(5, 10, 2);  // the right button erases
    OnCell(5, 10, 0);
    EXPECT_EQ(Map().At(5, 10), world::Empty);
    Key("\x1a");  // Ctrl+Z
    EXPECT_EQ(Map().At(5, 10), world::Massive);
    // A click on the palette's sixth row chooses the crystal; typed keys then go to the field
    // being typed in, and Ctrl+Y still redoes.
    pt::SetMouse(PanelX + 40, PaletteY + PaletteRow * 5 + 8, 1);
    editor_.Frame();
    pt::SetMouse(PanelX + 40, PaletteY + PaletteRow * 5 + 8, 0);
    editor_.Frame();
    EXPECT_EQ(editor_.Paint(), world::Crystal);
    gui::TextField& title = *editor_.Gui().GetTextBox(1);
    title.Focused = 1;
    title.Text.clear();
    for (char c : std::string("Deep 4")) Key(std::string(1, c));
    Key("\x19");  // Ctrl+Y
    EXPECT_EQ(title.Text, "Deep 4");
    EXPECT_EQ(editor_.Paint(), world::Crystal);
    EXPECT_EQ(Map().At(5, 10), world::Empty);
}

TEST_F(EditorTest, SavingTestPlayRequestsAndLeavingSayWhatHappensInWords) {
    Key("\xFF?");  // F5: nothing to play yet
    EXPECT_EQ(request_, EditorRequest::None);
    EXPECT_EQ(editor_.Status(), "Cannot test yet: No start stair: place one.");
    Key("4");
    OnCell(2, 62, 1);
    OnCell(2, 62, 0);
    Key("5");
    OnCell(6, 62, 1);
    OnCell(6, 62, 0);
    Key("\xFF?");
    EXPECT_EQ(request_, EditorRequest::TestPlay);
    // Saving under a regular file fails, says why and keeps the edit.
    gui::TextField& file = *editor_.Gui().GetScrollTextBox(2);
    file.Text = (dir_ / "res" / "map" / "earth.bmp" / "x.dat").string();
    Key("\x13");  // Ctrl+S
    EXPECT_TRUE(editor_.Status().starts_with("Not saved: cannot write ")) << editor_.Status();
    EXPECT_TRUE(editor_.Modified());
    Key("\x1b");  // Escape: unsaved changes are not left at once
    EXPECT_EQ(request_, EditorRequest::None);
    pt::RequestClose();  // nor by the window's close button, which asks again next time
    request_ = editor_.Frame();
    EXPECT_EQ(request_, EditorRequest::None);
    EXPECT_FALSE(presentation::CloseRequested());
    EXPECT_TRUE(editor_.Status().starts_with("Unsaved changes. Close again")) << editor_.Status();
    pt::RequestClose();
    EXPECT_EQ(editor_.Frame(), EditorRequest::Quit);
    file.Text = "made.dat";  // beside the level, not in the game's working folder
    Key("\x13");
    EXPECT_EQ(editor_.Status(),
              "Saved made.dat and made.txt. Not proven yet: finish a test play (F5).");
    EXPECT_FALSE(editor_.Modified());
    EXPECT_EQ(world::ReadLevelFile(file_)->Cells, Map().Cells);
    EXPECT_EQ(file.Text, file_.string());
    // Opening again drops unsaved changes only when asked twice.
    OnCell(9, 9, 1);
    OnCell(9, 9, 0);
    Key("\x0f");  // Ctrl+O
    EXPECT_EQ(Map().At(9, 9), world::StairDown);
    Key("\x0f");
    EXPECT_EQ(Map().At(9, 9), world::Empty);
    EXPECT_EQ(Map().At(6, 62), world::StairDown);
    pt::RequestClose();  // nothing unsaved: the close button leaves at once
    request_ = editor_.Frame();
    EXPECT_EQ(request_, EditorRequest::Quit);
}

// A level tried on its own: the real play screen, a dialog that gives no next code, and its end;
// the try's demo proves the map it was made on and no other.
TEST_F(EditorTest, AFinishedTestPlayIsTheProofThatIsSavedAndReadBack) {
    world::LevelMap map = editor::FramedMap();
    map.At(2, 62) = world::StairUp;
    map.At(3, 62) = world::Crystal;
    map.At(4, 62) = world::StairDown;
    ASSERT_TRUE(world::WriteFileAtomically(file_, world::LevelFileText(map)));
    DemoRecorder recorder;
    shell_->UseOneLevel(file_);
    shell_->Play().SetRecorder(&recorder);
    shell_->StartPlay(1);
    for (int f = 0; f < 120 && shell_->Screen() == app::Screen::Playing; ++f)
        Frames(*shell_, {presentation::scan::Right}), Frames(*shell_, {});  // a step a press
    ASSERT_EQ(shell_->Screen(), app::Screen::LevelComplete);
    EXPECT_EQ(shell_->Dialog()->TextBoxes[0]->Text, "THEEND");
    Frames(*shell_, {presentation::scan::Enter});
    EXPECT_EQ(shell_->Screen(), app::Screen::Ended);
    ASSERT_TRUE(recorder.Demo());
    const demo::Demo proof = *recorder.Demo();
    EXPECT_TRUE(FinishesLevel(proof, file_));

    EditorScreen editor(file_, shell_->View().TileImages);
    editor.TestPlayEnded(proof);
    EXPECT_TRUE(editor.Proven());
    EXPECT_TRUE(editor.Save());
    EXPECT_TRUE(fs::exists(world::DemoBeside(file_)));
    EditorScreen again(file_, shell_->View().TileImages);
    EXPECT_TRUE(again.Proven());
    // A proof is the map's: the first stroke takes it away, undoing the stroke gives it back.
    editor.Edit().Press(editor::Tool::Pencil, {3, 61}, world::Stone);
    editor.Edit().Release();
    EXPECT_FALSE(editor.Proven());
    editor.Edit().Undo();
    EXPECT_TRUE(editor.Proven());
    map.At(3, 62) = world::Massive;
    ASSERT_TRUE(world::WriteFileAtomically(file_, world::LevelFileText(map)));
    EXPECT_FALSE(FinishesLevel(proof, file_));
}

}  // namespace
}  // namespace app
