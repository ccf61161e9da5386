// Cutting text into lines (see LineSplitter.h).
#include "automation/LineSplitter.h"

#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::optional<std::string> CLineSplitter::Push(char byte) {
    if (std::exchange(afterCr_, false) && byte == '\n') return std::nullopt;
    if (byte == '\r') afterCr_ = true;
    if (byte == '\r' || byte == '\n') return Complete();
    line_ += byte;
    return std::nullopt;
}

std::optional<std::string> CLineSplitter::Finish() {
    if (line_.empty()) return std::nullopt;
    return Complete();
}

std::string CLineSplitter::Complete() {
    std::string line = std::exchange(line_, {});
    if (std::exchange(firstLine_, false) && line.starts_with(kByteOrderMark))
        line.erase(0, kByteOrderMark.size());
    return line;
}
