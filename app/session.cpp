// A game in progress; see session.h. Game thread.
#include "app/session.h"

#include <utility>

#include "app/sound_bank.h"
#include "world/game_step.h"

namespace app {

Session::Session(world::LevelFolder levels, double seed) : levels_(std::move(levels)) {
    game_.Random.Seed(seed);
}

void Session::Start(std::int32_t levelNumber) {
    game_.LevelNumber = levelNumber;
    error_ = world::LoadLevel(game_, levels_);
    world::FindStart(game_);
    screen_ = error_ ? app::Screen::Error : app::Screen::Playing;
    if (recorder_ && !error_) recorder_->Started(game_);
}

world::FrameEvents Session::Step(const world::FrameInput& input) {
    world::FrameEvents events = world::GameStep(game_, input, levels_);
    if (recorder_) recorder_->Stepped(input, events, game_);
    Follow(events);
    return events;
}

world::FrameEvents Session::NextLevel() {
    if (recorder_) recorder_->Entering(game_);
    world::FrameEvents events = world::EnterNextLevel(game_, levels_);
    Follow(events);
    return events;
}

void Session::Follow(const world::FrameEvents& events) {
    PlayWorldSounds(events.Sounds);
    if (events.Error) {
        error_ = events.Error;
        screen_ = app::Screen::Error;
    } else if (events.LevelFinished) {
        screen_ = app::Screen::LevelComplete;
    } else {
        screen_ = game_.Player.Dead ? app::Screen::Dead : app::Screen::Playing;
    }
}

}  // namespace app
