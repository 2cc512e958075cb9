// Splitting command texts into their words, and refusing everything else.
#include <gtest/gtest.h>

#include <string>

#include "zuplay/command_parser.h"

namespace zuplay {
namespace {

TEST(CommandParser, ReadsEveryCommandItKnows) {
    ParsedCommand open = ParseCommand("open res\\sound\\dig.wav type waveaudio alias dig0");
    ASSERT_EQ(open.Error, CommandError::None);
    EXPECT_EQ(open.Parsed.Action, Verb::Open);
    EXPECT_EQ(open.Parsed.File, "res\\sound\\dig.wav");
    EXPECT_EQ(open.Parsed.Type, "waveaudio");
    EXPECT_EQ(open.Parsed.Alias, "dig0");

    ParsedCommand untyped = ParseCommand("open song type  alias s");
    ASSERT_EQ(untyped.Error, CommandError::None);
    EXPECT_EQ(untyped.Parsed.Type, "");

    ParsedCommand play = ParseCommand("play a from -2147483648");
    ASSERT_EQ(play.Error, CommandError::None);
    EXPECT_EQ(play.Parsed.From, -2147483648LL);

    ParsedCommand length = ParseCommand("status a length");
    ASSERT_EQ(length.Error, CommandError::None);
    EXPECT_EQ(length.Parsed.Item, StatusItem::Length);
    EXPECT_EQ(ParseCommand("status a position").Parsed.Item, StatusItem::Position);

    const std::pair<const char*, Verb> simple[] = {
        {"stop a", Verb::Stop},     {"close a", Verb::Close},         {"pause a", Verb::Pause},
        {"resume a", Verb::Resume}, {"put a destination", Verb::Put},
    };
    for (const auto& [text, verb] : simple) {
        ParsedCommand parsed = ParseCommand(text);
        EXPECT_EQ(parsed.Error, CommandError::None) << text;
        EXPECT_EQ(parsed.Parsed.Action, verb) << text;
        EXPECT_EQ(parsed.Parsed.Alias, "a") << text;
    }
}

TEST(CommandParser, RefusesMalformedCommands) {
    const std::pair<std::string, CommandError> cases[] = {
        {"", CommandError::UnknownCommand},
        {"PLAY a from 0", CommandError::UnknownCommand},
        {"seek a to start", CommandError::UnknownCommand},
        {"play", CommandError::MissingWords},
        {"play a", CommandError::MissingWords},
        {"play a from", CommandError::MissingWords},
        {"open x.wav type waveaudio", CommandError::MissingWords},
        {"status a", CommandError::MissingWords},
        {"stop a b", CommandError::ExtraWords},
        {"stop a ", CommandError::ExtraWords},
        {"play a from 0 now", CommandError::ExtraWords},
        {"open a b c d e f g h", CommandError::ExtraWords},
        {"play a to 0", CommandError::UnknownKeyword},
        {"status a mode", CommandError::UnknownKeyword},
        {"put a window", CommandError::UnknownKeyword},
        {"open x.wav kind waveaudio alias a", CommandError::UnknownKeyword},
        {"play a from 1.5", CommandError::BadNumber},
        {"play a from +5", CommandError::BadNumber},
        {"play a from 2147483648", CommandError::BadNumber},
        {"play a from ", CommandError::BadNumber},
        {"stop ", CommandError::BadName},
        {"stop \"a\"", CommandError::BadName},
        {"stop a\tb", CommandError::BadName},
        {std::string("stop a\0b", 8), CommandError::BadName},
        {"stop \xC3\xA9t\xC3\xA9", CommandError::BadName},
        {"stop " + std::string(129, 'a'), CommandError::BadName},
        {"open  type  alias a", CommandError::BadName},
        {"open x.wav type wave\x01 alias a", CommandError::BadName},
        {"open x.wav type waveaudio alias ", CommandError::BadName},
        {"open \"x.wav type waveaudio alias a", CommandError::BadName},
        {"open \"x\".wav type waveaudio alias a", CommandError::BadName},
        {"open \"\" type waveaudio alias a", CommandError::BadName},
        {"open \"a\tb.wav\" type waveaudio alias a", CommandError::BadName},
        {"open \"a\x7F.wav\" type waveaudio alias a", CommandError::BadName},
        {"open x.wav type \"waveaudio\" alias a", CommandError::BadName},
        {"open x.wav type waveaudio alias \"a\"", CommandError::BadName},
        {"open \xC3\xA9t\xC3\xA9.wav type waveaudio alias a", CommandError::BadName},
        {"open \"a b\" c type waveaudio alias a", CommandError::ExtraWords},
        {"open \"a b\" kind waveaudio alias a", CommandError::UnknownKeyword},
        {"open \"" + std::string(4097, 'f') + "\" type waveaudio alias a", CommandError::BadName},
    };
    for (const auto& [text, error] : cases) {
        EXPECT_EQ(ParseCommand(text).Error, error) << '"' << text << '"';
    }
    EXPECT_EQ(ParseCommand("stop " + std::string(128, 'a')).Error, CommandError::None);
}

// A quoted file name keeps its spaces and UTF-8 bytes, and an empty type still parses after it.
TEST(CommandParser, ReadsQuotedFileNames) {
    const std::pair<std::string, std::string> cases[] = {
        {"open \"dir with space/a.wav\" type waveaudio alias a", "dir with space/a.wav"},
        {"open \"\xC3\xA9t\xC3\xA9.wav\" type waveaudio alias a", "\xC3\xA9t\xC3\xA9.wav"},
        {"open \"  \" type waveaudio alias a", "  "},
        {"open \"" + std::string(4096, 'f') + "\" type waveaudio alias a", std::string(4096, 'f')},
    };
    for (const auto& [text, file] : cases) {
        ParsedCommand parsed = ParseCommand(text);
        ASSERT_EQ(parsed.Error, CommandError::None) << text.substr(0, 60);
        EXPECT_EQ(parsed.Parsed.File, file);
        EXPECT_EQ(parsed.Parsed.Type, "waveaudio");
        EXPECT_EQ(parsed.Parsed.Alias, "a");
    }
    ParsedCommand untyped = ParseCommand("open \"a b\" type  alias s");
    ASSERT_EQ(untyped.Error, CommandError::None);
    EXPECT_EQ(untyped.Parsed.File, "a b");
    EXPECT_EQ(untyped.Parsed.Type, "");
}

}  // namespace
}  // namespace zuplay
