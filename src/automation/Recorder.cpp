// Writing sessions as scripts (see Recorder.h).
#include "automation/Recorder.h"

#include "automation/ScriptCommand.h"
#include "base/SystemFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

CErrorOr<void> CheckRecordingTarget(const std::string& path, const std::optional<std::string>& script) {
    SystemFile::Facts target;
    if (SystemFile::FactsAt(path, &target) != 0)
        return {};  // not there yet (or unreachable: Create says why)
    const auto refused = [&path](const std::string& why) {
        return CFailure{"--record " + path + ": " + why};
    };
    SystemFile::Facts other;
    // A script file is compared by its path, which Windows can tell apart too.
    std::error_code unreadable;
    if (script && (*script == "-" ? SystemFile::FactsOf(SystemFile::kStandardInput, &other) == 0 &&
                                        SystemFile::SameFile(target, other)
                                  : std::filesystem::equivalent(SystemFile::PathOf(path),
                                                                SystemFile::PathOf(*script), unreadable)))
        return refused("that is the script being run; the recording would replace it");
    for (const int stream : {SystemFile::kStandardOutput, SystemFile::kStandardError})
        if (SystemFile::FactsOf(stream, &other) == 0 && SystemFile::SameFile(target, other))
            return refused(std::string("that is standard ") +
                           (stream == SystemFile::kStandardOutput ? "output" : "error") +
                           ", which carries only the program's own lines");
    if (!target.plain)
        return refused("not a regular file (a terminal, a pipe, a device or a folder); name a file");
    return {};
}

CErrorOr<CRecorder> CRecorder::Create(const std::string& path) {
    const auto reason = [path] {
        return CFailure{path + ": cannot write the recording: " + std::strerror(errno)};
    };
    // C's streams, not C++'s: see automation/DescriptorLines.h.
    const std::shared_ptr<std::FILE> file(SystemFile::OpenStream(path, "wb"), [](std::FILE* open) {
        if (open) std::fclose(open);
    });
    if (!file) return reason();
    return CRecorder([file, reason](const std::string& line) -> CErrorOr<void> {
        if (std::fwrite(line.data(), 1, line.size(), file.get()) != line.size() ||
            std::fputc('\n', file.get()) == EOF || std::fflush(file.get()) != 0)
            return reason();
        return {};
    });
}

void CRecorder::Seed(std::uint64_t seed) {
    ScriptCommand command;
    command.kind = ScriptCommand::Kind::Seed;
    command.seed = seed;
    WriteLine(*FormatScriptCommand(command));
}

void CRecorder::Event(const InputEvent& event) {
    if (const std::optional<ScriptCommand> command = CommandForEvent(event))
        if (const std::optional<std::string> line = FormatScriptCommand(*command)) WriteLine(*line);
}

void CRecorder::WriteLine(const std::string& line) {
    if (!error_.empty()) return;
    if (const CErrorOr<void> kept = write_(line); !kept) error_ = kept.Reason();
}
