// Batch lines split as a POSIX shell splits a simple command, with nothing expanded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/shell_words.h"

namespace quorvel::cli {
namespace {

struct Split {
    const char* line;
    std::vector<std::string> words;
};

class ShellWords : public ::testing::TestWithParam<Split> {};

TEST_P(ShellWords, SplitsAsAShellWould) {
    std::vector<std::string> words{"left over"};
    std::string error;
    ASSERT_TRUE(SplitShellWords(GetParam().line, words, error)) << error;
    EXPECT_EQ(words, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ShellWords,
    ::testing::Values(
        Split{"", {}}, Split{"  \t ", {}}, Split{"# a comment", {}}, Split{"Ratio=2", {"Ratio=2"}},
        Split{"  --menu  'Ratio To Db'\t--answer 2 ", {"--menu", "Ratio To Db", "--answer", "2"}},
        Split{"--type EditLat=\"35 51 15.010\" --ok", {"--type", "EditLat=35 51 15.010", "--ok"}},
        Split{"a\\ b c", {"a b", "c"}}, Split{"'it'\\''s'", {"it's"}},
        Split{"\"say \\\"hi\\\" \\\\ \\n $x\"", {"say \"hi\" \\ \\n $x"}},
        Split{"'$HOME' ~ * `date`", {"$HOME", "~", "*", "`date`"}}, Split{"'' \"\"", {"", ""}},
        Split{"a#b # c", {"a#b"}}, Split{"x'y'\"z\"", {"xyz"}},
        Split{"'#not a comment'", {"#not a comment"}}));

TEST(ShellWordsRefused, UnclosedQuotesAndATrailingBackslash) {
    for (const char* line : {"'open", "\"open", "--answer \"2\\\"", "ends\\"}) {
        std::vector<std::string> words;
        std::string error;
        EXPECT_FALSE(SplitShellWords(line, words, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

}  // namespace
}  // namespace quorvel::cli
