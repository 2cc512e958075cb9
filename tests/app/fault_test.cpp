// Broken resources: in a private copy of res/, each picture in turn missing and then garbage, and
// each sound in turn missing and then garbage. The game must still run through its real menu and
// play loop: a missing picture is simply not drawn, a broken sound is a silent alias.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/flags.h"
#include "app/main_menu.h"
#include "app/shell.h"
#include "app/sound.h"
#include "app/sound_bank.h"
#include "tests/app/play_test_support.h"
#include "tests/app/sound_library_support.h"
#include "zuplay/zuplay.h"

namespace app::test {
namespace {

namespace scan = presentation::scan;

// Picture files under res/, relative to it ("map/stone.bmp"), found when the tests are listed.
std::vector<std::string> PictureFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(RepoRoot() / "res")) {
        if (entry.path().extension() == ".bmp")
            files.push_back(fs::relative(entry.path(), RepoRoot() / "res").generic_string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file with everything but its signature and its size fields replaced by noise: it passes
// the size probe, and the decoder meets a header and pixels that make no sense.
std::string Garbled(const std::string& bytes, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::string out = bytes;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const bool kept = i < 2 || (i >= 18 && i < 26);
        if (!kept) out[i] = static_cast<char>(rng());
    }
    return out;
}

// Every tile kind in view of the start (10, 10); to its right a crystal, the pickaxe and a
// charge to collect on the way.
world::LevelMap ShowcaseLevel() {
    world::LevelMap map = FramedLevel(10, 10);
    map.At(11, 10) = world::Crystal;
    map.At(12, 10) = world::Pickaxe;
    map.At(13, 10) = world::Tnt;
    const world::Cell row[] = {world::Stone,         world::StairDown,     world::Massive,
                               world::Block,         world::BCrystal,      world::CrystalEarth,
                               world::BCrystalEarth, world::DeadEarth,     world::Barrel,
                               world::Leak,          world::TntPlaced,     world::StairUp,
                               world::Empty,         world::CellOfCode(44)};
    for (int i = 0; i < static_cast<int>(std::size(row)); ++i) map.At(4 + i, 13) = row[i];
    map.At(4 + 11, 13) = world::Earth;  // one start stair only
    return map;
}

class ResourceFaultTest : public PlayTest {
  protected:
    ResourceFaultTest() {
        fs::remove(dir_ / "res");
        fs::copy(RepoRoot() / "res", dir_ / "res", fs::copy_options::recursive);
        WriteLevel(1, ShowcaseLevel());
    }

    static void Step(Shell& s, int key) {
        Frames(s, {key});
        Frames(s, {});
    }

    // The menu, then about 150 frames of play: collect the crystal, the pickaxe and the charge,
    // light it, step away, watch it go off and its flames burn out, give up, respawn, walk on.
    void PlayThrough(bool playPressable, bool respawnPressable) {
        {
            MainMenu menu{world::LevelFolder("lvl")};
            for (int f = 0; f < 5; ++f) menu.Frame();
            pt::SetMouse(450, 300, 1);
            menu.Frame();
            pt::SetMouse(450, 300, 0);
            EXPECT_EQ(Flags().PlayRequested, playPressable);
            EXPECT_EQ(menu.ChosenLevel(), 1);
        }
        const std::unique_ptr<Shell> shell = NewShell();
        Shell& s = *shell;
        s.StartPlay(1);
        world::GameState& g = s.Play().Game();
        for (int k = 0; k < 3; ++k) Step(s, scan::Right);
        EXPECT_EQ(g.Collected, 1);
        EXPECT_EQ(g.Player.HasPickaxe, 1);
        EXPECT_EQ(g.Player.HasTnt, 1);
        g.TntFuseLength = 40;  // a short fuse: the pictures matter here, not the waiting
        Frames(s, {scan::Space});
        EXPECT_EQ(g.Map.At(13, 10), world::TntPlaced);
        for (int k = 0; k < 3; ++k) Step(s, scan::Left);
        Frames(s, {}, 35);  // the blast, and the flames of both charges
        EXPECT_EQ(g.Map.At(13, 10), world::Empty);
        EXPECT_EQ(g.Map.At(15, 13), world::Empty);  // beside the charge lying lit in the file
        EXPECT_EQ(g.Player.Dead, 0);
        Frames(s, {}, 20);
        Frames(s, {scan::Enter});
        Frames(s, {}, 5);
        EXPECT_EQ(g.Player.Dead, 1);
        pt::SetMouse(416 + 20, 360 + 10, 1);
        Frames(s, {});
        pt::SetMouse(0, 0, 0);
        EXPECT_EQ(g.Player.Dead, respawnPressable ? 0 : 1);
        Frames(s, {}, 5);
        // A last look around: down through the earth and back, while things settle.
        for (const int key : {scan::Down, scan::Down, scan::Left, scan::Up, scan::Up, scan::Right})
            Step(s, key);
        Frames(s, {}, 50);
    }
};

class PictureFaultTest : public ResourceFaultTest,
                         public ::testing::WithParamInterface<std::string> {};

TEST_P(PictureFaultTest, TheGamePlaysWithThePictureMissingAndThenGarbled) {
    const std::string& name = GetParam();
    const fs::path path = dir_ / "res" / name;
    const std::string original = ReadBytes(path);
    ASSERT_FALSE(original.empty());
    // Without their down pictures the buttons have no size and cannot be pressed.
    const bool playDown = name == "menu/playgame down.bmp";
    const bool okDown = name == "menu/okdown.bmp";

    fs::remove(path);
    {
        SCOPED_TRACE(name + " missing");
        PlayThrough(!playDown, !okDown);
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << Garbled(original, static_cast<std::uint32_t>(std::hash<std::string>{}(name)));
    {
        SCOPED_TRACE(name + " garbled");
        PlayThrough(true, true);  // the size is still in the header
    }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, PictureFaultTest, ::testing::ValuesIn(PictureFiles()),
                         TestName);

std::int32_t LengthOf(std::string_view alias) {
    const ZuText a = LibraryText(alias);
    return ZuSampleLength(&a);
}

TEST_F(ResourceFaultTest, ABrokenSoundFileLeavesOnlyItsOwnAliasesSilent) {
    SetSoundCalls(LibraryCalls());  // the fixture puts its recorder back at the end
    std::vector<std::pair<std::string, std::string>> aliases;  // file, alias
    ForEachSound([&](std::string_view file, std::string_view alias) {
        aliases.emplace_back(std::string(file), std::string(alias));
    });
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir_ / "res" / "sound"))
        files.push_back("res\\sound\\" + entry.path().filename().string());
    std::sort(files.begin(), files.end());
    ASSERT_EQ(files.size(), 13u);

    for (const std::string& broken : files) {
        const fs::path path = dir_ / presentation::NativePath(broken);
        const std::string original = ReadBytes(path);
        for (const bool missing : {true, false}) {
            SCOPED_TRACE(broken + (missing ? " missing" : " garbled"));
            if (missing) {
                fs::remove(path);
            } else {
                std::string noise = original.substr(0, 64);
                noise.resize(original.size() / 8, '\x7F');
                std::ofstream(path, std::ios::binary | std::ios::trunc) << Garbled(noise, 7);
            }
            RegisterSounds();
            for (const auto& [file, alias] : aliases) {
                if (file == broken) {
                    EXPECT_EQ(LengthOf(alias), 0) << alias;
                } else {
                    EXPECT_GT(LengthOf(alias), 0) << alias;
                }
            }
            // A little play with every kind of effect asked for, the broken ones silent.
            for (const auto& [file, alias] : aliases) PlaySound(alias);
            {
                const std::unique_ptr<Shell> s = NewShell();
                s->StartPlay(1);
                for (int k = 0; k < 3; ++k) {
                    Frames(*s, {scan::Down});
                    Frames(*s, {});
                }
                Frames(*s, {scan::Enter});
                Frames(*s, {}, 3);
                EXPECT_TRUE(s->Play().Game().Player.Dead);
            }
            for (const auto& [file, alias] : aliases) {
                const ZuText a = LibraryText(alias);
                ZuCloseSample(&a);
            }
            std::ofstream(path, std::ios::binary | std::ios::trunc) << original;
        }
    }
}

}  // namespace
}  // namespace app::test
