// Parsing and writing script lines (see ScriptCommand.h).
#include "automation/ScriptCommand.h"

#include "automation/KeyChordText.h"
#include "base/WholeNumber.h"
#include "platform/MessageQuote.h"

#include <limits>
#include <vector>

namespace {

using Kind = ScriptCommand::Kind;

struct CommandName {
    std::string_view name;
    Kind kind;
};

constexpr CommandName kCommands[] = {
    {"seed", Kind::Seed},         {"move", Kind::Move},     {"click", Kind::Click},
    {"rclick", Kind::RClick},     {"key", Kind::Key},       {"close", Kind::Close},
    {"shot", Kind::Shot},         {"state", Kind::State},   {"windows", Kind::Windows},
    {"widgets", Kind::Widgets},   {"access", Kind::Access}, {"focus", Kind::Focus},
    {"activate", Kind::Activate}, {"quit", Kind::Quit},
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

ParsedLine Error(std::string message) { return CFailure{std::move(message)}; }

// A byte below space or DEL: a file name with one would be cut short (NUL)
// or be hard to tell from another name.
bool HasControlCharacter(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

}  // namespace

std::string_view ScriptCommand::Name() const {
    for (const CommandName& command : kCommands)
        if (command.kind == kind) return command.name;
    return "";
}

std::optional<InputEvent> ScriptCommand::Event() const {
    using EventKind = InputEvent::Kind;
    switch (kind) {
        case Kind::Move:
            return InputEvent{EventKind::MouseMove, x, y, {}};
        case Kind::Click:
            return InputEvent{EventKind::LButtonDown, x, y, {}};
        case Kind::RClick:
            return InputEvent{EventKind::RButtonDown, x, y, {}};
        case Kind::Key:
            return InputEvent{EventKind::Key, 0, 0, key};
        case Kind::Close:
            return InputEvent{EventKind::Close, 0, 0, {}};
        case Kind::Focus:
            return InputEvent{EventKind::AccessFocus, 0, 0, {}, node};
        case Kind::Activate:
            return InputEvent{EventKind::AccessActivate, 0, 0, {}, node};
        default:
            return std::nullopt;
    }
}

ParsedLine ParseScriptLine(std::string_view text, int lineNumber) {
    const std::string_view line = Trim(text);
    if (line.empty() || line.front() == '#') return std::nullopt;
    const std::vector<std::string_view> words = Words(line);
    const std::string_view name = words.front();

    ScriptCommand command;
    command.line = lineNumber;
    bool known = false;
    for (const CommandName& entry : kCommands)
        if (entry.name == name) {
            command.kind = entry.kind;
            known = true;
        }
    if (!known) return Error("unknown command " + QuoteForMessage(name));

    const std::size_t arguments = words.size() - 1;
    const auto tooMany = [&](std::size_t expected) {
        return Error(QuoteForMessage(name) + ": unexpected " + QuoteForMessage(words[expected + 1]));
    };
    switch (command.kind) {
        case Kind::Seed: {
            const std::string need = "'seed' needs a number from 0 to " +
                                     std::to_string(std::numeric_limits<std::uint64_t>::max());
            if (arguments == 0) return Error(need);
            const std::optional<std::uint64_t> seed = ParseWholeNumber<std::uint64_t>(words[1]);
            if (!seed) return Error(need + ", not " + QuoteForMessage(words[1]));
            if (arguments > 1) return tooMany(1);
            command.seed = *seed;
            break;
        }
        case Kind::Move:
        case Kind::Click:
        case Kind::RClick: {
            if (arguments < 2) return Error(QuoteForMessage(name) + " needs the coordinates X and Y");
            for (std::size_t i = 1; i <= 2; ++i)
                if (!ParseWholeNumber<int>(words[i]))
                    return Error(QuoteForMessage(name) + ": " + QuoteForMessage(words[i]) +
                                 " is not a coordinate");
            if (arguments > 2) return tooMany(2);
            command.x = *ParseWholeNumber<int>(words[1]);
            command.y = *ParseWholeNumber<int>(words[2]);
            break;
        }
        case Kind::Key: {
            if (arguments == 0) return Error("'key' needs a chord such as ctrl+n, return or escape");
            const std::optional<KeyChord> chord = ParseKeyChord(words[1]);
            if (!chord) return Error("'key': unknown chord " + QuoteForMessage(words[1]));
            if (arguments > 1) return tooMany(1);
            command.key = *chord;
            break;
        }
        case Kind::Focus:
        case Kind::Activate:
            if (arguments == 0)
                return Error(QuoteForMessage(name) + " needs a node id that 'access' printed");
            if (arguments > 1) return tooMany(1);
            command.node = std::string(words[1]);
            break;
        case Kind::Shot: {
            const std::string_view file = Trim(line.substr(name.size()));
            if (file.empty()) return Error("'shot' needs a file name");
            if (HasControlCharacter(file))
                return Error("'shot': the file name " + QuoteForMessage(file) + " has a control character");
            command.file = std::string(file);
            break;
        }
        default:
            if (arguments > 0) return tooMany(0);
            break;
    }
    return command;
}

std::optional<std::string> FormatScriptCommand(const ScriptCommand& command) {
    const std::string name(command.Name());
    switch (command.kind) {
        case Kind::Seed:
            return name + " " + std::to_string(command.seed);
        case Kind::Move:
        case Kind::Click:
        case Kind::RClick:
            return name + " " + std::to_string(command.x) + " " + std::to_string(command.y);
        case Kind::Key: {
            const std::string chord = KeyChordName(command.key);
            if (chord.empty()) return std::nullopt;
            return name + " " + chord;
        }
        case Kind::Shot:
            return name + " " + command.file;
        case Kind::Focus:
        case Kind::Activate:
            return name + " " + command.node;
        default:
            return name;
    }
}

std::optional<ScriptCommand> CommandForEvent(const InputEvent& event) {
    ScriptCommand command;
    command.x = event.x;
    command.y = event.y;
    switch (event.kind) {
        case InputEvent::Kind::MouseMove:
            command.kind = Kind::Move;
            break;
        case InputEvent::Kind::LButtonDown:
            command.kind = Kind::Click;
            break;
        case InputEvent::Kind::RButtonDown:
            command.kind = Kind::RClick;
            break;
        case InputEvent::Kind::Close:
            command.kind = Kind::Close;
            break;
        case InputEvent::Kind::Key:
            if (KeyChordName(event.key).empty()) return std::nullopt;
            command.kind = Kind::Key;
            command.key = event.key;
            break;
        case InputEvent::Kind::AccessFocus:
        case InputEvent::Kind::AccessActivate:
            // A node id is one word of printable characters, or it is no
            // node of any description.
            if (Words(event.node).size() != 1 || HasControlCharacter(event.node)) return std::nullopt;
            command.kind = event.kind == InputEvent::Kind::AccessFocus ? Kind::Focus : Kind::Activate;
            command.node = event.node;
            break;
    }
    return command;
}
