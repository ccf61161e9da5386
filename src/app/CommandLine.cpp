// Command-line parsing (see CommandLine.h).
#include "app/CommandLine.h"

#include "base/WholeNumber.h"
#include "i18n/LanguageChoice.h"
#include "platform/DisplayScale.h"
#include "platform/MessageQuote.h"

#include <utility>

CErrorOr<CommandLineOptions> ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLineOptions options;
    bool headlessSeen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0 || argument == "--")
            return CFailure{"unexpected argument " + QuoteForMessage(argument)};
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        std::optional<std::string> value;
        if (equals != std::string::npos) value = argument.substr(equals + 1);

        if (name == "--help" || name == "--version" || name == "--headless") {
            if (value) return CFailure{name + " takes no value"};
            if (name == "--help") {
                options.help = true;
            } else if (name == "--version") {
                options.version = true;
            } else if (std::exchange(headlessSeen, true)) {
                return CFailure{"--headless given twice"};
            }
            continue;
        }
        if (name != "--seed" && name != "--scale" && name != "--lang" && name != "--script" &&
            name != "--record")
            return CFailure{"unknown option " + QuoteForMessage(name)};
        if (!value) {
            if (i + 1 == arguments.size()) return CFailure{name + " needs a value"};
            value = arguments[++i];
        }
        if (name == "--seed") {
            const std::optional<std::uint64_t> seed = ParseWholeNumber<std::uint64_t>(*value);
            if (!seed)
                return CFailure{"--seed needs a whole number from 0 to 18446744073709551615, not " +
                                QuoteForMessage(*value)};
            if (options.seed) return CFailure{"--seed given twice"};
            options.seed = seed;
            continue;
        }
        if (name == "--scale") {
            const std::optional<int> scale = ParseScale(*value);
            if (!scale)
                return CFailure{"--scale needs a whole number from 1 to 4, not " + QuoteForMessage(*value)};
            if (options.scale) return CFailure{"--scale given twice"};
            options.scale = scale;
            continue;
        }
        if (name == "--lang") {
            if (!IsLanguageName(*value))
                return CFailure{"--lang needs a language such as en or zh_CN, not " +
                                QuoteForMessage(*value)};
            if (options.language) return CFailure{"--lang given twice"};
            options.language = *value;
            continue;
        }
        std::optional<std::string>& target = name == "--script" ? options.script : options.record;
        if (target) return CFailure{name + " given twice"};
        if (value->empty()) return CFailure{name + " needs a file name"};
        // "-" would be standard output, which carries only the JSON lines.
        if (name == "--record" && *value == "-")
            return CFailure{
                "--record needs a file name: standard output carries only the lines scripts ask for"};
        target = *value;
    }
    options.headless = headlessSeen;
    return options;
}

std::string CommandLineHelp() {
    return "Usage: quorvanel [OPTION]...\n"
           "Quorvanel, a small role-playing game.\n"
           "\n"
           "  --seed N        seed the random generator with N (0 to 18446744073709551615)\n"
           "                  instead of the clock\n"
           "  --scale N       show every game pixel as an N x N block (1 to 4); without it\n"
           "                  the scale is QUORVANEL_SCALE, else the one last chosen with\n"
           "                  the keys, else the desktop's: GDK_SCALE, else the X resource\n"
           "                  Xft.dpi / 96 rounded down, else 1 (these are lowered until\n"
           "                  the window fits the screen). Ctrl+= and Ctrl+- change it\n"
           "                  while playing; F11 shows the game fullscreen and back\n"
           "  --lang LANG     play in LANG (en, zh_CN; qps, in the build tree and the page:\n"
           "                  English a third longer and bracketed, to check the layout);\n"
           "                  without it the language is the first of LANGUAGE, LC_ALL,\n"
           "                  LC_MESSAGES and LANG that the game has, else Chinese\n"
           "  --headless      no window system: the same windows, drawing and input run\n"
           "                  in memory (no display needed); ends when the script does\n"
           "  --script FILE   run the commands of FILE ('-': standard input, read line by\n"
           "                  line); in a window they start once the first frame is shown\n"
           "  --record FILE   write every input event of the session to FILE as a script\n"
           "                  that --script replays (a regular file, never the script\n"
           "                  itself; opened once the game has started)\n"
           "  --help          show this help and exit\n"
           "  --version       show the version and exit\n"
           "\n"
           "Script commands, one a line ('#' starts a comment line); coordinates are\n"
           "client coordinates of the active (top-most) window, in game pixels at any scale:\n"
           "  seed N | move X Y | click X Y | rclick X Y | key CHORD (ctrl+n, return,\n"
           "  escape, ctrl+=, f11, tab, shift+tab, space, left, right, up, down, pageup,\n"
           "  pagedown, home, end) | close | shot FILE | state | windows | widgets |\n"
           "  access | focus NODE | activate NODE | quit (NODE: an id that access printed)\n"
           "state, windows, widgets and access print one line of JSON each on standard\n"
           "output; everything else goes to standard error. A script file is checked\n"
           "whole before the game starts; errors read FILE:LINE: message.\n"
           "\n"
           "Exit status: 0 on success, 1 when the program or a script command fails,\n"
           "2 for a bad command line or a script syntax error.\n";
}

std::string CommandLineVersion() { return "quorvanel " QUORVANEL_VERSION "\n"; }
