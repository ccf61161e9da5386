// Fuzz target: the command line, its arguments separated by NUL bytes in the
// input. An error is a short single line; what parses has its values whole.
#include "FuzzCheck.h"
#include "app/CommandLine.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    const CErrorOr<CommandLineOptions> options = ParseCommandLine(arguments);
    if (!options) {
        CheckMessage(options.Reason());
        return 0;
    }
    FuzzCheck(!options->script || !options->script->empty(), "a script option names something");
    FuzzCheck(!options->record || (!options->record->empty() && *options->record != "-"),
              "a recording goes to a file");
    return 0;
}
