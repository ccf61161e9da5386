// What the system says of the running process: its program file (where the
// catalogs, the font and the accessibility module are looked for beside
// it), and a library that is not there.
#include "platform/ThisProcess.h"

#include "base/SystemFile.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(ThisProcessTest, TheProgramFileIsThisTestProgram) {
    const std::optional<fs::path> program = SystemFile::ProgramFile();
    ASSERT_TRUE(program.has_value());
    EXPECT_EQ(program->stem(), "platform_tests");
    EXPECT_TRUE(program->is_absolute());
    EXPECT_TRUE(fs::is_regular_file(*program));
}

TEST(ThisProcessTest, ALibraryThatIsNotThereLoadsAsNothing) {
    EXPECT_EQ(LoadLibraryFile(fs::temp_directory_path() / "quorvanel-no-such-library"), nullptr);
}

}  // namespace
