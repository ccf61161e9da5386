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
        return options.record ? RecordingTargetProblem(*options.record, options.script) : std::string();
    }

    std::optional<CScriptSource> OpenScript(const CommandLineOptions& options, std::string* error) override {
        if (options.script == "-") {
            // std::cin lives as long as the process: it is never deleted.
            return CScriptSource::FromStream(std::shared_ptr<std::istream>(&std::cin, [](std::istream*) {}),
                                             "-");
        }
        if (options.script) return CScriptSource::FromFile(*options.script, error);
        return std::nullopt;
    }

    std::unique_ptr<CPlatform> CreatePlatform(const CommandLineOptions& options,
                                              std::string* error) override {
        if (options.headless) return CPlatform::CreateHeadless();
        std::string warning;
        std::unique_ptr<CPlatform> platform = CPlatform::CreateSdl(error, options.scale, &warning);
        if (!platform)
            *error += " (--headless runs without one)";
        else if (!warning.empty())
            Report(warning);
        return platform;
    }

    std::optional<CRecorder> OpenRecording(const CommandLineOptions& options, std::string* error) override {
        if (!options.record) return std::nullopt;
        return CRecorder::Create(*options.record, error);
    }
};

}  // namespace

int RunProgram(const std::vector<std::string>& arguments) {
    CDesktopHost host;
    return RunStartup(arguments, host);
}
