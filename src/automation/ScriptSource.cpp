// Reading scripts from files and streams (see ScriptSource.h).
#include "automation/ScriptSource.h"

#include "automation/LineSplitter.h"
#include "automation/StreamLines.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>

namespace {

CFailure CannotRead(const std::string& path) {
    return CFailure{path + ": cannot read the script: " + std::strerror(errno)};
}

}  // namespace

CErrorOr<CScriptSource> CScriptSource::FromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return CannotRead(path);
    CErrorOr<CScriptSource> source = FromWholeText(file, path);
    if (file.bad()) return CannotRead(path);
    return source;
}

CErrorOr<CScriptSource> CScriptSource::FromWholeText(std::istream& text, const std::string& name) {
    CScriptSource source(name, nullptr);
    CLineSplitter splitter;
    char chunk[4096];
    while (text.read(chunk, sizeof chunk) || text.gcount() > 0)
        for (const char byte : std::string_view(chunk, static_cast<std::size_t>(text.gcount())))
            if (const std::optional<std::string> line = splitter.Push(byte))
                if (const CErrorOr<void> parsed = source.Parse(*line); !parsed)
                    return CFailure{parsed.Reason()};
    if (const std::optional<std::string> line = splitter.Finish())
        if (const CErrorOr<void> parsed = source.Parse(*line); !parsed) return CFailure{parsed.Reason()};
    return source;
}

CScriptSource CScriptSource::FromLines(std::unique_ptr<CLineSource> lines, std::string name) {
    return CScriptSource(std::move(name), std::move(lines));
}

CScriptSource CScriptSource::FromStream(std::shared_ptr<std::istream> stream, std::string name) {
    return FromLines(ReadStreamLines(std::move(stream)), std::move(name));
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
