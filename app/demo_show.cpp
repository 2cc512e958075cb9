// Demos in the window; see demo_show.h. Game thread.
#include "app/demo_show.h"

#include <array>
#include <cstdio>

#include "app/demo_recorder.h"
#include "app/flags.h"
#include "presentation/screen_services.h"

namespace app {

namespace {

constexpr std::array<int, 6> Rates{15, 30, 60, 120, 240, 480};  // x1/4 .. x8 of 60 frames/s
constexpr int NormalRate = 2;
constexpr int MinusKey = 12, PlusKey = 13, PadMinusKey = 74, PadPlusKey = 78;

int Fail(const std::string& message) {
    std::fprintf(stderr, "game: %s\n", message.c_str());
    return 2;
}

// The steps of a demo handed out frame by frame.
class Cursor {
  public:
    explicit Cursor(const demo::Demo& d) : steps_(d.Steps) {}

    // The next frame's input; nothing held once the demo is over.
    world::FrameInput Next() {
        while (at_ < steps_.size() && steps_[at_].What == demo::Step::Kind::Frames &&
               used_ == steps_[at_].Frames) {
            ++at_;
            used_ = 0;
        }
        if (at_ >= steps_.size() || steps_[at_].What != demo::Step::Kind::Frames) return {};
        ++used_;
        return steps_[at_].Input;
    }

    // True once, when the frames before are played and the demo goes on in the next level.
    bool TakeNextLevel() {
        std::size_t i = at_;
        if (i < steps_.size() && steps_[i].What == demo::Step::Kind::Frames &&
            used_ == steps_[i].Frames)
            ++i;
        if (i >= steps_.size() || steps_[i].What != demo::Step::Kind::NextLevel) return false;
        at_ = i + 1;
        used_ = 0;
        return true;
    }

  private:
    const std::vector<demo::Step>& steps_;
    std::size_t at_ = 0;
    std::int64_t used_ = 0;  // frames of step at_ played
};

// The viewer's keys, each acting once when pressed.
class Controls {
  public:
    bool Pressed(int code) {
        const bool down = presentation::IsKeyDown(code) != 0;
        const bool pressed = down && !held_[code];
        held_[code] = down;
        return pressed;
    }

  private:
    std::array<bool, 128> held_{};
};

bool EscapeHeld() {
    return presentation::IsKeyDown(presentation::scan::Escape) != 0;
}

}  // namespace

int DemoToShow(const DemoOptions& options, const SolutionReader& solution,
               const world::LevelFolder& levels, std::optional<demo::Demo>& shown) {
    if (!options.Error.empty()) return Fail(options.Error);
    std::string error;
    if (!options.Play.empty()) {
        std::optional<std::string> text = demo::ReadDemoFile(options.Play, &error);
        if (text) shown = demo::ParseDemo(*text, &error);
        if (!shown) return Fail(text ? options.Play + ": " + error : error);
    } else if (options.Watch) {
        if (solution) shown = solution(options.Watch, &error);
        if (!shown) return Fail(solution ? error : "no solutions to watch in this build");
    } else {
        return 0;
    }
    if (!levels.Read(shown->Level))
        return Fail("the demo plays level " + std::to_string(shown->Level) + ", but " +
                    levels.NameOf(shown->Level) + " cannot be read");
    return 0;
}

void PlayRecorded(Shell& shell, const std::string& recordFile) {
    AttemptKeeper keeper(DemoFolder(), recordFile);
    shell.Play().SetRecorder(&keeper);
    while (shell.Screen() != app::Screen::Ended) shell.Frame();
    shell.Play().SetRecorder(nullptr);
}

void ShowDemo(Shell& shell, const demo::Demo& shown) {
    demo::ApplyCarried(shown.State, shell.Play().Game());
    Flags().SoundEnabled = shown.Sound;
    shell.StartPlay(shown.Level, shown.Entry == demo::Entry::Next);
    Cursor cursor(shown);
    shell.SetInputSource([&cursor] { return cursor.Next(); });
    Controls controls;
    bool paused = false;
    int rate = NormalRate;
    while (shell.Screen() != app::Screen::Ended && !EscapeHeld()) {
        if (controls.Pressed(presentation::scan::Space)) paused = !paused;
        if (controls.Pressed(PlusKey) | controls.Pressed(PadPlusKey))
            rate = std::min<int>(rate + 1, Rates.size() - 1);
        if (controls.Pressed(MinusKey) | controls.Pressed(PadMinusKey))
            rate = std::max(rate - 1, 0);
        shell.Pacer().SetRate(Rates[rate]);
        if (paused && !controls.Pressed(presentation::scan::Right)) {
            presentation::SleepMs(10, 1);
            continue;
        }
        if (shell.Screen() == app::Screen::LevelComplete && cursor.TakeNextLevel())
            Flags().NextLevelRequested = true;
        shell.Frame();
    }
    shell.SetInputSource({});
}

}  // namespace app
