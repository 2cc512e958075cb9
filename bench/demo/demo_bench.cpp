// Replaying a demo headless against playing it in real time: level 50's proven solution turned
// into a demo and replayed, with and without every frame digested. The counter "x_real_time" is the
// demo's play time at 60 frames a second over the replay's time; it must stay above 1,000.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "tools/replay/demo_run.h"
#include "tools/replay/script.h"

namespace {

demo::Demo LevelFiftyDemo() {
    std::ifstream in("levels/solutions/Level50.txt");
    std::ostringstream text;
    text << in.rdbuf();
    const std::optional<replay::Script> script = replay::ParseScript(text.str());
    if (!script) return {};
    return replay::DemoOfScript(*script).value_or(demo::Demo{});
}

// Argument 1: every frame digested into the trace (as the tests compare runs); 0: the outcome only.
void BM_ReplayLevelFiftyDemo(benchmark::State& state) {
    const demo::Demo d = LevelFiftyDemo();
    if (d.Frames() == 0) {
        state.SkipWithError("levels/solutions/Level50.txt cannot be played");
        return;
    }
    double seconds = 0;
    std::int64_t runs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        replay::DemoRunOptions options;
        options.Trace = state.range(0) != 0;
        const replay::Outcome out = replay::RunDemo(d, options);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++runs;
        benchmark::DoNotOptimize(out.Trace.Final);
    }
    state.counters["frames"] = static_cast<double>(d.Frames());
    state.counters["x_real_time"] = d.Frames() / 60.0 / (seconds / runs);
}
BENCHMARK(BM_ReplayLevelFiftyDemo)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
