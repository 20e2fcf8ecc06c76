// Every list of the pages that the programs print names exactly the registered pages, in tab
// order, so that a page joins them all by its one line in the page list: QuorvelII --help,
// quorvel-cli --help, --list and its message for an unknown page.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_help.h"
#include "cli/cli_run.h"
#include "pages/page_registry.h"
#include "window/program_help.h"

namespace quorvel {
namespace {

std::vector<std::string> Registered(std::string_view PageIdentity::*name) {
    std::vector<std::string> names;
    for (const PageEntry& page : RegisteredPages()) {
        names.emplace_back(page.identity.*name);
    }
    return names;
}

// The names listed between `lead` and `end`, split at ", " with line breaks read as spaces
// and quotes taken off.
std::vector<std::string> Listed(std::string text, std::string_view lead, std::string_view end) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    const std::size_t start = text.find(lead);
    if (start == std::string::npos) {
        return {"<no " + std::string(lead) + ">"};
    }
    std::string_view rest = std::string_view(text).substr(start + lead.size());
    rest = rest.substr(0, rest.find(end));
    std::vector<std::string> names;
    for (std::size_t comma = 0; comma != std::string_view::npos; rest.remove_prefix(comma + 2)) {
        comma = rest.find(", ");
        std::string name(rest.substr(0, comma));
        if (name.size() > 1 && name.front() == '"' && name.back() == '"') {
            name = name.substr(1, name.size() - 2);
        }
        names.push_back(name);
        if (comma == std::string_view::npos) {
            break;
        }
    }
    return names;
}

std::string CliOutput(std::vector<std::string_view> args, bool errorStream = false) {
    std::ostringstream out;
    std::ostringstream err;
    cli::RunCli(args, out, err);
    return errorStream ? err.str() : out.str();
}

TEST(PageLists, QuorvelIIHelpNamesThePagesByTheirTabs) {
    EXPECT_EQ(Listed(ProgramHelpText(), "pages (", ")"), Registered(&PageIdentity::tab));
}

TEST(PageLists, QuorvelCliHelpNamesThePagesBySectionAndByTab) {
    const std::string help = cli::HelpText();
    EXPECT_EQ(Listed(help, "settings section (", ")"), Registered(&PageIdentity::section));
    EXPECT_EQ(Listed(help, "tab caption (", ")"), Registered(&PageIdentity::tab));
}

TEST(PageLists, QuorvelCliOffersThePagesForAnUnknownOne) {
    EXPECT_EQ(Listed(CliOutput({"Radio"}, true), "give one of ", ", or a tab caption"),
              Registered(&PageIdentity::section));
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
