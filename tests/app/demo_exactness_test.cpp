// A demo recorded through the shell's own frame functions, with keys held and let go at uneven
// times on the memory screen, replays headless to the same digest in every frame.
#include <algorithm>
#include <cstdint>

#include "app/demo_recorder.h"
#include "presentation/screen_services.h"
#include "tests/app/play_test_support.h"
#include "tools/replay/demo_run.h"
#include "tools/replay/trace.h"

namespace app::test {
namespace {

namespace scan = presentation::scan;

class DemoExactness : public PlayTest {
  protected:
    DemoExactness() {
        for (int n : {1, 2}) {
            const std::string name = "Level" + std::to_string(n) + ".dat";
            fs::copy_file(RepoRoot() / "lvl" / name, dir_ / "lvl" / name);
        }
    }

    // The digest of the frame the shell just played, from the world sounds it played.
    std::uint64_t Digest(Shell& shell) {
        replay::FrameSounds sounds;
        for (const std::string& s : sounds_)
            if (s.rfind("play ", 0) == 0 && replay::IsWorldSound(s.substr(5)))
                sounds.push_back(s.substr(5));
        sounds_.clear();
        return replay::DigestFrame(shell.Play().Game(), sounds);
    }
};

TEST_F(DemoExactness, ADemoRecordedInTheShellReplaysToTheSameDigestsEveryFrame) {
    std::unique_ptr<Shell> shell = NewShell();
    DemoRecorder recorder;
    shell->Play().SetRecorder(&recorder);
    shell->StartPlay(1);
    // Keys held for uneven stretches, as a player's hands do, with TNT now and then and a give-up
    // at the end; a small linear congruential sequence keeps the walk the same on every run.
    const int keys[] = {scan::Up, scan::Down, scan::Left, scan::Right, scan::W, scan::D, 0};
    std::uint32_t lcg = 12345;
    std::vector<std::uint64_t> digests;
    for (int stretch = 0; stretch < 150 && shell->Screen() == app::Screen::Playing; ++stretch) {
        lcg = lcg * 1664525u + 1013904223u;
        const int key = keys[(lcg >> 16) % std::size(keys)];
        const int held = 1 + static_cast<int>((lcg >> 8) % 9);
        const bool tnt = (lcg >> 4) % 13 == 0;
        for (int f = 0; f < held && shell->Screen() == app::Screen::Playing; ++f) {
            if (key && tnt)
                Frames(*shell, {key, scan::Space});
            else if (key)
                Frames(*shell, {key});
            else
                Frames(*shell, {});
            digests.push_back(Digest(*shell));
        }
    }
    for (int f = 0; f < 3; ++f) {
        Frames(*shell, {scan::Enter});
        digests.push_back(Digest(*shell));
    }
    ASSERT_TRUE(recorder.Demo());
    ASSERT_GT(digests.size(), 300u);
    const std::optional<demo::Demo> read = demo::ParseDemo(demo::DemoText(*recorder.Demo()));
    ASSERT_TRUE(read);
    const replay::Outcome out = replay::RunDemo(*read, {"lvl", true});
    EXPECT_EQ(out.FrameDigests, digests);
    EXPECT_TRUE(out.Dead);
    EXPECT_TRUE(out.Problems.empty());
}

}  // namespace
}  // namespace app::test
