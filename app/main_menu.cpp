// The main menu's screen and loop; see main_menu.h. Game thread.
#include "app/main_menu.h"

#include "app/flags.h"
#include "app/widget_events.h"
#include "gui/program_end.h"
#include "presentation/scene.h"
#include "presentation/screen_services.h"
#include "world/level_file.h"

namespace app {

namespace {

std::unique_ptr<world::GameState> LoadBackdrop() {
    std::unique_ptr<world::GameState> game = world::InitGame();
    game->LevelNumber = 1;
    world::LoadLevel(*game);
    world::FindStart(*game);
    return game;
}

}  // namespace

MainMenu::MainMenu() : Backdrop(LoadBackdrop()) {
    ProgramFlags& flags = Flags();
    flags.PlayRequested = 0;
    Gui.AddButton(416, 286, "res\\menu\\playgame up.bmp", "res\\menu\\playgame down.bmp",
                  "menu-play", HandleWidgetEvent);
    Gui.AddButton(416, 482, "res\\menu\\back up.bmp", "res\\menu\\back down.bmp", "menu-back",
                  HandleWidgetEvent);
    Gui.AddLabel(440, 350, "Levelcode: ");
    CodeBox = Gui.AddTextBox(535, 350, 6);
    Gui.AddLabel(10, 10, "Sound ON/OFF  ");
    Gui.AddLabel(10, 25, "Music ON/OFF  ");
    // The sound toggle always opens showing on; the music toggle shows the music flag.
    SoundToggle = Gui.GetCheckBox(Gui.AddCheckBox(115, 9, "sound", HandleWidgetEvent));
    flags.SoundToggleState = &SoundToggle->State;
    SoundToggle->State = 1;
    MusicToggle = Gui.GetCheckBox(Gui.AddCheckBox(115, 24, "music", HandleWidgetEvent));
    flags.MusicToggleState = &MusicToggle->State;
    MusicToggle->State = static_cast<std::uint8_t>(flags.MusicEnabled);
}

MainMenu::~MainMenu() {
    // The toggles die with the GUI: leave no reference to them behind for the event handler.
    ProgramFlags& flags = Flags();
    if (flags.SoundToggleState == &SoundToggle->State) flags.SoundToggleState = nullptr;
    if (flags.MusicToggleState == &MusicToggle->State) flags.MusicToggleState = nullptr;
}

void MainMenu::Frame() {
    Gui.Update();
    presentation::LockScreen();
    presentation::DrawScene(*Backdrop);
    Gui.Draw();
    presentation::UnlockScreen(-1, -1);
    if (presentation::QuitRequested()) gui::EndProgram(0);  // Escape or the close button
    Pacer.Wait();
}

std::int32_t MainMenu::ChosenLevel() const {
    return LookUpLevelCode(Codes, Gui.GetTextBox(CodeBox)->Text);
}

std::int32_t RunMainMenu() {
    MainMenu menu;
    while (Flags().PlayRequested == 0) menu.Frame();
    return menu.ChosenLevel();
}

}  // namespace app
