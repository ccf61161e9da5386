// Loading the accessibility module (see AccessModule.h).
#include "app/AccessModule.h"

#include "base/Environment.h"
#include "base/SystemFile.h"
#include "platform/ThisProcess.h"

namespace {

constexpr const char* kModuleName = "quorvanel-atspi.so";
using StartBus = CAccessBus*(std::function<void()>*);

// The module loaded, or null. It stays loaded: its thread and its GObject
// types live as long as the program.
void* LoadModule() {
    const std::optional<std::filesystem::path> program = SystemFile::ProgramFile();
    if (!program) return nullptr;
    const std::filesystem::path folder = program->parent_path();
    for (const std::filesystem::path& place : {folder, folder / QUORVANEL_MODULE_DIR}) {
        if (void* module = LoadLibraryFile(place / kModuleName)) return module;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<CAccessBus> StartAccessModule(std::function<void()> wake) {
    if (!EnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")) return nullptr;
    void* module = LoadModule();
    if (!module) return nullptr;
    auto* start = reinterpret_cast<StartBus*>(LibrarySymbol(module, "QuorvanelStartAccessBus"));
    return std::unique_ptr<CAccessBus>(start ? start(&wake) : nullptr);
}
