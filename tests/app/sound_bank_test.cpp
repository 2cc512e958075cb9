// The sound bank: the 45 aliases in registration order, the variant counters, the SoundEnabled
// gating and its exception, and the music's restart and toggle, with the sound calls recorded.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/flags.h"
#include "app/sound.h"
#include "app/sound_bank.h"
#include "zuplay/zuplay.h"

namespace app {
namespace {

using Calls = std::vector<std::string>;

class SoundBankTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFlags();
        previous = SetSoundCalls(
            {[this](std::string_view file, std::string_view alias) {
                 log.push_back("open " + std::string(file) + " " + std::string(alias));
             },
             [this](std::string_view alias) { log.push_back("play " + std::string(alias)); },
             [this](std::string_view alias) { log.push_back("stop " + std::string(alias)); }});
    }
    void TearDown() override {
        SetSoundCalls(previous);
        ResetFlags();
    }

    Calls log;
    SoundCalls previous;
};

TEST_F(SoundBankTest, RegisterSoundsOpensAll45AliasesInOrder) {
    RegisterSounds();
    const Calls singles = {
        "open res\\sound\\buttonclick.wav buttonclick", "open res\\sound\\dead.wav dead",
        "open res\\sound\\finish.wav finish",           "open res\\sound\\ambience.mp3 ambience",
        "open res\\sound\\explosion.wav explosion",
    };
    const char* bases[] = {"breakstone",     "dig",      "pickup", "rollstone", "stonecoll",
                           "stoneslideside", "fassroll", "leak"};
    Calls expected = singles;
    for (char digit = '0'; digit <= '4'; ++digit) {
        for (const char* base : bases) {
            expected.push_back("open res\\sound\\" + std::string(base) + ".wav " + base + digit);
        }
    }
    ASSERT_EQ(expected.size(), 45u);
    EXPECT_EQ(log, expected);
    EXPECT_EQ(log[5], "open res\\sound\\breakstone.wav breakstone0");
    EXPECT_EQ(log[44], "open res\\sound\\leak.wav leak4");
}

TEST_F(SoundBankTest, VariantsAreUsedInTurn) {
    std::int8_t counter = 0;
    for (int event = 0; event < 6; ++event) PlayVariant("dig", counter);
    EXPECT_EQ(
        log, (Calls{"play dig0", "play dig1", "play dig2", "play dig3", "play dig4", "play dig0"}));
    EXPECT_EQ(counter, 1);
}

TEST_F(SoundBankTest, SilentEventsStillAdvanceTheCounter) {
    Flags().SoundEnabled = 0;
    std::int8_t counter = 0;
    for (int event = 0; event < 3; ++event) PlayVariant("dig", counter);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(counter, 3);
    Flags().SoundEnabled = 1;
    PlayVariant("dig", counter);
    EXPECT_EQ(log, Calls{"play dig3"});
}

TEST_F(SoundBankTest, ACounterOutOfRangeStartsAgainAtZero) {
    std::int8_t counter = 9;
    PlayVariant("leak", counter);
    std::int8_t negative = -1;
    PlayVariant("leak", negative);
    EXPECT_EQ(log, (Calls{"play leak0", "play leak0"}));
    EXPECT_EQ(counter, 1);
    EXPECT_EQ(negative, 1);
}

TEST_F(SoundBankTest, EffectsNeedSoundOnButExplosionsAreAlwaysHeard) {
    PlayEffect("dead");
    PlayEffect("finish");
    Flags().SoundEnabled = 0;
    PlayEffect("dead");
    PlayEffect("finish");
    PlayExplosion();
    EXPECT_EQ(log, (Calls{"play dead", "play finish", "play explosion"}));
}

TEST_F(SoundBankTest, TheTimerRestartsTheMusicOnlyWhileMusicIsOn) {
    RestartAmbience("");
    Flags().MusicEnabled = 0;
    RestartAmbience("music");
    Flags().SoundEnabled = 0;  // the sound toggle does not touch the music
    Flags().MusicEnabled = 1;
    RestartAmbience("music");
    EXPECT_EQ(log, (Calls{"play ambience", "play ambience"}));
}

TEST_F(SoundBankTest, TheMusicToggleStopsAndRestartsFromTheStart) {
    SwitchMusic(false);
    EXPECT_EQ(Flags().MusicEnabled, 0);
    RestartAmbience("");  // stays silent until switched on again
    SwitchMusic(true);
    EXPECT_EQ(Flags().MusicEnabled, 1);
    EXPECT_EQ(log, (Calls{"stop ambience", "play ambience"}));
}

// A 100 ms silent mono WAV at 8000 frames per second.
void WriteShortWav(const std::filesystem::path& path) {
    auto put = [](std::ofstream& out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    put(out, 36 + 1600, 4);
    out << "WAVEfmt ";
    for (auto [value, bytes] :
         {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {8000u, 4}, {16000u, 4}, {2u, 2}, {16u, 2}}) {
        put(out, value, bytes);
    }
    out << "data";
    put(out, 1600, 4);
    for (int i = 0; i < 1600; ++i) out.put('\0');
}

// Without a recorder the seam reaches the sample-player library, backslashed paths and all.
TEST(SoundSeam, DefaultCallsGoToTheLibrary) {
    std::string folder = (std::filesystem::temp_directory_path() / "soundseam-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    WriteShortWav(std::filesystem::path(folder) / "blip.wav");
    OpenSound(folder + "\\blip.wav", "seam-blip");
    PlaySound("seam-blip");
    StopSound("seam-blip");
    ZuText alias{"seam-blip", 9};
    EXPECT_EQ(ZuSampleLength(&alias), 100);
    EXPECT_EQ(ZuCloseSample(&alias), -1);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace app
