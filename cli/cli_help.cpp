#include "cli/cli_help.h"

#include "cli/cli_args.h"
#include "cli/name_match.h"
#include "common/word_wrap.h"
#include "pages/page_registry.h"

namespace quorvel::cli {
namespace {

// The width the help text's paragraphs are broken at.
constexpr std::size_t kHelpWidth = 90;

// Appends the names as "(A," "B," ... "Z)" followed by `after` on the last.
void AppendNameList(std::vector<std::string>& words, const std::vector<std::string>& names,
                    std::string_view after) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        words.push_back((i == 0 ? "(" : "") + names[i] +
                        (i + 1 == names.size() ? ")" + std::string(after) : ","));
    }
}

// "PAGE is a settings section (RF, ...) or a tab caption (RF, ...), in any case."
std::string PageParagraph() {
    std::vector<std::string> words = Words("PAGE is a settings section");
    AppendNameList(words, PageNames(PageNaming::Section), "");
    for (std::string& word : Words("or a tab caption")) {
        words.push_back(std::move(word));
    }
    AppendNameList(words, PageNames(PageNaming::Tab), ",");
    for (std::string& word : Words("in any case.")) {
        words.push_back(std::move(word));
    }
    return WrapWords(words, kHelpWidth);
}

}  // namespace

std::vector<std::string> PageNames(PageNaming naming) {
    std::vector<std::string> names;
    for (const PageEntry& page : RegisteredPages()) {
        const std::string_view name =
            naming == PageNaming::Section ? page.identity.section : page.identity.tab;
        names.push_back(name.find(' ') == std::string_view::npos ? std::string(name)
                                                                 : Quoted(name));
    }
    return names;
}

std::string JoinedNames(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
        list += (list.empty() ? "" : ", ") + name;
    }
    return list;
}

std::string HelpText() {
    return R"(Usage: quorvel-cli [OPTION...] PAGE [KEY=VALUE...] [ACTION [ANSWER...]...]
       quorvel-cli --batch [--carry] [OPTION...] PAGE [KEY=VALUE...] < LINES
       quorvel-cli --list | --keys PAGE | --commands PAGE | --help | --version

Prints what a QuorvelII calculator page shows, one line per value: the control's object
name, a tab, and the exact text the window shows (a check box shows YES or NO).

)" + PageParagraph() +
           R"(
The page starts from its creation defaults, loads its section of the --settings file, and
takes each KEY=VALUE as if it stood in that section: the same typed read and the same
derivations. KEY=VALUE entries go before the first action; a later one replaces an earlier
one of the same key.

Options:
)" + OptionHelp(OptionGroup::Option) +
           R"(
Actions, run in order as the window runs them, each ending with the page redisplayed:
)" + OptionHelp(OptionGroup::Action) +
           R"(
Answers follow their action and answer, in order, each text-entry box or dialog it opens:
)" + OptionHelp(OptionGroup::Answer) +
           R"(A command that opens more boxes or dialogs than its answers, or leaves answers unused, is an
error. Names of commands, controls and boxes match without regard to case.

Many answers from one process:
)" + OptionHelp(OptionGroup::Batch) +
           R"(
Cues the page sounds are listed on standard error as "cue: warning" (nothing is sounded),
messages as "message: TEXT".

Exit status: 0 done; 1 the settings file could not be backed up or written, the output
could not be written, or a batch's standard input could not be read; 2 the command line is
wrong (unknown page, key, command, control or box, a value the key's typed read refuses,
answers that do not fit, a settings file that cannot be read or is larger than 1 MiB), or
in a batch any line was; the one-line message on standard error says what is
wrong and what would be right.

Examples:
  quorvel-cli RF Watts=2
  quorvel-cli --settings QuorvelII.Cfg --json 'WG 84'
  quorvel-cli RF --menu "Ratio To Db" --answer 2
  quorvel-cli RF --menu VSWR --type EditVswr=2 --ok
  quorvel-cli --settings QuorvelII.Cfg --save RF --menu "Bit Rate" --answer 1000000
  printf -- '--menu "Bit Rate" --answer %s\n' 1000 500000 |
      quorvel-cli --batch --only LabelBitRate,LabelIfFilter RF
)";
}

}  // namespace quorvel::cli
