// Elapsed time and VmHWM of this process (see StartupReport.h).
#include "StartupReport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

long PeakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

void ReportFirstFrame(const char* launchNanos) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long nowNanos = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    const double elapsedMs = static_cast<double>(nowNanos - std::strtoll(launchNanos, nullptr, 10)) / 1e6;
    std::printf("startup_ms=%.2f peak_kb=%ld\n", elapsedMs, PeakResidentKb());
    std::fflush(stdout);
}
