// Writing sessions as scripts (see Recorder.h).
#include "automation/Recorder.h"

#include "automation/ScriptCommand.h"

#include <cerrno>
#include <cstring>

std::optional<CRecorder> CRecorder::Create(const std::string& path, std::string* error) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        *error = path + ": cannot write the recording: " + std::strerror(errno);
        return std::nullopt;
    }
    return CRecorder(path, std::move(file));
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
    file_ << line << '\n';
    file_.flush();
    if (!file_) error_ = path_ + ": cannot write the recording: " + std::strerror(errno);
}
