// Fuzz target: a script checked whole, as a script file is before the game
// starts. Nothing is carried out. Every error is a short single line; every
// command read is written back by FormatScriptCommand to a line that reads
// as the same command.
#include "FuzzCheck.h"
#include "automation/ScriptSource.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void CheckRoundTrip(const ScriptCommand& command) {
    const std::optional<std::string> written = FormatScriptCommand(command);
    FuzzCheck(written.has_value(), "every command read can be written");
    const ParsedLine again = ParseScriptLine(*written, command.line);
    FuzzCheck(again && again->has_value(), "a written command reads back");
    const ScriptCommand& read = **again;
    FuzzCheck(read.kind == command.kind && read.seed == command.seed && read.x == command.x &&
                  read.y == command.y && read.key == command.key && read.file == command.file,
              "a written command reads back the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CErrorOr<CScriptSource> script =
        CScriptSource::FromWholeText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
    if (!script) {
        CheckMessage(script.Reason());
        return 0;
    }
    for (;;) {
        const CErrorOr<std::optional<ScriptCommand>> command = script->Next();
        FuzzCheck(static_cast<bool>(command), "a checked script has no error left");
        if (!*command) return 0;
        CheckRoundTrip(**command);
    }
}
