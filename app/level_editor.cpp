// The editor's loop and one level file's play; see level_editor.h. Game thread.
#include "app/level_editor.h"

#include <unistd.h>

#include "app/demo_recorder.h"
#include "app/editor_screen.h"
#include "app/flags.h"
#include "app/sound.h"
#include "app/sound_bank.h"
#include "gui/widget_kit.h"
#include "presentation/screen_services.h"
#include "world/file_write.h"
#include "world/map_picture.h"

namespace app {

namespace {

// The edit being tried is played from a file of its own, so the map on the screen needs no
// saving first and a respawn reads it again like any level.
std::filesystem::path TestPlayFile() {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
    if (ec) folder = ".";
    return folder / ("game-test-play-" + std::to_string(::getpid()) + ".dat");
}

// Until play leaves: finished (the demo of the whole try), left with Escape or closed (nothing).
std::optional<demo::Demo> PlayUntilLeft(Shell& shell, const std::filesystem::path& file) {
    DemoRecorder recorder;
    shell.UseOneLevel(file);
    shell.Play().SetRecorder(&recorder);
    RestartAmbience("");
    shell.StartPlay(1);
    while (shell.Screen() != app::Screen::Ended && shell.Screen() != app::Screen::LevelComplete &&
           shell.Screen() != app::Screen::Error)
        shell.Frame();
    shell.Play().SetRecorder(nullptr);
    StopSound("ambience");
    if (shell.Screen() != app::Screen::LevelComplete) return std::nullopt;
    return recorder.Demo();
}

std::optional<demo::Demo> TestPlay(Shell& shell, const world::LevelMap& map) {
    const std::filesystem::path file = TestPlayFile();
    if (!world::WriteFileAtomically(file, world::LevelFileText(map))) return std::nullopt;
    std::optional<demo::Demo> finished = PlayUntilLeft(shell, file);
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    // Escape ended play while held: the editor must not read it as a wish to leave.
    while (presentation::IsKeyDown(presentation::scan::Escape) && !presentation::CloseRequested())
        presentation::SleepMs(10, 1);
    gui::DrainTypedKeys();
    return finished;
}

}  // namespace

void RunEditor(Shell& shell, const std::filesystem::path& file) {
    StopSound("ambience");
    EditorScreen editor(file, shell.View().TileImages);
    for (;;) {
        const EditorRequest request = editor.Frame();
        if (request == EditorRequest::Quit) return;
        if (request == EditorRequest::TestPlay) {
            // A close during play comes back to the editor, which asks before unsaved work goes.
            editor.TestPlayEnded(TestPlay(shell, editor.Map()));
        }
        shell.Pacer().Wait();
    }
}

void PlayLevelFile(Shell& shell, const std::filesystem::path& file) {
    shell.UseOneLevel(file);
    shell.StartPlay(1);
    while (shell.Screen() != app::Screen::Ended) shell.Frame();
}

bool FinishesLevel(const demo::Demo& demo, const std::filesystem::path& levelFile) {
    ProgramFlags& flags = Flags();
    const bool sound = std::exchange(flags.SoundEnabled, false);
    Session session(world::LevelFolder::OneFile(levelFile, demo.Level), 1);
    demo::ApplyCarried(demo.State, session.Game());
    if (demo.Entry == demo::Entry::Next) {
        session.Game().LevelNumber = demo.Level - 1;
        session.NextLevel();
    } else {
        session.Start(demo.Level);
    }
    for (const demo::Step& step : demo.Steps) {
        if (step.What != demo::Step::Kind::Frames) break;
        for (std::int64_t i = 0; i < step.Frames && session.Screen() != app::Screen::Error &&
                                 session.Screen() != app::Screen::LevelComplete;
             ++i)
            session.Step(step.Input);
    }
    flags.SoundEnabled = sound;
    return session.Screen() == app::Screen::LevelComplete;
}

}  // namespace app
