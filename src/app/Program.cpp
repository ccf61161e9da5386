// Start-up from the command line (see Program.h): the desktop's parts of
// the shared start-up.
#include "app/Program.h"

#include "app/AccessModule.h"
#include "app/ProgramHost.h"
#include "app/Startup.h"
#include "base/SystemFile.h"
#include "gfx/WholeFile.h"
#include "platform/Platform.h"
#include "platform/SystemLanguages.h"
#include "platform/ThisProcess.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>

namespace {

// A line written whole onto a standard stream's descriptor: a Windows GUI
// program's stdio streams stay dead when it takes a console after it has
// started (ThisProcess.h), its descriptors do not.
void WriteLine(int fd, const std::string& line) {
    const std::string bytes = line + "\n";
    WriteAll(fd, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

class CDesktopHost final : public CProgramHost {
public:
    // Lines for programs that read standard output, one by one as they come.
    void Print(const std::string& line) override { WriteLine(SystemFile::kStandardOutput, line); }
    void Report(const std::string& message) override {
        WriteLine(SystemFile::kStandardError, "quorvanel: " + message);
    }
    void ReportScriptError(const std::string& message) override {
        WriteLine(SystemFile::kStandardError, message);
    }

    CErrorOr<void> CheckOptions(const CommandLineOptions& options) override {
        if (!options.record) return {};
        return CheckRecordingTarget(*options.record, options.script);
    }

    CErrorOr<std::optional<CScriptSource>> OpenScript(const CommandLineOptions& options) override {
        if (options.script == "-") {
            // A copy of standard input, as the reader closes its descriptor at the end.
            const int input = SystemFile::DuplicateStandardInput();
            if (input < 0)
                return CFailure{std::string("cannot read standard input: ") + std::strerror(errno)};
            return CScriptSource::FromDescriptor(input, "-");
        }
        if (options.script) return CScriptSource::FromFile(*options.script);
        return std::nullopt;
    }

    CErrorOr<std::unique_ptr<CPlatform>> CreatePlatform(const CommandLineOptions& options) override {
        if (options.headless) return CPlatform::CreateHeadless();
        // A person's window starts as it was left; scripts neither read nor
        // write the settings, so that they replay exactly.
        std::optional<CSettingsFile> settings;
        if (!options.script) settings = CSettingsFile::InConfigFolder();
        if (settings)
            if (const CErrorOr<void> read = settings->Read(); !read) Report(read.Reason());
        std::string warning;
        CErrorOr<std::unique_ptr<CPlatform>> platform =
            CPlatform::CreateSdl(options.scale, &warning, std::move(settings), StartAccessModule);
        if (!platform) return CFailure{platform.Reason() + " (--headless runs without one)"};
        if (!warning.empty()) Report(warning);
        return platform;
    }

    CErrorOr<std::optional<CRecorder>> OpenRecording(const CommandLineOptions& options) override {
        if (options.record) return CRecorder::Create(*options.record);
        return std::nullopt;
    }

    // Beside the program in the build tree; installed, the system's.
    std::vector<std::string> CatalogFolders() const override {
        std::vector<std::string> folders;
        if (const std::optional<std::filesystem::path> program = SystemFile::ProgramFile())
            folders.push_back(SystemFile::Utf8Of(program->parent_path() / "locale"));
        folders.emplace_back(QUORVANEL_LOCALEDIR);
        return folders;
    }

    std::vector<std::string> SystemLanguages() const override { return UserInterfaceLanguages(); }
};

}  // namespace

int RunProgram(const std::vector<std::string>& arguments) {
    // The lines a script prints are the same bytes on every system.
    SystemFile::BinaryStandardOutput();
    CDesktopHost host;
    return RunStartup(arguments, host);
}
