// Every list of the pages that the programs print names exactly the registered pages, in tab
// order, so that a page joins them all by its one line in the page list: QuorvelII --help,
// quorvel-cli --help, --list and its message for an unknown page.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_help.h"
#include "cli/cli_run.h"
#include "pages/page_registry.h"
#include "window/program_help.h"

namespace quorvel {
namespace {

// The pages by section or tab caption, "RF, Number, ..., PCM Data", each in double quotes
// where it holds a space when `quoted`.
std::string Registered(std::string_view PageIdentity::*name, bool quoted) {
    std::string list;
    for (const PageEntry& page : RegisteredPages()) {
        const std::string text(page.identity.*name);
        const bool quote = quoted && text.find(' ') != std::string::npos;
        list += (list.empty() ? "" : ", ") + (quote ? '"' + text + '"' : text);
    }
    return list;
}

// The text with its line breaks read as spaces, as a paragraph reads.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string CliOutput(std::vector<std::string_view> args, bool errorStream = false) {
    std::ostringstream out;
    std::ostringstream err;
    cli::RunCli(args, out, err);
    return errorStream ? err.str() : out.str();
}

TEST(PageLists, HelpTextsAndTheUnknownPageMessageNameEveryPage) {
    const std::string sections = Registered(&PageIdentity::section, true);
    EXPECT_NE(
        OneLine(ProgramHelpText()).find(" pages (" + Registered(&PageIdentity::tab, false) + ")."),
        std::string::npos);
    EXPECT_NE(OneLine(cli::HelpText())
                  .find("settings section (" + sections + ") or a tab caption (" +
                        Registered(&PageIdentity::tab, true) + "), in"),
              std::string::npos);
    EXPECT_NE(CliOutput({"Radio"}, true).find("give one of " + sections + ", or a tab caption"),
              std::string::npos);
}

TEST(PageLists, QuorvelCliListsThePagesOneALine) {
    std::string expected;
    for (const PageEntry& page : RegisteredPages()) {
        expected += std::string(page.identity.section) + '\t' + std::string(page.identity.tab) +
                    '\t' + std::string(page.identity.caption) + '\n';
    }
    EXPECT_EQ(CliOutput({"--list"}), expected);
}

}  // namespace
}  // namespace quorvel
