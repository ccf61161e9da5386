// Reading scripts from files and streams (see ScriptSource.h).
#include "automation/ScriptSource.h"

#include "automation/LineSplitter.h"
#include "automation/StreamLines.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>

std::optional<CScriptSource> CScriptSource::FromFile(const std::string& path, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = path + ": cannot read the script: " + std::strerror(errno);
        return std::nullopt;
    }
    std::optional<CScriptSource> source = FromWholeText(file, path, error);
    if (file.bad()) {
        *error = path + ": cannot read the script: " + std::strerror(errno);
        return std::nullopt;
    }
    return source;
}

std::optional<CScriptSource> CScriptSource::FromWholeText(std::istream& text, const std::string& name,
                                                          std::string* error) {
    CScriptSource source(name, nullptr);
    CLineSplitter splitter;
    int lineNumber = 0;
    const auto parse = [&](const std::string& line) {
        ParsedLine parsed = ParseScriptLine(line, ++lineNumber);
        if (!parsed.error.empty()) *error = name + ":" + std::to_string(lineNumber) + ": " + parsed.error;
        if (parsed.command) source.parsed_.push_back(std::move(*parsed.command));
        return parsed.error.empty();
    };
    char chunk[4096];
    while (text.read(chunk, sizeof chunk) || text.gcount() > 0)
        for (const char byte : std::string_view(chunk, static_cast<std::size_t>(text.gcount())))
            if (const std::optional<std::string> line = splitter.Push(byte); line && !parse(*line))
                return std::nullopt;
    if (const std::optional<std::string> line = splitter.Finish(); line && !parse(*line)) return std::nullopt;
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

std::optional<ScriptCommand> CScriptSource::Next(std::string* error) {
    error->clear();
    while (parsed_.empty() && lines_) {
        const std::optional<std::string> text = lines_->Next();
        if (!text) {
            lines_.reset();
            break;
        }
        ParsedLine parsed = ParseScriptLine(*text, ++linesRead_);
        if (!parsed.error.empty()) {
            *error = name_ + ":" + std::to_string(linesRead_) + ": " + parsed.error;
            lines_.reset();
            return std::nullopt;
        }
        if (parsed.command) parsed_.push_back(std::move(*parsed.command));
    }
    if (parsed_.empty()) return std::nullopt;
    ScriptCommand command = std::move(parsed_.front());
    parsed_.pop_front();
    return command;
}

std::string CScriptSource::Where(const ScriptCommand& command) const {
    return name_ + ":" + std::to_string(command.line) + ": ";
}
