// The committed resource tree is exactly what the generator writes: nothing missing, nothing
// extra, every picture and WAV identical byte for byte. Run in the sanitizer build too, where the
// generator is compiled at another optimisation level, this also shows that its output does not
// depend on how it was compiled.
// Runs on the test's thread.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/res/res_catalogue_support.h"
#include "tests/res/res_files_support.h"

namespace res_testing {
namespace {

TEST(ResourceTree, HoldsExactlyTheFilesTheGameOpens) {
    std::vector<std::string> committed;
    for (const std::string& f : ListFiles("res")) committed.push_back("res/" + f);
    EXPECT_EQ(committed, AllPaths());
}

TEST(ResourceTree, GeneratorReproducesTheCommittedFilesByteForByte) {
    ScratchDir out;
    const std::string command =
        std::string("\"") + RESGEN_PATH + "\" \"" + out.Path().string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    std::vector<std::string> expected;  // everything but the music, which lame encodes
    for (const std::string& f : AllPaths())
        if (f != kMusic) expected.push_back(f);
    std::vector<std::string> generated;
    for (const std::string& f : ListFiles(out.Path() / "res")) generated.push_back("res/" + f);
    ASSERT_EQ(generated, expected);

    for (const std::string& f : generated) {
        const Bytes fresh = ReadBytes(out.Path() / f);
        const Bytes committed = ReadBytes(f);
        EXPECT_FALSE(fresh.empty()) << f;
        EXPECT_TRUE(fresh == committed)
            << f << " differs from the generator's output: run tools/regen-resources.sh";
    }
}

}  // namespace
}  // namespace res_testing
