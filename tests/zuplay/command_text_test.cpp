// The exact command texts each export sends, the results it makes of the answers, the
// device-type table and the short-path step.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/zuplay/fixtures.h"
#include "zuplay/device_type.h"
#include "zuplay/short_path.h"
#include "zuplay/zuplay.h"

namespace zuplay::testing {
namespace {

using Texts = std::vector<std::string>;

TEST(CommandText, EveryAliasExportSendsItsExactText) {
    CommandRecorder recorder;
    ZuText alias = Text("dig0");
    std::int32_t from1500 = 1500;
    std::int32_t fromMinus3 = -3;
    std::int32_t fromZero = 0;
    EXPECT_EQ(ZuPlaySample(&alias), -1);
    EXPECT_EQ(ZuPlaySampleFrom(&alias, &from1500), -1);
    EXPECT_EQ(ZuPlaySampleFrom(&alias, &fromMinus3), -1);
    EXPECT_EQ(ZuPlaySampleFrom(&alias, &fromZero), -1);
    EXPECT_EQ(ZuStopSample(&alias), -1);
    EXPECT_EQ(ZuCloseSample(&alias), -1);
    EXPECT_EQ(ZUBREAKSAMPLE(&alias), -1);
    EXPECT_EQ(ZuResumeSample(&alias), -1);
    EXPECT_EQ(recorder.Sent, (Texts{"play dig0 from 0", "play dig0 from 1500", "play dig0 from -3",
                                    "play dig0 from 0", "stop dig0", "close dig0", "pause dig0",
                                    "resume dig0", "put dig0 destination"}));
    // None of these asks for a reply.
    for (std::uint32_t size : recorder.ReplySizes) EXPECT_EQ(size, 0u);
}

TEST(CommandText, FailedCommandsGiveZero) {
    CommandRecorder recorder;
    recorder.Result = 263;
    ZuText alias = Text("a");
    std::int32_t position = 10;
    EXPECT_EQ(ZuPlaySample(&alias), 0);
    EXPECT_EQ(ZuPlaySampleFrom(&alias, &position), 0);
    EXPECT_EQ(ZuStopSample(&alias), 0);
    EXPECT_EQ(ZuCloseSample(&alias), 0);
    EXPECT_EQ(ZUBREAKSAMPLE(&alias), 0);
    EXPECT_EQ(ZuResumeSample(&alias), 0);
}

TEST(CommandText, ResumeAnswersWithThePutCommandOnly) {
    CommandRecorder recorder;
    ZuText alias = Text("music");
    recorder.FailWhen = "resume ";
    EXPECT_EQ(ZuResumeSample(&alias), -1);
    recorder.FailWhen = "put ";
    EXPECT_EQ(ZuResumeSample(&alias), 0);
    EXPECT_EQ(recorder.Sent, (Texts{"resume music", "put music destination", "resume music",
                                    "put music destination"}));
}

TEST(CommandText, StatusCommandsReadTheReplyAsANumber) {
    CommandRecorder recorder;
    ZuText alias = Text("ambience");
    recorder.Reply = "  1500";
    EXPECT_EQ(ZuSampleCurPos(&alias), 1500);
    recorder.Reply = "80000";
    EXPECT_EQ(ZuSampleLength(&alias), 80000);
    recorder.Reply = "&H40";
    EXPECT_EQ(ZuSampleLength(&alias), 64);
    recorder.Reply = "2.5";
    EXPECT_EQ(ZuSampleCurPos(&alias), 2);
    recorder.Reply = "3.5";
    EXPECT_EQ(ZuSampleCurPos(&alias), 4);
    recorder.Reply = "playing";
    EXPECT_EQ(ZuSampleCurPos(&alias), 0);
    recorder.Reply = "1234";
    recorder.Result = 1;  // failed: the reply buffer stays empty
    EXPECT_EQ(ZuSampleLength(&alias), 0);
    EXPECT_EQ(recorder.Sent.front(), "status ambience position");
    EXPECT_EQ(recorder.Sent[1], "status ambience length");
    // A 256-byte buffer of which 255 are declared usable.
    for (std::uint32_t size : recorder.ReplySizes) EXPECT_EQ(size, 255u);
}

TEST(CommandText, TextsAreCountedNotTerminated) {
    CommandRecorder recorder;
    const char buffer[] = "dig0dig1";
    ZuText alias{buffer, 4};
    ZuPlaySample(&alias);
    ZuText empty{nullptr, 0};
    ZuStopSample(&empty);  // an empty alias is still sent; the layer refuses it
    EXPECT_EQ(recorder.Sent, (Texts{"play dig0 from 0", "stop "}));
}

TEST(CommandText, MalformedTextRecordsFailWithoutSending) {
    CommandRecorder recorder;
    ZuText negative{"abc", -1};
    ZuText missingData{nullptr, 3};
    ZuText alias = Text("a");
    EXPECT_EQ(ZuPlaySample(nullptr), 0);
    EXPECT_EQ(ZuPlaySample(&negative), 0);
    EXPECT_EQ(ZuStopSample(&missingData), 0);
    EXPECT_EQ(ZuPlaySampleFrom(&alias, nullptr), 0);
    EXPECT_EQ(ZuSampleCurPos(nullptr), 0);
    EXPECT_EQ(ZuOpenSample(nullptr, &alias), 0);
    EXPECT_EQ(ZuOpenSample(&alias, nullptr), 0);
    EXPECT_TRUE(recorder.Sent.empty());
}

// Every row of the extension table, through ZuOpenSample on files that exist.
TEST(CommandText, OpenChoosesTheDeviceTypeByExtension) {
    TempFolder folder;
    struct Row {
        const char* Name;
        const char* Type;  // null: refused, nothing sent
    };
    const Row rows[] = {
        {"a.mid", "Sequencer"}, {"a.midi", "Sequencer"}, {"a.rmi", "Sequencer"},
        {"a.wav", "waveaudio"}, {"a.WAV", "waveaudio"},  {"a.cda", "CDAudio"},
        {"a.aif", "MPEGVideo"}, {"a.aifc", "MPEGVideo"}, {"a.aiff", "MPEGVideo"},
        {"a.au", "MPEGVideo"},  {"a.mp3", "MPEGVideo"},  {"a.MP3", "MPEGVideo"},
        {"a.snd", "MPEGVideo"}, {"a.wma", "MPEGVideo2"}, {"a.mpeg", nullptr},
        {"a.mpg", nullptr},     {"a.MPG", nullptr},      {"a.m1v", nullptr},
        {"a.mp2", nullptr},     {"a.mpa", nullptr},      {"a.mpe", nullptr},
        {"a.avi", nullptr},     {"a.wmv", nullptr},      {"a.xm", "MPEGVideo"},
        {"a.", "MPEGVideo"},    {"noext", ""},           {"a.b.wav", "waveaudio"},
    };
    for (const Row& row : rows) {
        std::string path = folder.File(row.Name);
        WriteBytes(path, "x");
        CommandRecorder recorder;
        ZuText file = Text(path);
        ZuText alias = Text("s");
        std::int32_t result = ZuOpenSample(&file, &alias);
        if (row.Type == nullptr) {
            EXPECT_EQ(result, 0) << row.Name;
            EXPECT_TRUE(recorder.Sent.empty()) << row.Name;
        } else {
            EXPECT_EQ(result, -1) << row.Name;
            EXPECT_EQ(recorder.Sent, Texts{"open \"" + path + "\" type " + row.Type + " alias s"})
                << row.Name;
        }
    }
}

TEST(CommandText, DeviceTypeTakesTheTextAfterTheLastDot) {
    EXPECT_EQ(DeviceTypeFor("res.d/sound"), "MPEGVideo");  // extension "d/sound"
    EXPECT_EQ(DeviceTypeFor("res\\sound\\dig.wav"), "waveaudio");
    EXPECT_EQ(DeviceTypeFor(""), "");
    EXPECT_EQ(DeviceTypeFor("clip.Avi"), std::nullopt);
}

TEST(CommandText, OpenKeepsBackslashesButChecksTheMappedPath) {
    TempFolder folder;
    std::filesystem::create_directories(folder.Path / "res" / "sound");
    WriteBytes(folder.File("res/sound/dig.wav"), "x");
    CommandRecorder recorder;
    std::string path = folder.Path.string() + "\\res\\sound\\dig.wav";
    ZuText file = Text(path);
    ZuText alias = Text("dig0");
    EXPECT_EQ(ZuOpenSample(&file, &alias), -1);
    EXPECT_EQ(recorder.Sent, Texts{"open \"" + path + "\" type waveaudio alias dig0"});

    std::string missing = folder.Path.string() + "\\res\\sound\\gone.wav";
    ZuText missingFile = Text(missing);
    EXPECT_EQ(ZuOpenSample(&missingFile, &alias), 0);
    EXPECT_EQ(recorder.Sent.size(), 1u);  // nothing sent for the missing file
}

TEST(CommandText, ShortPathStandInReportsTheNeededSize) {
    TempFolder folder;
    std::string path = folder.File("x.wav");
    WriteBytes(path, "x");
    char buffer[8] = "keepme";
    EXPECT_EQ(GetShortPath(path, buffer, sizeof buffer), path.size() + 1);
    EXPECT_STREQ(buffer, "keepme");  // untouched when it does not fit
    std::string fits(path.size() + 1, '?');
    EXPECT_EQ(GetShortPath(path, fits.data(), static_cast<std::uint32_t>(fits.size())),
              path.size());
    EXPECT_EQ(fits, path + '\0');
    EXPECT_EQ(GetShortPath(folder.File("none.wav"), fits.data(), 100), 0u);
    EXPECT_EQ(GetShortPath(std::string("x.wav\0y", 7), fits.data(), 100), 0u);
    EXPECT_EQ(GetShortPath("", fits.data(), 100), 0u);
}

// Names are sent between quotes, so whatever the file system accepts opens: spaces, UTF-8, and
// paths far beyond the platform's old 100-byte short-path buffer, up to PATH_MAX.
TEST(CommandText, OpenQuotesAnyNameTheFileSystemAccepts) {
    TempFolder folder;
    std::filesystem::create_directories(folder.Path / "dir with space" / "\xC3\xA9t\xC3\xA9");
    std::string deep = folder.Path.string();
    while (deep.size() < 3900) {
        deep += "/" + std::string(100, 'd');
        std::filesystem::create_directory(deep);
    }
    const std::string names[] = {
        folder.File("dir with space/a.wav"),
        folder.File("dir with space/\xC3\xA9t\xC3\xA9/\xC3\xA9t\xC3\xA9.wav"),
        folder.Path.string() + "\\dir with space\\b c.wav",
        deep + "/" + std::string(4095 - deep.size() - 5, 'f') + ".wav",
    };
    ASSERT_EQ(names[3].size(), 4095u);
    WriteBytes(folder.File("dir with space/b c.wav"), "x");
    for (const std::string& name : names) {
        if (name.find('\\') == std::string::npos) WriteBytes(name, "x");
        CommandRecorder recorder;
        ZuText file = Text(name);
        ZuText alias = Text("a");
        EXPECT_EQ(ZuOpenSample(&file, &alias), -1) << name.size();
        EXPECT_EQ(recorder.Sent, Texts{"open \"" + name + "\" type waveaudio alias a"});
    }
}

// A quote or a control byte would end or break the quoted name: refused before anything is sent,
// even when such a file exists.
TEST(CommandText, OpenRefusesNamesThatCannotBeQuoted) {
    TempFolder folder;
    CommandRecorder recorder;
    ZuText alias = Text("a");
    for (const char* name : {"say \"hi\".wav", "tab\there.wav", "line\nbreak.wav", "del\x7F.wav"}) {
        std::string path = folder.File(name);
        WriteBytes(path, "x");
        ZuText file = Text(path);
        EXPECT_EQ(ZuOpenSample(&file, &alias), 0) << name;
    }
    EXPECT_TRUE(recorder.Sent.empty());
}

}  // namespace
}  // namespace zuplay::testing
