// Entry point of the resource generator.
//
//   resgen <root>            writes every picture and sound effect under <root>/res/
//   resgen --music <file>    writes the ambience loop as a WAV file (tools/regen-resources.sh
//                            encodes it to res/sound/ambience.mp3)
//   resgen --tune <file>     writes the sample player's MIDI test tune (tests/zuplay/res/tune.mid)
//   resgen --icons <dir>     writes the desktop icon as <dir>/<N>x<N>/apps/game.png in the
//                            hicolor theme's sizes (the build does this for installing)
//
// Runs on one thread; exits 0 when every file was written, 1 otherwise.
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/resgen/art.h"
#include "tools/resgen/files.h"

namespace {

int Fail(const std::string& what) {
    std::fprintf(stderr, "resgen: %s\n", what.c_str());
    return 1;
}

int WriteAll(const std::filesystem::path& root) {
    int written = 0;
    for (auto* set : {&resgen::MapPictures, &resgen::PlayerPictures, &resgen::MenuPictures,
                      &resgen::ScorePictures, &resgen::FlamePictures}) {
        for (const resgen::Picture& p : set()) {
            if (!resgen::WriteFile(root / p.Path, resgen::EncodeBitmap(p.Image)))
                return Fail("cannot write " + p.Path);
            ++written;
        }
    }
    for (const resgen::Sound& s : resgen::EffectSounds()) {
        if (!resgen::WriteFile(root / s.Path,
                               resgen::EncodeWave(s.Samples, s.Channels, s.SampleRate)))
            return Fail("cannot write " + s.Path);
        ++written;
    }
    std::printf("resgen: %d files written under %s\n", written, root.string().c_str());
    return 0;
}

int WriteMusic(const std::filesystem::path& file) {
    const resgen::Sound music = resgen::AmbienceLoop();
    if (!resgen::WriteFile(file,
                           resgen::EncodeWave(music.Samples, music.Channels, music.SampleRate)))
        return Fail("cannot write " + file.string());
    return 0;
}

int WriteTune(const std::filesystem::path& file) {
    if (!resgen::WriteFile(file, resgen::EncodeTestTune()))
        return Fail("cannot write " + file.string());
    return 0;
}

int WriteIcons(const std::filesystem::path& dir) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        if (!resgen::WriteFile(dir / name / "apps" / "game.png",
                               resgen::EncodePng(resgen::PaintIcon(size))))
            return Fail("cannot write the " + name + " icon under " + dir.string());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string option = argc > 1 ? argv[1] : "";
    if (argc == 2 && !option.starts_with("-")) return WriteAll(argv[1]);
    if (argc == 3 && option == "--music") return WriteMusic(argv[2]);
    if (argc == 3 && option == "--tune") return WriteTune(argv[2]);
    if (argc == 3 && option == "--icons") return WriteIcons(argv[2]);
    std::fprintf(stderr,
                 "usage: resgen <root> | resgen --music <file.wav> | resgen --tune <file.mid> | "
                 "resgen --icons <dir>\n");
    return 2;
}
