// The shared library as the game meets it: loaded, called from several threads, unloaded, and
// left with open aliases when the process ends; and the real-time fallback device that keeps
// everything working on a machine without a sound card.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/zuplay/fixtures.h"

namespace zuplay::testing {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kRate = 44100;

// The library opened with dlopen, as a plug-in would be; closed with it.
struct LoadedLibrary {
    LoadedLibrary() : Handle(dlopen(ZUPLAY_LIBRARY, RTLD_NOW | RTLD_LOCAL)) {}
    ~LoadedLibrary() {
        if (Handle != nullptr) dlclose(Handle);
    }
    template <typename Fn>
    Fn* Find(const char* name) {
        return reinterpret_cast<Fn*>(dlsym(Handle, name));
    }
    std::int32_t Open(const std::string& file, const std::string& alias) {
        ZuText f = Text(file), a = Text(alias);
        return Find<decltype(ZuOpenSample)>("ZuOpenSample")(&f, &a);
    }
    std::int32_t Call(const char* name, const std::string& alias) {
        ZuText a = Text(alias);
        return Find<std::int32_t(const ZuText*)>(name)(&a);
    }

    void* Handle;
};

// Polls until done() or five seconds have passed.
template <typename Done>
bool WaitFor(Done done) {
    const auto deadline = Clock::now() + 5s;
    while (!done()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

TEST(Library, ExportsEveryFunctionAndStaysLoadedUntilTheProcessEnds) {
    TempFolder folder;
    WriteWav(folder.File("click.wav"), Pattern(kRate * 3 / 10, 1, 3000), 1, kRate);
    for (int round = 0; round < 3; ++round) {
        {
            LoadedLibrary library;
            ASSERT_NE(library.Handle, nullptr) << dlerror();
            for (const char* name : {"ZuOpenSample", "ZuPlaySample", "ZuPlaySampleFrom",
                                     "ZuStopSample", "ZuCloseSample", "ZUBREAKSAMPLE",
                                     "ZuResumeSample", "ZuSampleCurPos", "ZuSampleLength"}) {
                EXPECT_NE(dlsym(library.Handle, name), nullptr) << name;
            }
            const std::string a = "click" + std::to_string(2 * round);
            const std::string b = "click" + std::to_string(2 * round + 1);
            ASSERT_EQ(library.Open(folder.File("click.wav"), a), -1);
            ASSERT_EQ(library.Open(folder.File("click.wav"), b), -1);
            EXPECT_EQ(library.Call("ZuSampleLength", a.c_str()), 300);
            EXPECT_EQ(library.Call("ZuPlaySample", a.c_str()), -1);
            // Whichever device opened, the play moves on in real time and ends.
            EXPECT_TRUE(WaitFor([&] { return library.Call("ZuSampleCurPos", a.c_str()) == 300; }));
            EXPECT_EQ(library.Call("ZuPlaySample", b.c_str()), -1);  // left playing
        }
        // dlclose leaves the library (and the aliases inside it) in place: it is released only
        // when the process ends, which the next test checks.
        EXPECT_NE(dlopen(ZUPLAY_LIBRARY, RTLD_NOW | RTLD_NOLOAD), nullptr);
    }
    LoadedLibrary again;
    EXPECT_EQ(again.Call("ZuSampleLength", "click0"), 300);
}

// Closed straight after the first open, while the library's thread may still be opening the
// audio device: nothing waits for that thread, so nothing can hang.
TEST(Library, ClosingWhileTheDeviceIsStillOpeningDoesNotWait) {
    TempFolder folder;
    WriteWav(folder.File("click.wav"), Pattern(kRate / 10, 1, 3000), 1, kRate);
    for (int round = 0; round < 3; ++round) {
        LoadedLibrary library;
        ASSERT_NE(library.Handle, nullptr) << dlerror();
        const std::string alias = "early" + std::to_string(round);
        EXPECT_EQ(library.Open(folder.File("click.wav"), alias), -1);
        EXPECT_EQ(library.Call("ZuPlaySample", alias.c_str()), -1);
    }
}

// Run in a child process that ends with exit(0) while sounds play.
void ExitWhilePlayingThroughTheLoadedLibrary(const TempFolder& folder) {
    LoadedLibrary library;
    library.Open(folder.File("click.wav"), "click");
    library.Open(folder.File("music.wav"), "music");
    library.Call("ZuPlaySample", "click");
    library.Call("ZuPlaySample", "music");
    std::exit(0);
}

void ExitWhilePlayingThroughTheLinkedCopy(const TempFolder& folder) {
    std::string path = folder.File("music.wav");
    ZuText file = Text(path);
    ZuText alias = Text("music");
    ZuOpenSample(&file, &alias);
    ZuPlaySample(&alias);
    std::exit(0);
}

// The process ends with aliases open, one of them still decoding in the background: the exit
// handlers stop the library's threads and release everything (the sanitizer build's leak
// check runs in the child too).
TEST(Library, ProcessExitWithOpenAliasesIsClean) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TempFolder folder;
    WriteWav(folder.File("click.wav"), Pattern(kRate / 2, 1, 3000), 1, kRate);
    WriteWav(folder.File("music.wav"), Pattern(kRate * 20, 2, 3000), 2, kRate);
    EXPECT_EXIT(ExitWhilePlayingThroughTheLoadedLibrary(folder), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(ExitWhilePlayingThroughTheLinkedCopy(folder), ::testing::ExitedWithCode(0), "");
}

TEST(Library, CallsFromManyThreadsAreSerialised) {
    TempFolder folder;
    WriteWav(folder.File("dig.wav"), Pattern(kRate / 5, 1, 3000), 1, kRate);
    std::string file = folder.File("dig.wav");
    for (int digit = 0; digit < 5; ++digit) {
        ZuText f = Text(file);
        std::string name = "dig" + std::to_string(digit);
        ZuText a = Text(name);
        ASSERT_EQ(ZuOpenSample(&f, &a), -1);
    }
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &file] {
            std::string name = "dig" + std::to_string(t);
            ZuText a = Text(name);
            std::string own = "own" + std::to_string(t);
            ZuText o = Text(own), f = Text(file);
            for (int i = 0; i < 100; ++i) {
                ZuPlaySample(&a);
                ZUBREAKSAMPLE(&a);
                ZuResumeSample(&a);
                ZuSampleCurPos(&a);
                ZuStopSample(&a);
                ZuOpenSample(&f, &o);
                ZuPlaySample(&o);
                ZuCloseSample(&o);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int digit = 0; digit < 5; ++digit) {
        std::string name = "dig" + std::to_string(digit);
        ZuText a = Text(name);
        EXPECT_EQ(ZuSampleLength(&a), 200);
        EXPECT_EQ(ZuCloseSample(&a), -1);
    }
}

// No sound card (CI): the loopback device mixed by the library's own thread at real time.
TEST(Library, TheRealTimeFallbackPlaysAndEndsSoundsInRealTime) {
    TempFolder folder;
    WriteWav(folder.File("finish.wav"), Pattern(kRate * 3 / 10, 2, 3000), 2, kRate);
    MultimediaLayer layer(DeviceChoice::LoopbackRealTime);
    EXPECT_TRUE(layer.UsesLoopback());
    ASSERT_EQ(
        layer.Send("open " + folder.File("finish.wav") + " type waveaudio alias f", nullptr, 0), 0);
    char reply[256] = {};
    auto position = [&] {
        layer.Send("status f position", reply, 255);
        return std::stoi(reply);
    };
    const auto start = Clock::now();
    ASSERT_EQ(layer.Send("play f from 0", nullptr, 0), 0);
    EXPECT_TRUE(WaitFor([&] { return position() > 0; }));
    EXPECT_TRUE(WaitFor([&] { return position() == 300; }));
    EXPECT_GE(Clock::now() - start, 250ms);  // not faster than real time
    EXPECT_EQ(layer.Send("play f from 100", nullptr, 0), 0);
    EXPECT_TRUE(WaitFor([&] { return position() == 300; }));
}

}  // namespace
}  // namespace zuplay::testing
