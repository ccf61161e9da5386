// Start-up from the command line (see Program.h): the desktop's parts of
// the shared start-up.
#include "app/Program.h"

#include "app/ProgramHost.h"
#include "app/Startup.h"
#include "platform/Platform.h"

#include <cstdio>
#include <iostream>

namespace {

class CDesktopHost final : public CProgramHost {
public:
    // Lines for programs that read standard output: written and flushed one by one.
    void Print(const std::string& line) override {
        std::fputs(line.c_str(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    void Report(const std::string& message) override {
        std::fprintf(stderr, "quorvanel: %s\n", message.c_str());
    }
    void ReportScriptError(const std::string& message) override {
        std::fprintf(stderr, "%s\n", message.c_str());
    }

    std::string OptionsProblem(const CommandLineOptions& options) override {
        if (!options.record) return {};
        const CErrorOr<void> target = CheckRecordingTarget(*options.record, options.script);
        return target ? std::string() : target.Reason();
    }

    std::optional<CScriptSource> OpenScript(const CommandLineOptions& options, std::string* error) override {
        if (options.script == "-") {
            // std::cin lives as long as the process: it is never deleted.
            return CScriptSource::FromStream(std::shared_ptr<std::istream>(&std::cin, [](std::istream*) {}),
                                             "-");
        }
        if (!options.script) return std::nullopt;
        CErrorOr<CScriptSource> file = CScriptSource::FromFile(*options.script);
        if (!file) {
            *error = file.Reason();
            return std::nullopt;
        }
        return std::move(file).Value();
    }

    std::unique_ptr<CPlatform> CreatePlatform(const CommandLineOptions& options,
                                              std::string* error) override {
        if (options.headless) return CPlatform::CreateHeadless();
        // A person's window starts as it was left; scripts neither read nor
        // write the settings, so that they replay exactly.
        std::optional<CSettingsFile> settings;
        if (!options.script) settings = CSettingsFile::InConfigFolder();
        if (settings)
            if (const CErrorOr<void> read = settings->Read(); !read) Report(read.Reason());
        std::string warning;
        CErrorOr<std::unique_ptr<CPlatform>> platform =
            CPlatform::CreateSdl(options.scale, &warning, std::move(settings));
        if (!platform) {
            *error = platform.Reason() + " (--headless runs without one)";
            return nullptr;
        }
        if (!warning.empty()) Report(warning);
        return std::move(platform).Value();
    }

    std::optional<CRecorder> OpenRecording(const CommandLineOptions& options, std::string* error) override {
        if (!options.record) return std::nullopt;
        CErrorOr<CRecorder> recorder = CRecorder::Create(*options.record);
        if (!recorder) {
            *error = recorder.Reason();
            return std::nullopt;
        }
        return std::move(recorder).Value();
    }
};

}  // namespace

int RunProgram(const std::vector<std::string>& arguments) {
    CDesktopHost host;
    return RunStartup(arguments, host);
}
