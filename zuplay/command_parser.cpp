// Splitting a command text into words and checking them. Pure; any thread.
#include "zuplay/command_parser.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zuplay {

namespace {

constexpr std::size_t kMostWords = 6;  // "open F type T alias A"

struct Words {
    std::array<std::string_view, kMostWords + 1> Word;
    std::array<bool, kMostWords + 1> Quoted{};  // the word was written between double quotes
    std::size_t Count = 0;  // stops at kMostWords + 1: anything more is already too many
    bool BadQuote = false;  // a quote left open, or text straight after a closing quote
};

// A word in double quotes runs to the next quote, spaces included; the quotes are not part of it.
std::string_view TakeQuoted(std::string_view& text, bool& bad) {
    std::size_t close = text.find('"', 1);
    if (close == std::string_view::npos) {
        bad = true;
        close = text.size();
    }
    std::string_view word = text.substr(1, close - 1);
    text.remove_prefix(std::min(close + 1, text.size()));
    if (!text.empty() && text.front() != ' ') bad = true;
    return word;
}

Words SplitWords(std::string_view text) {
    Words words;
    while (words.Count <= kMostWords) {
        std::size_t at = words.Count++;
        if (!text.empty() && text.front() == '"') {
            words.Word[at] = TakeQuoted(text, words.BadQuote);
            words.Quoted[at] = true;
        } else {
            std::size_t space = std::min(text.find(' '), text.size());
            words.Word[at] = text.substr(0, space);
            text.remove_prefix(space);
        }
        if (text.empty()) break;
        text.remove_prefix(1);  // the space
    }
    return words;
}

bool IsValidName(std::string_view name, std::size_t maxLength) {
    if (name.empty() || name.size() > maxLength) return false;
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || c == '"') return false;
    }
    return true;
}

// A quoted file name may hold spaces and any byte above 0x7F (UTF-8), but no control byte.
bool IsValidQuotedName(std::string_view name, std::size_t maxLength) {
    if (name.empty() || name.size() > maxLength) return false;
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '"') return false;
    }
    return true;
}

// Only the file name of an open command may be quoted.
bool QuotesOnlyTheFile(const Words& words, Verb verb) {
    for (std::size_t i = 0; i < words.Count; ++i) {
        if (words.Quoted[i] && !(verb == Verb::Open && i == 1)) return false;
    }
    return !words.BadQuote;
}

CommandError CheckCount(const Words& words, std::size_t wanted) {
    if (words.Count < wanted) return CommandError::MissingWords;
    if (words.Count > wanted) return CommandError::ExtraWords;
    return CommandError::None;
}

CommandError ReadNumber(std::string_view text, std::int32_t& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return CommandError::BadNumber;
    }
    return CommandError::None;
}

CommandError ParseOpen(const Words& w, Command& command) {
    if (CommandError e = CheckCount(w, 6); e != CommandError::None) return e;
    if (w.Word[2] != "type" || w.Word[4] != "alias") return CommandError::UnknownKeyword;
    command.File = w.Word[1];
    command.Type = w.Word[3];
    command.Alias = w.Word[5];
    bool validFile = w.Quoted[1] ? IsValidQuotedName(command.File, kMaxFileLength)
                                 : IsValidName(command.File, kMaxFileLength);
    if (!validFile) return CommandError::BadName;
    if (!command.Type.empty() && !IsValidName(command.Type, kMaxAliasLength)) {
        return CommandError::BadName;
    }
    return IsValidName(command.Alias, kMaxAliasLength) ? CommandError::None : CommandError::BadName;
}

// Every other command: the verb, the alias, then a fixed tail.
CommandError ParseAliasCommand(const Words& w, std::size_t wanted, Command& command) {
    if (CommandError e = CheckCount(w, wanted); e != CommandError::None) return e;
    command.Alias = w.Word[1];
    switch (command.Action) {
        case Verb::Play:
            if (w.Word[2] != "from") return CommandError::UnknownKeyword;
            if (CommandError e = ReadNumber(w.Word[3], command.From); e != CommandError::None) {
                return e;
            }
            break;
        case Verb::Put:
            if (w.Word[2] != "destination") return CommandError::UnknownKeyword;
            break;
        case Verb::Status:
            if (w.Word[2] == "position") {
                command.Item = StatusItem::Position;
            } else if (w.Word[2] == "length") {
                command.Item = StatusItem::Length;
            } else {
                return CommandError::UnknownKeyword;
            }
            break;
        default:
            break;
    }
    return IsValidName(command.Alias, kMaxAliasLength) ? CommandError::None : CommandError::BadName;
}

struct VerbRow {
    std::string_view Word;
    Verb Action;
    std::size_t WordCount;
};

constexpr std::array<VerbRow, 8> kVerbs{{
    {"open", Verb::Open, 6},
    {"play", Verb::Play, 4},
    {"stop", Verb::Stop, 2},
    {"close", Verb::Close, 2},
    {"pause", Verb::Pause, 2},
    {"resume", Verb::Resume, 2},
    {"put", Verb::Put, 3},
    {"status", Verb::Status, 3},
}};

}  // namespace

ParsedCommand ParseCommand(std::string_view text) {
    Words words = SplitWords(text);
    ParsedCommand result;
    for (const VerbRow& row : kVerbs) {
        if (words.Word[0] != row.Word) continue;
        result.Parsed.Action = row.Action;
        if (!QuotesOnlyTheFile(words, row.Action)) {
            result.Error = CommandError::BadName;
            return result;
        }
        result.Error = row.Action == Verb::Open
                           ? ParseOpen(words, result.Parsed)
                           : ParseAliasCommand(words, row.WordCount, result.Parsed);
        return result;
    }
    result.Error = CommandError::UnknownCommand;
    return result;
}

}  // namespace zuplay
