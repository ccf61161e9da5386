// Runs one program to its end and prints what it cost, as one line
// "wall_ms=... cpu_ms=... peak_kb=...": the time from the launch to the exit,
// the processor time it used (user and system), and its peak resident
// memory (the kernel's maxrss of the child).
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: startup_run PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror("startup_run");
        return 1;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        std::perror("startup_run");
        return 1;
    }
    const double wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup_run: %s failed\n", argv[1]);
        return 1;
    }
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    std::printf("wall_ms=%.2f cpu_ms=%.2f peak_kb=%ld\n", wallMs, ms(usage.ru_utime) + ms(usage.ru_stime),
                usage.ru_maxrss);
    return 0;
}
