// Reading and writing demos; see demo.h.
#include "demo/demo.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "world/file_write.h"

namespace demo {

namespace {

constexpr std::string_view Magic = "game-demo";
constexpr std::string_view KeyLetters = "UDLRGTB";  // up down left right give-up tnt button

struct ParseError {
    std::string Message;
};

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size() && words.size() <= world::MapSize + 1) {
        const std::size_t start = line.find_first_not_of(" \t\r", at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

std::int64_t Number(std::string_view word, std::int64_t least, std::int64_t most) {
    std::int64_t n = 0;
    const auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), n);
    if (status != std::errc() || end != word.data() + word.size() || n < least || n > most)
        throw ParseError{"'" + std::string(word).substr(0, 40) + "' is not a number from " +
                         std::to_string(least) + " to " + std::to_string(most)};
    return n;
}

std::uint64_t Hex(std::string_view word) {
    std::uint64_t n = 0;
    const auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), n, 16);
    if (status != std::errc() || end != word.data() + word.size() || word.size() > 16)
        throw ParseError{"'" + std::string(word).substr(0, 40) + "' is not a 64-bit hex number"};
    return n;
}

void Expect(const std::vector<std::string_view>& words, std::size_t n) {
    if (words.size() != n)
        throw ParseError{"'" + std::string(words[0]) + "' takes " + std::to_string(n - 1) +
                         (n == 2 ? " word" : " words")};
}

world::FrameInput InputOf(std::string_view letters) {
    world::FrameInput in;
    if (letters == "-") return in;
    bool* const flags[] = {&in.Up,     &in.Down,     &in.Left,   &in.Right,
                           &in.GiveUp, &in.PlaceTnt, &in.Respawn};
    for (char c : letters) {
        const std::size_t at = KeyLetters.find(c);
        if (at == std::string_view::npos || *flags[at])
            throw ParseError{"'" + std::string(letters).substr(0, 40) +
                             "' is not '-' or each of the letters UDLRGTB at most once"};
        *flags[at] = true;
    }
    return in;
}

std::string LettersOf(const world::FrameInput& in) {
    const bool flags[] = {in.Up, in.Down, in.Left, in.Right, in.GiveUp, in.PlaceTnt, in.Respawn};
    std::string letters;
    for (std::size_t i = 0; i < KeyLetters.size(); ++i)
        if (flags[i]) letters += KeyLetters[i];
    return letters.empty() ? "-" : letters;
}

void ParseFall(const std::vector<std::string_view>& words, Carried& c) {
    if (words.size() != 2 && words.size() != world::MapSize + 1)
        throw ParseError{"'fall' takes one timer for every column, or one for all"};
    for (int x = 0; x < world::MapSize; ++x)
        c.ColumnTimers[x] = static_cast<std::int32_t>(
            Number(words[words.size() == 2 ? 1 : x + 1], -1'000'000, 1'000'000));
}

void ParseVariants(const std::vector<std::string_view>& words, Carried& c) {
    Expect(words, c.Variants.size() + 1);
    for (std::size_t i = 0; i < c.Variants.size(); ++i)
        c.Variants[i] = static_cast<std::int8_t>(Number(words[i + 1], 0, 4));
}

void ParsePlayer(const std::vector<std::string_view>& words, Carried& c) {
    Expect(words, 4);
    c.Facing = static_cast<std::int32_t>(Number(words[1], 0, 3));
    c.KeyLatch = Number(words[2], 0, 1) != 0;
    // The step timer runs on below zero while the player stands (down to the smallest int32).
    c.StepTimer = static_cast<std::int32_t>(Number(words[3], INT32_MIN, INT32_MAX));
}

// A line before "frames": how the demo began.
void ParseHeader(const std::vector<std::string_view>& w, Demo& d) {
    const std::string_view verb = w[0];
    Carried& c = d.State;
    if (verb == "level") {
        Expect(w, 2);
        d.Level = static_cast<std::int32_t>(Number(w[1], 0, INT32_MAX));
    } else if (verb == "entry") {
        Expect(w, 2);
        if (w[1] != "start" && w[1] != "next") throw ParseError{"'entry' is start or next"};
        d.Entry = w[1] == "start" ? Entry::Start : Entry::Next;
    } else if (verb == "random") {
        Expect(w, 5);
        for (int i = 0; i < 4; ++i) c.Random[i] = Hex(w[i + 1]);
        if (c.Random == std::array<std::uint64_t, 4>{})
            throw ParseError{"a random state of all zeros never changes"};
    } else if (verb == "fall") {
        ParseFall(w, c);
    } else if (verb == "drip" || verb == "fuse") {
        Expect(w, 2);
        (verb == "drip" ? c.LeakTimer : c.TntFuse) =
            static_cast<std::int32_t>(Number(w[1], -1'000'000, 1'000'000));
    } else if (verb == "variants") {
        ParseVariants(w, c);
    } else if (verb == "player") {
        ParsePlayer(w, c);
    } else if (verb == "sound") {
        Expect(w, 2);
        if (w[1] != "on" && w[1] != "off") throw ParseError{"'sound' is on or off"};
        d.Sound = w[1] == "on";
    } else if (verb == "setting") {
        // No setting changes how keys become the world's input yet; one this reader does not
        // know would replay wrongly, so it is refused rather than ignored.
        if (w.size() < 2) throw ParseError{"'setting' needs a name"};
        throw ParseError{"unknown setting '" + std::string(w[1]).substr(0, 40) + "'"};
    } else {
        throw ParseError{"unknown line '" + std::string(verb).substr(0, 40) + "'"};
    }
}

struct Reader {
    Demo D;
    bool InFrames = false;
    bool Ended = false;
    std::int64_t Total = 0;

    void Line(std::string_view line) {
        const std::vector<std::string_view> w = Words(line.substr(0, line.find('#')));
        if (w.empty()) return;
        if (Ended) throw ParseError{"text after 'end'"};
        if (!InFrames) {
            if (w[0] == "frames") {
                Expect(w, 1);
                InFrames = true;
                return;
            }
            return ParseHeader(w, D);
        }
        Body(w);
    }

    void Body(const std::vector<std::string_view>& w) {
        if (w[0] == "next") {
            Expect(w, 1);
            D.AddNextLevel();
        } else if (w[0] == "end") {
            Expect(w, 2);
            if (Number(w[1], 0, MaxFrames) != Total)
                throw ParseError{"'end' counts " + std::string(w[1]) + " frames, the lines " +
                                 std::to_string(Total)};
            Ended = true;
        } else {
            Expect(w, 2);
            const std::int64_t n = Number(w[0], 1, MaxFramesPerLine);
            if (Total + n > MaxFrames) throw ParseError{"too many frames"};
            Total += n;
            D.Steps.push_back({Step::Kind::Frames, n, InputOf(w[1])});
        }
    }
};

}  // namespace

Carried CarriedFrom(const world::GameState& g) {
    Carried c;
    c.Random = g.Random.State();
    c.ColumnTimers = g.ColumnTimers;
    c.LeakTimer = g.LeakTimer;
    c.TntFuse = g.TntFuse;
    c.Variants = {g.BreakSoundNo,       g.DigSoundNo,    g.PickupSoundNo, g.FallSoundNo,
                  g.CrystalFallSoundNo, g.BarrelSoundNo, g.LeakSoundNo,   g.Player.PushSoundNo};
    c.Facing = static_cast<std::int32_t>(g.Player.Facing);
    c.KeyLatch = g.Player.KeyLatch;
    c.StepTimer = g.Player.StepTimer;
    return c;
}

void ApplyCarried(const Carried& c, world::GameState& g) {
    g.Random.SetState(c.Random);
    g.ColumnTimers = c.ColumnTimers;
    g.LeakTimer = c.LeakTimer;
    g.TntFuse = c.TntFuse;
    std::int8_t* const variants[] = {&g.BreakSoundNo, &g.DigSoundNo,         &g.PickupSoundNo,
                                     &g.FallSoundNo,  &g.CrystalFallSoundNo, &g.BarrelSoundNo,
                                     &g.LeakSoundNo,  &g.Player.PushSoundNo};
    for (std::size_t i = 0; i < c.Variants.size(); ++i) *variants[i] = c.Variants[i];
    g.Player.Facing = static_cast<world::Facing>(c.Facing);
    g.Player.KeyLatch = c.KeyLatch;
    g.Player.StepTimer = c.StepTimer;
}

void Demo::AddFrame(const world::FrameInput& input) {
    if (!Steps.empty() && Steps.back().What == Step::Kind::Frames && Steps.back().Input == input &&
        Steps.back().Frames < MaxFramesPerLine) {
        ++Steps.back().Frames;
        return;
    }
    Steps.push_back({Step::Kind::Frames, 1, input});
}

std::int64_t Demo::Frames() const {
    std::int64_t n = 0;
    for (const Step& s : Steps) n += s.Frames;
    return n;
}

std::optional<Demo> ParseDemo(std::string_view text, std::string* error) {
    Reader reader;
    int number = 0;
    try {
        const std::size_t firstEnd = text.find('\n');
        const std::vector<std::string_view> first = Words(text.substr(0, firstEnd));
        number = 1;
        if (first.size() != 2 || first[0] != Magic) throw ParseError{"not a demo"};
        if (Number(first[1], 0, INT32_MAX) != Version)
            throw ParseError{"demo version " + std::string(first[1]) + ", this game reads " +
                             std::to_string(Version)};
        text.remove_prefix(firstEnd == std::string_view::npos ? text.size() : firstEnd + 1);
        while (!text.empty()) {
            ++number;
            const std::size_t end = text.find('\n');
            reader.Line(text.substr(0, end));
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        }
        if (!reader.Ended) throw ParseError{"the demo is cut short (no 'end' line)"};
    } catch (const ParseError& e) {
        if (error) *error = "line " + std::to_string(number) + ": " + e.Message;
        return std::nullopt;
    }
    return std::move(reader.D);
}

std::string DemoText(const Demo& d) {
    std::ostringstream s;
    const Carried& c = d.State;
    s << Magic << " " << Version << "\nlevel " << d.Level << "\nentry "
      << (d.Entry == Entry::Start ? "start" : "next") << "\nrandom";
    for (std::uint64_t word : c.Random) s << " " << std::hex << word << std::dec;
    s << "\nfall";
    const bool same =
        std::equal(c.ColumnTimers.begin() + 1, c.ColumnTimers.end(), c.ColumnTimers.begin());
    for (int x = 0; x < (same ? 1 : world::MapSize); ++x) s << " " << c.ColumnTimers[x];
    s << "\ndrip " << c.LeakTimer << "\nfuse " << c.TntFuse << "\nvariants";
    for (std::int8_t v : c.Variants) s << " " << int{v};
    s << "\nplayer " << c.Facing << " " << (c.KeyLatch ? 1 : 0) << " " << c.StepTimer << "\nsound "
      << (d.Sound ? "on" : "off") << "\nframes\n";
    for (const Step& step : d.Steps) {
        if (step.What == Step::Kind::NextLevel)
            s << "next\n";
        else
            s << step.Frames << " " << LettersOf(step.Input) << "\n";
    }
    s << "end " << d.Frames() << "\n";
    return s.str();
}

std::optional<std::string> ReadDemoFile(const std::string& path, std::string* error) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        if (error) *error = "cannot read " + path + ": " + ec.message();
        return std::nullopt;
    }
    if (size > MaxFileBytes) {
        if (error) *error = path + " is too large for a demo";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(size)) || in.gcount() != (long)size) {
        if (error) *error = "cannot read " + path;
        return std::nullopt;
    }
    return text;
}

bool WriteDemoFile(const std::string& path, const Demo& demo, std::string* error) {
    return world::WriteFileAtomically(path, DemoText(demo), error);
}

}  // namespace demo
