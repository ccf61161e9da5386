// Starts the quorvanel program as a user would, in a process of its own (so
// that each run has fresh program-wide game state), with a time limit, and
// returns what it printed and its exit code. Also temporary folders and
// files for the scripts, recordings and shots the runs use.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

struct ProgramResult {
    int exitCode = -1;
    std::string out;
    std::string err;

    std::vector<std::string> OutLines() const {
        std::vector<std::string> lines;
        std::istringstream stream(out);
        for (std::string line; std::getline(stream, line);) lines.push_back(line);
        return lines;
    }
};

// A fresh folder removed with everything in it at the end of the test.
class CTempFolder {
public:
    CTempFolder() {
#ifdef _WIN32
        // Windows' C runtime has no mkdtemp: a name of this process that is not taken yet.
        static int made = 0;
        std::error_code error;
        do {
            path_ = std::filesystem::temp_directory_path() /
                    ("quorvanel-test-" + std::to_string(_getpid()) + "-" + std::to_string(made++));
        } while (!std::filesystem::create_directory(path_, error) && !error);
#else
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvanel-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : "";
#endif
    }
    ~CTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Writes text into name and returns its path.
    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(File(name), std::ios::binary) << text;
        return File(name);
    }
    std::string Read(const std::string& name) const {
        std::ifstream file(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

private:
    std::filesystem::path path_;
};

#ifdef _WIN32
// Quoted for the program's command line as Windows splits it (backslashes
// before a quote doubled, the quote escaped), which cmd passes on as it is.
inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"') quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + "\"";
}
#else
inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
#endif

// Runs the program at program with arguments, standard input read from
// input; at most 20 seconds. shellSetup runs in the shell first (a ulimit,
// say), and ends with "&&".
inline ProgramResult RunProgramFile(const std::string& program, const std::vector<std::string>& arguments,
                                    const std::string& input = "", const std::string& shellSetup = "") {
    CTempFolder io;
#ifdef _WIN32
    // cmd runs it, without a time limit (ctest's holds); no shell set-up.
    EXPECT_EQ(shellSetup, "") << "no shell set-up on Windows";
    std::string command = ShellQuoted(program);
#else
    std::string command = shellSetup + "timeout 20 " + ShellQuoted(program);
#endif
    for (const std::string& argument : arguments) command += " " + ShellQuoted(argument);
    command += " < " + ShellQuoted(io.Write("stdin", input)) + " 2> " + ShellQuoted(io.File("stderr"));
    ProgramResult result;
#ifdef _WIN32
    // cmd takes the quotes off a command that starts with one: the whole is quoted once more.
    FILE* pipe = _popen(("\"" + command + "\"").c_str(), "rb");
#else
    FILE* pipe = popen(command.c_str(), "r");
#endif
    if (!pipe) return result;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
#ifdef _WIN32
    result.exitCode = _pclose(pipe);
#else
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    result.err = io.Read("stderr");
    return result;
}

// RunProgramFile with the game the build made.
inline ProgramResult RunQuorvanel(const std::vector<std::string>& arguments, const std::string& input = "",
                                  const std::string& shellSetup = "") {
    return RunProgramFile(QUORVANEL_PROGRAM, arguments, input, shellSetup);
}
