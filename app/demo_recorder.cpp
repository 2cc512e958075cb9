// Keeping play as demos; see demo_recorder.h. Game thread.
#include "app/demo_recorder.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <utility>

#include "app/flags.h"

namespace app {

namespace {

// A demo that cannot be written is said on stderr; the game goes on.
void Write(const std::filesystem::path& path, const demo::Demo& d) {
    std::string error;
    if (!demo::WriteDemoFile(path.string(), d, &error))
        std::fprintf(stderr, "game: the demo was not kept: %s\n", error.c_str());
}

std::filesystem::path LevelDemo(const std::filesystem::path& folder, std::int32_t level,
                                const char* which) {
    return folder / ("Level" + std::to_string(level) + "-" + which + ".demo");
}

// Frames of the kept demo at this path; nothing when there is none that can be read.
std::optional<std::int64_t> KeptFrames(const std::filesystem::path& path) {
    std::string ignored;
    const std::optional<std::string> text = demo::ReadDemoFile(path.string(), &ignored);
    if (!text) return std::nullopt;
    const std::optional<demo::Demo> kept = demo::ParseDemo(*text, &ignored);
    if (!kept) return std::nullopt;
    return kept->Frames();
}

}  // namespace

demo::Demo DemoStartingAt(const world::GameState& game, demo::Entry entry) {
    demo::Demo d;
    d.Level = entry == demo::Entry::Start ? game.LevelNumber : game.LevelNumber + 1;
    d.Entry = entry;
    d.State = demo::CarriedFrom(game);
    d.Sound = Flags().SoundEnabled;
    return d;
}

void DemoRecorder::Started(const world::GameState& game) {
    if (!demo_) demo_ = DemoStartingAt(game, demo::Entry::Start);
}

void DemoRecorder::Entering(const world::GameState& before) {
    if (!demo_)
        demo_ = DemoStartingAt(before, demo::Entry::Next);
    else
        demo_->AddNextLevel();
}

void DemoRecorder::Stepped(const world::FrameInput& input, const world::FrameEvents&,
                           const world::GameState&) {
    if (demo_) demo_->AddFrame(input);
}

std::optional<std::filesystem::path> DemoFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data) return std::filesystem::path(data) / "game" / "demos";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::filesystem::path(home) / ".local" / "share" / "game" / "demos";
    return std::nullopt;
}

AttemptKeeper::AttemptKeeper(std::optional<std::filesystem::path> folder, std::string sessionFile)
    : folder_(std::move(folder)), sessionFile_(std::move(sessionFile)) {}

AttemptKeeper::~AttemptKeeper() {
    Keep(false);
    WriteSession();
}

void AttemptKeeper::Started(const world::GameState& game) {
    session_.Started(game);
    Keep(false);
    attempt_ = DemoStartingAt(game, demo::Entry::Start);
}

void AttemptKeeper::Entering(const world::GameState& before) {
    session_.Entering(before);
    Keep(false);
    attempt_ = DemoStartingAt(before, demo::Entry::Next);
}

void AttemptKeeper::Stepped(const world::FrameInput& input, const world::FrameEvents& events,
                            const world::GameState& after) {
    session_.Stepped(input, events, after);
    if (attempt_) attempt_->AddFrame(input);
    if (events.LevelFinished) {
        Keep(true);
        WriteSession();
    } else if (events.Restarted) {
        Keep(false);
        attempt_ = DemoStartingAt(after, demo::Entry::Start);
    }
}

void AttemptKeeper::Keep(bool finished) {
    std::optional<demo::Demo> attempt = std::exchange(attempt_, std::nullopt);
    if (!folder_ || !attempt || attempt->Frames() == 0) return;
    std::error_code ec;
    std::filesystem::create_directories(*folder_, ec);
    if (ec) {
        std::fprintf(stderr, "game: the demo was not kept: cannot make %s: %s\n", folder_->c_str(),
                     ec.message().c_str());
        return;
    }
    Write(LevelDemo(*folder_, attempt->Level, "last"), *attempt);
    if (!finished) return;
    const std::filesystem::path best = LevelDemo(*folder_, attempt->Level, "best");
    const std::optional<std::int64_t> kept = KeptFrames(best);
    if (!kept || attempt->Frames() < *kept) Write(best, *attempt);
}

void AttemptKeeper::WriteSession() {
    if (!sessionFile_.empty() && session_.Demo()) Write(sessionFile_, *session_.Demo());
}

}  // namespace app
