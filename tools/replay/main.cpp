// The replay tool: plays replay scripts headless and prints how each run ended; also prints a
// level file as a picture and writes a level file from one. Run it from the folder that holds the
// game's res and lvl folders. Single-threaded.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/level_codes.h"
#include "tools/replay/demo_run.h"
#include "tools/replay/harness.h"
#include "tools/replay/shipped_runs.h"
#include "world/level_file.h"
#include "world/map_picture.h"

namespace {

constexpr const char* Usage =
    "usage: replay [--level N] [--seed S]... [--seeds FIRST-LAST] [--phase P] [--expect WHAT]"
    " [--map] SCRIPT...\n"
    "       replay --robust [--map] SCRIPT...\n"
    "       replay --digests [--level N] [--seed S] [--phase P] SCRIPT\n"
    "       replay --traces\n"
    "       replay --show LEVELFILE\n"
    "       replay --make-level PICTURE LEVELFILE\n"
    "       replay --demo [--digests] [--map] [--level-file LEVELFILE] DEMO\n"
    "       replay --to-demo [--level N] [--seed S] [--phase P] SCRIPT DEMO\n"
    "Plays each script once per seed (the script's own seed, or 1, when none is given) and\n"
    "prints how the run ended. WHAT is finished (default), dead or alive; the status is 0 when\n"
    "every run ended so and played every line as written, 1 otherwise, 2 for a bad command line\n"
    "or script. P is the number of frames the fall and drip rhythms have run when the level\n"
    "starts (default 0). --robust plays the five seeds and phases a shipped solution must\n"
    "finish under. Cells a picture does not reach become massive walls ('#').\n"
    "--digests prints the digest of every frame, one a line, to find where two runs part.\n"
    "--traces prints the traces of every shipped solution under the five trials and of the\n"
    "campaign, as tests/world/traces.txt keeps them.\n"
    "--demo plays a demo file (docs/demos.md) and prints how it ended; the status is 0 when it\n"
    "played to its end, 1 when it could not, 2 for a file that is no demo. With --level-file\n"
    "the demo's level is LEVELFILE (a level made outside lvl/), and no other level is played.\n"
    "--to-demo plays the script and writes its run as a demo.\n";

struct Options {
    std::optional<std::int32_t> Level;
    std::vector<double> Seeds;
    std::int32_t Phase = 0;
    bool Robust = false;
    std::string Expect = "finished";
    bool Map = false;
    bool Digests = false;
    bool Demo = false;
    bool ToDemo = false;
    std::optional<std::string> LevelFile;  // --level-file: the demo's level
    std::vector<std::string> Scripts;
};

std::optional<std::string> ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "replay: %s\n", message.c_str());
    return 2;
}

int ShowLevel(const std::string& path) {
    const std::optional<world::LevelMap> map = world::ReadLevelFile(path);
    if (!map) return Fail("cannot read " + path);
    std::fputs(world::CroppedPictureOfMap(*map).c_str(), stdout);
    return 0;
}

int MakeLevel(const std::string& picturePath, const std::string& levelPath) {
    const std::optional<std::string> picture = ReadText(picturePath);
    if (!picture) return Fail("cannot read " + picturePath);
    std::string error;
    const std::optional<world::LevelMap> map =
        world::MapFromPicture(*picture, world::Massive, &error);
    if (!map) return Fail(picturePath + ": " + error);
    std::ofstream out(levelPath, std::ios::binary);
    out << world::LevelFileText(*map);
    if (!out.flush()) return Fail("cannot write " + levelPath);
    return 0;
}

bool ParseSeedRange(const std::string& range, std::vector<double>& seeds) {
    int first = 0, last = 0;
    char dash = 0;
    std::istringstream in(range);
    if (!(in >> first >> dash >> last) || dash != '-' || first > last || last - first > 10000)
        return false;
    for (int s = first; s <= last; ++s) seeds.push_back(s);
    return true;
}

// False for a command line that cannot be understood.
bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--map") {
            o.Map = true;
        } else if (a == "--digests") {
            o.Digests = true;
        } else if (a == "--demo") {
            o.Demo = true;
        } else if (a == "--to-demo") {
            o.ToDemo = true;
        } else if (a == "--robust") {
            o.Robust = true;
        } else if (a == "--phase" && hasValue) {
            o.Phase = std::stoi(argv[++i]);
        } else if (a == "--level-file" && hasValue) {
            o.LevelFile = argv[++i];
        } else if (a == "--level" && hasValue) {
            o.Level = std::stoi(argv[++i]);
        } else if (a == "--seed" && hasValue) {
            o.Seeds.push_back(std::stod(argv[++i]));
        } else if (a == "--seeds" && hasValue) {
            if (!ParseSeedRange(argv[++i], o.Seeds)) return false;
        } else if (a == "--expect" && hasValue) {
            o.Expect = argv[++i];
            if (o.Expect != "finished" && o.Expect != "dead" && o.Expect != "alive") return false;
        } else if (!a.empty() && a[0] == '-') {
            return false;
        } else {
            o.Scripts.push_back(a);
        }
    }
    // A level file stands for a demo's level only; scripts name theirs by number.
    return !o.Scripts.empty() && (o.Demo || !o.LevelFile);
}

std::string FirstWord(const std::string& text) {
    return text.substr(0, text.find(':'));
}

// Plays one script with every seed; false when a run did not end as expected.
std::optional<bool> PlayScript(const std::string& path, const Options& o) {
    const std::optional<std::string> text = ReadText(path);
    if (!text) {
        Fail("cannot read " + path);
        return std::nullopt;
    }
    std::string error;
    const std::optional<replay::Script> script = replay::ParseScript(*text, &error);
    if (!script) {
        Fail(path + ": " + error);
        return std::nullopt;
    }
    std::vector<replay::RunOptions> trials;
    for (double seed : o.Seeds) trials.push_back({o.Level, seed, o.Phase});
    if (trials.empty()) trials.push_back({o.Level, std::nullopt, o.Phase});
    if (o.Robust) trials = replay::StandardTrials();
    bool good = true;
    for (replay::RunOptions& trial : trials) {
        trial.KeepDigests = o.Digests;
        const replay::Outcome outcome = replay::Run(*script, trial);
        for (std::uint64_t d : outcome.FrameDigests)
            std::printf("%016llx\n", (unsigned long long)d);
        const std::string account = replay::Describe(outcome, o.Map);
        std::printf("%s: %s", path.c_str(), account.c_str());
        good = good && FirstWord(account) == o.Expect && outcome.Problems.empty();
    }
    return good;
}

int PrintTraces() {
    for (const replay::NamedRun& run :
         replay::ShippedRuns("levels/solutions", app::LevelCodeCount)) {
        const replay::Outcome outcome = replay::Run(run.Played, run.Options);
        std::printf("%s\n", replay::TraceLine(run.Name, outcome.Trace).c_str());
    }
    return 0;
}

int PlayDemo(const std::string& path, const Options& o) {
    std::string error;
    const std::optional<demo::Demo> d = replay::LoadDemo(path, &error);
    if (!d) return Fail(error);
    replay::DemoRunOptions options;
    options.KeepDigests = o.Digests;
    if (o.LevelFile) options.LevelFile = *o.LevelFile;
    const replay::Outcome outcome = replay::RunDemo(*d, options);
    for (std::uint64_t digest : outcome.FrameDigests)
        std::printf("%016llx\n", (unsigned long long)digest);
    std::printf("%s: %s", path.c_str(), replay::Describe(outcome, o.Map).c_str());
    std::printf("final digest %016llx\n", (unsigned long long)outcome.Trace.Final);
    return outcome.Problems.empty() && outcome.FatalMessage.empty() ? 0 : 1;
}

int ScriptToDemo(const Options& o) {
    if (o.Scripts.size() != 2) return Fail("--to-demo takes a script and a demo file");
    const std::optional<std::string> text = ReadText(o.Scripts[0]);
    if (!text) return Fail("cannot read " + o.Scripts[0]);
    std::string error;
    const std::optional<replay::Script> script = replay::ParseScript(*text, &error);
    if (!script) return Fail(o.Scripts[0] + ": " + error);
    const double seed = o.Seeds.empty() ? script->Seed.value_or(1) : o.Seeds[0];
    const std::optional<demo::Demo> d = replay::DemoOfScript(*script, {o.Level, seed, o.Phase});
    if (!d) return Fail(o.Scripts[0] + ": its level cannot be read");
    if (!demo::WriteDemoFile(o.Scripts[1], *d, &error)) return Fail(error);
    return 0;
}

int PlayAll(const Options& o) {
    if (o.Demo)
        return o.Scripts.size() == 1 ? PlayDemo(o.Scripts[0], o) : Fail("--demo takes one file");
    if (o.ToDemo) return ScriptToDemo(o);
    bool good = true;
    for (const std::string& path : o.Scripts) {
        const std::optional<bool> played = PlayScript(path, o);
        if (!played) return 2;
        good = good && *played;
    }
    return good ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--show" && argc == 3) return ShowLevel(argv[2]);
    if (first == "--make-level" && argc == 4) return MakeLevel(argv[2], argv[3]);
    if (first == "--traces" && argc == 2) return PrintTraces();
    Options options;
    bool understood = false;
    try {
        understood = ParseOptions(argc, argv, options);
    } catch (const std::exception&) {  // a number that is none (std::stoi, std::stod)
    }
    if (!understood) {
        std::fputs(Usage, stderr);
        return 2;
    }
    return PlayAll(options);
}
