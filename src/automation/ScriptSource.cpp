// Reading scripts from files and streams (see ScriptSource.h).
#include "automation/ScriptSource.h"

#include "automation/DescriptorLines.h"
#include "automation/LineSplitter.h"
#include "base/SystemFile.h"

#include <cerrno>
#include <cstring>
#include <string_view>

namespace {

CFailure CannotRead(const std::string& path) {
    return CFailure{path + ": cannot read the script: " + std::strerror(errno)};
}

}  // namespace

CErrorOr<CScriptSource> CScriptSource::FromFile(const std::string& path) {
    const int fd = SystemFile::Open(path, SystemFile::Access::Read);
    if (fd < 0) return CannotRead(path);
    std::string text;
    const bool read = ReadChunks(fd, [&text](std::string_view chunk) { text.append(chunk); });
    const int error = errno;
    SystemFile::Close(fd);
    if (!read) {
        errno = error;
        return CannotRead(path);
    }
    return FromWholeText(text, path);
}

CErrorOr<CScriptSource> CScriptSource::FromWholeText(std::string_view text, const std::string& name) {
    CScriptSource source(name, nullptr);
    CLineSplitter splitter;
    for (const char byte : text)
        if (const std::optional<std::string> line = splitter.Push(byte))
            if (const CErrorOr<void> parsed = source.Parse(*line); !parsed) return CFailure{parsed.Reason()};
    if (const std::optional<std::string> line = splitter.Finish())
        if (const CErrorOr<void> parsed = source.Parse(*line); !parsed) return CFailure{parsed.Reason()};
    return source;
}

CScriptSource CScriptSource::FromLines(std::unique_ptr<CLineSource> lines, std::string name) {
    return CScriptSource(std::move(name), std::move(lines));
}

CScriptSource CScriptSource::FromDescriptor(int fd, std::string name) {
    return FromLines(ReadDescriptorLines(fd), std::move(name));
}

bool CScriptSource::Ready() const { return !parsed_.empty() || !lines_ || lines_->Ready(); }

void CScriptSource::OnReady(std::function<void()> wake) {
    if (lines_) lines_->OnReady(std::move(wake));
}

CErrorOr<void> CScriptSource::Parse(const std::string& line) {
    ParsedLine parsed = ParseScriptLine(line, ++linesRead_);
    if (!parsed) return CFailure{name_ + ":" + std::to_string(linesRead_) + ": " + parsed.Reason()};
    if (*parsed) parsed_.push_back(std::move(**parsed));
    return {};
}

CErrorOr<std::optional<ScriptCommand>> CScriptSource::Next() {
    while (parsed_.empty() && lines_) {
        const std::optional<std::string> text = lines_->Next();
        if (!text) {
            lines_.reset();
            break;
        }
        if (const CErrorOr<void> parsed = Parse(*text); !parsed) {
            lines_.reset();
            return CFailure{parsed.Reason()};
        }
    }
    if (parsed_.empty()) return std::nullopt;
    ScriptCommand command = std::move(parsed_.front());
    parsed_.pop_front();
    return command;
}

std::string CScriptSource::Where(const ScriptCommand& command) const {
    return name_ + ":" + std::to_string(command.line) + ": ";
}
