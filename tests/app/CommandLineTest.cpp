// The command line: each option and its value forms, and the errors for
// unknown, malformed, missing and repeated options.
#include "app/CommandLine.h"
#include "support/FailureReason.h"

#include <gtest/gtest.h>

namespace {

CommandLineOptions Parsed(const std::vector<std::string>& arguments) {
    const CErrorOr<CommandLineOptions> options = ParseCommandLine(arguments);
    EXPECT_EQ(FailureReason(options), "");
    return options ? *options : CommandLineOptions{};
}

std::string ErrorOf(const std::vector<std::string>& arguments) {
    const std::string error = FailureReason(ParseCommandLine(arguments));
    EXPECT_NE(error, "");
    EXPECT_EQ(error.find('\n'), std::string::npos) << "one line: " << error;
    return error;
}

TEST(CommandLineTest, NoArgumentsMeansAWindowAndTheClockSeed) {
    const CommandLineOptions options = Parsed({});
    EXPECT_FALSE(options.help);
    EXPECT_FALSE(options.headless);
    EXPECT_FALSE(options.seed.has_value());
    EXPECT_FALSE(options.script.has_value());
    EXPECT_FALSE(options.record.has_value());
}

TEST(CommandLineTest, EveryOptionWithSeparateOrJoinedValue) {
    const CommandLineOptions options =
        Parsed({"--seed", "18446744073709551615", "--headless", "--script=-", "--record", "out.txt"});
    EXPECT_EQ(options.seed, 18446744073709551615u);
    EXPECT_TRUE(options.headless);
    EXPECT_EQ(options.script, "-");
    EXPECT_EQ(options.record, "out.txt");
    EXPECT_EQ(Parsed({"--seed=0"}).seed, 0u);
    EXPECT_EQ(Parsed({"--scale", "2"}).scale, 2);
    EXPECT_EQ(Parsed({"--scale=4"}).scale, 4);
    EXPECT_FALSE(Parsed({}).scale.has_value());
    EXPECT_TRUE(Parsed({"--help"}).help);
    EXPECT_TRUE(Parsed({"--version"}).version);
    EXPECT_FALSE(Parsed({"--help"}).version);
}

TEST(CommandLineTest, LangNamesALanguageNeverAPath) {
    EXPECT_EQ(Parsed({"--lang", "en_GB.UTF-8"}).language, "en_GB.UTF-8");
    EXPECT_EQ(Parsed({"--lang=qps"}).language, "qps");
    EXPECT_FALSE(Parsed({}).language.has_value());
    for (const char* bad : {"", "../en", "en/x", ".."})
        EXPECT_EQ(ErrorOf({"--lang", bad}),
                  std::string("--lang needs a language such as en or zh_CN, not '") + bad + "'")
            << bad;
    EXPECT_EQ(ErrorOf({"--lang", "en", "--lang=zh"}), "--lang given twice");
}

TEST(CommandLineTest, SeedMustBeAWholeNumberInRange) {
    for (const char* bad : {"18446744073709551616", "-1", "+5", "1e3", "", "12 "})
        EXPECT_NE(ErrorOf({"--seed", bad}).find("--seed needs a whole number"), std::string::npos) << bad;
}

TEST(CommandLineTest, ScaleMustBeFromOneToFour) {
    for (const char* bad : {"0", "5", "-1", "1.5", "", "x2"})
        EXPECT_EQ(ErrorOf({"--scale", bad}),
                  std::string("--scale needs a whole number from 1 to 4, not '") + bad + "'")
            << bad;
    EXPECT_EQ(ErrorOf({"--scale"}), "--scale needs a value");
    EXPECT_EQ(ErrorOf({"--scale", "1", "--scale=1"}), "--scale given twice");
}

TEST(CommandLineTest, ErrorsNameTheOffendingArgument) {
    EXPECT_EQ(ErrorOf({"--speed", "3"}), "unknown option '--speed'");
    EXPECT_EQ(ErrorOf({"-h"}), "unexpected argument '-h'");
    EXPECT_EQ(ErrorOf({"game.txt"}), "unexpected argument 'game.txt'");
    EXPECT_EQ(ErrorOf({"--script"}), "--script needs a value");
    EXPECT_EQ(ErrorOf({"--record="}), "--record needs a file name");
    EXPECT_EQ(ErrorOf({"--record", "-"}),
              "--record needs a file name: standard output carries only the lines scripts ask for");
    EXPECT_EQ(ErrorOf({"--headless=yes"}), "--headless takes no value");
    EXPECT_EQ(ErrorOf({"--version=2"}), "--version takes no value");
    EXPECT_EQ(ErrorOf({"--seed", "1", "--seed", "2"}), "--seed given twice");
    EXPECT_EQ(ErrorOf({"--headless", "--headless"}), "--headless given twice");
    EXPECT_EQ(ErrorOf({"--script", "a", "--script", "b"}), "--script given twice");
}

TEST(CommandLineTest, ErrorsQuoteAtMostSixtyCharactersEscaped) {
    EXPECT_EQ(ErrorOf({std::string(100000, 'a')}),
              "unexpected argument '" + std::string(60, 'a') + "'... (100000 bytes)");
    EXPECT_EQ(ErrorOf({"--x\x1B]0;title\x07"}), "unknown option '--x\\x1B]0;title\\x07'");
    EXPECT_EQ(ErrorOf({"--seed", "\xFF"}),
              "--seed needs a whole number from 0 to 18446744073709551615, not '\\xFF'");
}

TEST(CommandLineTest, HelpNamesEveryOptionAndCommand) {
    const std::string help = CommandLineHelp();
    for (const char* word : {"--seed N", "--scale N", "QUORVANEL_SCALE", "GDK_SCALE", "Xft.dpi",
                             "Ctrl+=", "--headless", "--script FILE", "--record FILE", "--help", "--version",
                             "rclick X Y", "shot FILE", "widgets", "quit"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}

}  // namespace
