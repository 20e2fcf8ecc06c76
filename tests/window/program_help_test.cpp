// What the window program answers on its command line before any window starts.
#include "window/program_help.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

struct ArgumentsCase {
    std::vector<const char*> arguments;
    ProgramRequest request;
};

class ProgramArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(ProgramArgumentsTest, OnlyHelpOrVersionAloneAreAnswered) {
    std::vector<const char*> argv{"QuorvelII"};
    argv.insert(argv.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    EXPECT_EQ(ReadProgramArguments(static_cast<int>(argv.size()), argv.data()), GetParam().request);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ProgramArgumentsTest,
    ::testing::Values(ArgumentsCase{{}, ProgramRequest::StartWindow},
                      ArgumentsCase{{"--help"}, ProgramRequest::Help},
                      ArgumentsCase{{"--version"}, ProgramRequest::Version},
                      // Anything else starts the window as it always has; Qt takes its own.
                      ArgumentsCase{{"--help", "x"}, ProgramRequest::StartWindow},
                      ArgumentsCase{{"-platform", "offscreen"}, ProgramRequest::StartWindow},
                      ArgumentsCase{{"--HELP"}, ProgramRequest::StartWindow},
                      ArgumentsCase{{"-h"}, ProgramRequest::StartWindow}));

TEST(ProgramHelpTest, VersionBeginsWithTheProgramAndItsVersionAsHelp2manReadsIt) {
    const std::string version = ProgramVersionText();
    EXPECT_EQ(version.substr(0, version.find('\n')), "QuorvelII 2.05");
    EXPECT_EQ(version.back(), '\n');
}

TEST(ProgramHelpTest, HelpNamesTheLauncherAndThePerUserDirectory) {
    const std::string help = ProgramHelpText();
    EXPECT_EQ(help.substr(0, help.find('\n')), "Usage: QuorvelII");
    EXPECT_NE(help.find("launcher quorvel"), std::string_view::npos);
    EXPECT_NE(help.find("${XDG_DATA_HOME:-~/.local/share}/QuorvelII"), std::string_view::npos);
}

}  // namespace
}  // namespace quorvel
