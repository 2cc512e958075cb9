// The headless soak: a random walk through the real play loop with the invariants checked after
// every frame; see soak_support.h. Game thread only.
#include "tests/app/soak_support.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <utility>

#include "app/flags.h"
#include "app/input.h"
#include "app/shell.h"
#include "app/sound.h"
#include "presentation/screen_services.h"
#include "presentation/screen_testing.h"
#include "tests/app/play_test_support.h"
#include "tools/replay/script.h"
#include "world/level_file.h"
#include "world/map_picture.h"

namespace app::test {

namespace fs = std::filesystem;
namespace pt = presentation::testing;
namespace scan = presentation::scan;
using world::Cell;

namespace {

constexpr int ByteOf(Cell c) {
    return static_cast<std::uint8_t>(world::CodeOf(c));
}

bool IsCrystal(Cell c) {
    return c == world::Crystal || c == world::BCrystal || c == world::CrystalEarth ||
           c == world::BCrystalEarth;
}

// Codes the rules create out of nothing: everything else can only be moved or destroyed.
bool CreatedByRules(Cell c) {
    return c == world::Empty || c == world::Leak || c == world::DeadEarth || c == world::TntPlaced;
}

std::string Describe(const world::GameState& g) {
    std::ostringstream s;
    s << "level " << g.LevelNumber << ", player (" << g.Player.X << ", " << g.Player.Y << ")"
      << (g.Player.Dead ? " dead" : "") << ", collected " << g.Collected << " of " << g.Needed
      << ", fuse " << g.TntFuse << "\n"
      << world::CroppedPictureOfMap(g.Map, g.Player.X, g.Player.Y);
    return s.str();
}

}  // namespace

std::vector<std::int32_t> LevelNumbersIn(const fs::path& folder) {
    std::vector<std::int32_t> numbers;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= 9 || name.rfind("Level", 0) != 0 || !name.ends_with(".dat")) continue;
        const std::string digits = name.substr(5, name.size() - 9);
        if (digits.empty() || digits.size() > 5 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (digits.size() > 1 && digits[0] == '0') continue;  // the game never asks for these
        numbers.push_back(std::stoi(digits));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

LevelFacts FactsOf(const world::LevelMap& loaded) {
    LevelFacts f;
    for (Cell c : loaded.Cells) {
        ++f.CountAtLoad[ByteOf(c)];
        f.MayHold[ByteOf(c)] = true;
        f.Needed += world::CountsAsNeeded(c) ? 1 : 0;
        f.CrystalsAtLoad += IsCrystal(c) ? 1 : 0;
    }
    f.MayHold[ByteOf(world::Empty)] = true;
    // Poisoned earth drips drops, and a drop turns the earth it lands on into poisoned earth.
    if (f.MayHold[ByteOf(world::DeadEarth)] || f.MayHold[ByteOf(world::Leak)]) {
        f.MayHold[ByteOf(world::Leak)] = true;
        if (f.MayHold[ByteOf(world::Earth)]) f.MayHold[ByteOf(world::DeadEarth)] = true;
    }
    if (f.MayHold[ByteOf(world::Tnt)]) f.MayHold[ByteOf(world::TntPlaced)] = true;
    return f;
}

world::LevelMap WildLevel(std::uint64_t seed) {
    struct Share {
        Cell Code;
        int Weight;
    };
    static constexpr Share Shares[] = {
        {world::Earth, 30},
        {world::Empty, 30},
        {world::Stone, 10},
        {world::BCrystal, 4},
        {world::BCrystalEarth, 3},
        {world::Massive, 3},
        {world::Block, 3},
        {world::Pickaxe, 1},
        {world::DeadEarth, 3},
        {world::Barrel, 4},
        {world::Tnt, 2},
        {world::Leak, 1},
        {world::TntPlaced, 1},
        {world::StairDown, 1},
        {world::StairUp, 1},
        {world::CellOfCode(44), 1},
        {world::CellOfCode(-1), 1},
        {world::CellOfCode(127), 1},
        {world::CellOfCode(-128), 1},
    };
    int total = 0;
    for (const Share& s : Shares) total += s.Weight;
    std::mt19937_64 rng(seed);
    world::LevelMap map;
    for (Cell& cell : map.Cells) {
        int pick = static_cast<int>(rng() % static_cast<std::uint64_t>(total));
        for (const Share& s : Shares) {
            if ((pick -= s.Weight) < 0) {
                cell = s.Code;
                break;
            }
        }
    }
    return map;
}

std::string BrokenInvariant(const world::GameState& g, const LevelFacts& f) {
    std::ostringstream s;
    const world::Player& p = g.Player;
    if (!world::LevelMap::Inside(p.X, p.Y))
        s << "the player stands outside the map";
    else if (static_cast<int>(p.Facing) < 0 || static_cast<int>(p.Facing) > 3)
        s << "facing " << static_cast<int>(p.Facing);
    else if (g.Collected < 0 || g.Dug < 0)
        s << "a negative counter: collected " << g.Collected << ", dug " << g.Dug;
    else if (g.Needed != f.Needed)
        s << "needed is " << g.Needed << ", the level file counts " << f.Needed;
    else if (g.TntFuse < 0 || g.TntFuse > g.TntFuseLength)
        s << "TNT fuse " << g.TntFuse;
    else if (g.LeakTimer < 0 || g.LeakTimer > g.LeakDelay + 1)
        s << "leak timer " << g.LeakTimer;
    if (!s.str().empty()) return s.str();

    for (int x = 0; x < world::MapSize; ++x) {
        if (g.ColumnTimers[x] < 0 || g.ColumnTimers[x] > g.FallDelay)
            return "column " + std::to_string(x) + " timer " + std::to_string(g.ColumnTimers[x]);
    }
    for (std::size_t i = 0; i < g.Flames.Slots.size(); ++i) {
        const std::int32_t countdown = g.Flames.Slots[i].Countdown;
        if (countdown < -1 || countdown > 19)
            return "flame " + std::to_string(i) + " countdown " + std::to_string(countdown);
    }
    if (g.Flames.NextSlot < 0 || g.Flames.NextSlot >= static_cast<int>(g.Flames.Slots.size()))
        return "next flame slot " + std::to_string(g.Flames.NextSlot);
    for (std::int8_t n : {g.BreakSoundNo, g.DigSoundNo, g.PickupSoundNo, g.FallSoundNo,
                          g.CrystalFallSoundNo, g.BarrelSoundNo, g.LeakSoundNo, p.PushSoundNo}) {
        if (n < 0 || n > 4) return "a sound variant counter reads " + std::to_string(n);
    }

    std::array<int, 256> count{};
    for (int x = 0; x < world::MapSize; ++x) {
        for (int y = 0; y < world::MapSize; ++y) {
            const Cell c = g.Map.At(x, y);
            ++count[ByteOf(c)];
            if (!f.MayHold[ByteOf(c)]) {
                s << "cell (" << x << ", " << y << ") holds " << world::CodeOf(c)
                  << ", which this level can never hold";
                return s.str();
            }
        }
    }
    // Falling, rolling and pushing move things; only the rules' own products are ever new.
    for (int code = 0; code < 256; ++code) {
        if (!CreatedByRules(static_cast<Cell>(code)) && count[code] > f.CountAtLoad[code]) {
            s << count[code] << " cells hold " << world::CodeOf(world::CellOfCode(code))
              << ", the file had " << f.CountAtLoad[code];
            return s.str();
        }
    }
    const auto earth = [](const std::array<int, 256>& n) {
        return n[ByteOf(world::Earth)] + n[ByteOf(world::DeadEarth)];
    };
    if (earth(count) > earth(f.CountAtLoad)) return "more earth than the file had";
    const auto charges = [](const std::array<int, 256>& n) {
        return n[ByteOf(world::Tnt)] + n[ByteOf(world::TntPlaced)];
    };
    if (charges(count) + p.HasTnt > charges(f.CountAtLoad)) return "more TNT than the file had";
    int crystalsLeft = 0;
    for (Cell c : {world::Crystal, world::BCrystal, world::CrystalEarth, world::BCrystalEarth})
        crystalsLeft += count[ByteOf(c)];
    if (g.Collected + crystalsLeft > f.CrystalsAtLoad) {
        s << "collected " << g.Collected << " with " << crystalsLeft << " crystals left, of "
          << f.CrystalsAtLoad << " in the file";
        return s.str();
    }
    return "";
}

namespace {

// Keys held for a number of frames.
struct Hold {
    std::vector<int> Keys;
    std::int64_t Frames = 1;
};

constexpr std::array<int, 8> MovementKeys{scan::Up, scan::Down, scan::Left, scan::Right,
                                          scan::W,  scan::S,    scan::A,    scan::D};
class Soak {
  public:
    Soak(const SoakOptions& options, SoakReport& report)
        : options_(options), report_(report), rng_(options.Seed), level_(options.StartLevel) {
        pt::OpenMemoryScreen(1024, 768);
        ResetFlags();
        sound_ = SetSoundCalls({nullptr,
                                [this](std::string_view alias) {
                                    ++soundsPlayed_;
                                    if (replay::IsWorldSound(alias))
                                        frameSounds_.emplace_back(alias);
                                },
                                nullptr});
        random_.Seed(static_cast<double>(options.Seed % 1'000'000));
    }
    ~Soak() {
        shell_.reset();
        SetSoundCalls(std::move(sound_));
        ResetFlags();
        presentation::CloseScreen();
    }
    Soak(const Soak&) = delete;
    Soak& operator=(const Soak&) = delete;

    void Run() {
        levels_ = LevelNumbersIn("lvl");
        while (report_.Frames < options_.Frames && report_.Failure.empty()) {
            if (!shell_) StartSession();
            Frame();
        }
    }

    void Finish() {
        if (shell_) report_.Trace.Final = replay::DigestFrame(Game(), {});
    }

  private:
    world::GameState& Game() { return shell_->Play().Game(); }

    void Fail(const std::string& what) {
        std::ostringstream s;
        s << what << " (start level " << options_.StartLevel << ", seed " << options_.Seed
          << ", after frame " << report_.Frames << ")";
        if (shell_) s << "\n" << Describe(Game());
        report_.Failure = s.str();
    }

    // A new game goes on with the random sequence where the last one left it, as one process
    // playing several games in turn would.
    void StartSession() {
        shell_ = std::make_unique<Shell>(world::LevelFolder("lvl"), 0.0);
        Game().Random = random_;
        ++report_.Sessions;
        shell_->StartPlay(level_);
        const gui::Button* b = shell_->View().RespawnGui.GetButton(1);
        buttonX_ = b->X + b->Width / 2;
        buttonY_ = b->Y + b->Height / 2;
        plan_.clear();
    }

    // Finishing the last level asks for a file that is not there, which ends the game; the walk
    // goes on in a new session on its start level.
    void SessionEnded() {
        const std::int32_t missing = Game().LevelNumber;
        const std::string expected = "Could not open file '" + world::LevelPath(missing) + "'";
        const auto& error = shell_->Play().Error();
        const std::string fatal = error ? error->Message() : "";
        if (fatal != expected || std::binary_search(levels_.begin(), levels_.end(), missing)) {
            Fail("the game ended with the report \"" + fatal + "\"");
            return;
        }
        random_ = Game().Random;
        shell_.reset();
        frameSounds_.clear();  // of the frame that never ended
        level_ = options_.StartLevel;
        pt::ReleaseAllKeys();
    }

    const LevelFacts& Facts(std::int32_t level) {
        auto it = facts_.find(level);
        if (it == facts_.end()) {
            const auto map = world::LevelFolder("lvl").Read(level);
            it = facts_.emplace(level, FactsOf(map.value_or(world::LevelMap{}))).first;
        }
        return it->second;
    }

    const std::vector<Hold>* Solution(std::int32_t level) {
        auto it = solutions_.find(level);
        if (it == solutions_.end()) {
            std::vector<Hold> holds;
            std::ifstream in("levels/solutions/Level" + std::to_string(level) + ".txt");
            std::stringstream text;
            text << in.rdbuf();
            if (const auto script = replay::ParseScript(text.str())) {
                for (const replay::Command& c : script->Commands) {
                    if (c.What == replay::Command::Kind::Hold) holds.push_back({c.Keys, c.Frames});
                }
            }
            it = solutions_.emplace(level, std::move(holds)).first;
        }
        return it->second.empty() ? nullptr : &it->second;
    }

    std::uint64_t Below(std::uint64_t n) { return rng_() % n; }
    int Key() { return MovementKeys[Below(MovementKeys.size())]; }

    // The next stretch of the walk when nothing is planned.
    void PlanWalk() {
        const std::uint64_t r = Below(100);
        if (r < 55) {
            plan_.push_back({{Key()}, 1 + static_cast<std::int64_t>(Below(10))});
            plan_.push_back({{}, 1 + static_cast<std::int64_t>(Below(4))});
        } else if (r < 65) {
            plan_.push_back({{Key(), Key()}, 1 + static_cast<std::int64_t>(Below(8))});
            plan_.push_back({{}, 1 + static_cast<std::int64_t>(Below(3))});
        } else if (r < 74) {
            std::vector<int> keys{scan::Space};
            if (Below(2)) keys.push_back(Key());
            plan_.push_back({keys, 1 + static_cast<std::int64_t>(Below(5))});
            plan_.push_back({{}, 1});
        } else if (r < 76) {
            plan_.push_back({{scan::Enter}, 1});  // giving up, to restart the level
            ++report_.GiveUps;
        } else {
            plan_.push_back({{}, 1 + static_cast<std::int64_t>(Below(40))});
        }
    }

    // Sets the keys and the mouse for this frame; true when the mouse is pressed.
    bool ChooseInput(bool drawn) {
        pt::ReleaseAllKeys();
        const world::Player& p = Game().Player;
        if (p.Dead) {
            plan_.clear();
            if (respawnWait_ < 0) respawnWait_ = static_cast<int>(Below(90));
            if (respawnWait_-- > 0) return false;
            respawnWait_ = -1;
            pressingRespawn_ = true;
            pt::SetMouse(buttonX_, buttonY_, 1);
            return true;
        }
        if (plan_.empty()) PlanWalk();
        Hold& h = plan_.front();
        for (int key : h.Keys) pt::PressKey(key);
        if (--h.Frames <= 0) plan_.pop_front();
        if (drawn && Below(200) == 0) {  // the sound or the music toggle
            pt::SetMouse(115 + 7, (Below(2) ? 9 : 24) + 7, 1);
            return true;
        }
        return false;
    }

    void Frame() {
        world::GameState& g = Game();
        const bool drawn = report_.Frames % options_.DrawEvery == 0;
        const bool clicked = ChooseInput(drawn);
        const bool wasDead = g.Player.Dead;
        if (drawn) {
            shell_->Frame();
            ++report_.DrawnFrames;
        } else {
            // The world's share of a frame, without the widgets, the timer and the drawing.
            world::FrameInput input = ReadHeldKeys();
            input.Respawn = pressingRespawn_;
            shell_->Play().Step(input);
        }
        if (shell_->Play().Screen() == Screen::LevelComplete) PassDialog(drawn);
        if (shell_->Play().Screen() == Screen::Error) return SessionEnded();
        ++report_.Frames;
        ++report_.FramesOnLevel[g.LevelNumber];
        report_.Trace.Add(replay::DigestFrame(g, frameSounds_));
        frameSounds_.clear();
        if (clicked) pt::SetMouse(0, 0, 0);
        if (!wasDead && g.Player.Dead) ++report_.Deaths;
        if (std::exchange(pressingRespawn_, false)) {
            if (g.Player.Dead) return Fail("the respawn button did not restart the level");
            ++report_.Respawns;
            // From a fresh start the level's own solution now and then, so levels get finished.
            if (const auto* solution = Solution(g.LevelNumber); solution && Below(3) == 0) {
                plan_.push_back({{}, 1});
                plan_.insert(plan_.end(), solution->begin(), solution->end());
                ++report_.SolutionsPlayed;
            }
        }
        if (const std::string broken = BrokenInvariant(g, Facts(g.LevelNumber)); !broken.empty())
            Fail(broken);
    }

    // The frame waits on the level-complete dialog: the walk lets go of the keys and presses
    // "nextlvl", in the dialog's own frame when the frame is drawn.
    void PassDialog(bool drawn) {
        ++report_.LevelsFinished;
        plan_.clear();
        pt::ReleaseAllKeys();
        if (!drawn) {
            shell_->Play().NextLevel();
            return;
        }
        pt::SetMouse(buttonX_, buttonY_, 1);
        shell_->Frame();
        pt::SetMouse(0, 0, 0);
        if (shell_->Screen() == Screen::LevelComplete)
            Fail("the level-complete dialog never closed");
    }

    const SoakOptions& options_;
    SoakReport& report_;
    std::mt19937_64 rng_;
    std::int32_t level_;
    std::vector<std::int32_t> levels_;
    std::unique_ptr<Shell> shell_;
    world::RandomSequence random_;  // where the last game's random sequence stood
    std::deque<Hold> plan_;
    std::map<std::int32_t, LevelFacts> facts_;
    std::map<std::int32_t, std::vector<Hold>> solutions_;
    int respawnWait_ = -1;
    bool pressingRespawn_ = false;
    std::int32_t buttonX_ = 0;
    std::int32_t buttonY_ = 0;
    std::int64_t soundsPlayed_ = 0;
    replay::FrameSounds frameSounds_;  // the world sounds of the frame being played
    SoundCalls sound_;
};

}  // namespace

SoakReport RunSoak(const SoakOptions& options) {
    SoakReport report;
    Soak soak(options, report);
    soak.Run();
    soak.Finish();
    return report;
}

std::string CheckSoakTrace(const std::string& name, const replay::Trace& trace) {
    // The tests run in a folder of their own; the file is the checkout's.
    return replay::CheckTrace((RepoRoot() / "tests/app/soak_traces.txt").string(), name, trace);
}

}  // namespace app::test
