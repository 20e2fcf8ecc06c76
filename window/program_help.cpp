#include "window/program_help.h"

#include <array>
#include <vector>

#include "common/word_wrap.h"
#include "pages/page_registry.h"
#include "shell/program_identity.h"

namespace quorvel {
namespace {

// The width the help text's paragraphs are broken at.
constexpr std::size_t kHelpWidth = 90;

// "seven" for 7: how many pages the window has, in words while that reads well.
std::string CountInWords(int count) {
    constexpr std::array<std::string_view, 13> kWords{"no",   "one",    "two",   "three", "four",
                                                      "five", "six",    "seven", "eight", "nine",
                                                      "ten",  "eleven", "twelve"};
    return count >= 0 && count < static_cast<int>(kWords.size())
               ? std::string(kWords[static_cast<std::size_t>(count)])
               : std::to_string(count);
}

// What the program is, with its pages by their tab captions in tab order.
std::string ProgramParagraph() {
    std::vector<std::string> words = Words(
        "An engineering calculator for telemetry and test-range engineers: one small window "
        "with");
    words.push_back(CountInWords(kPageCount));
    words.emplace_back("pages");
    for (int tab = 0; tab < kPageCount; ++tab) {
        words.push_back((tab == 0 ? "(" : "") + std::string(PageAt(tab).identity.tab) +
                        (tab + 1 == kPageCount ? ")." : ","));
    }
    for (std::string& word : Words("Inputs are edited from each panel's right-click menu, and "
                                   "every page shows all its results at once.")) {
        words.push_back(std::move(word));
    }
    return WrapWords(words, kHelpWidth);
}

}  // namespace

ProgramRequest ReadProgramArguments(int argc, const char* const* argv) {
    if (argc != 2) {
        return ProgramRequest::StartWindow;
    }
    const std::string_view argument = argv[1];
    if (argument == "--help") {
        return ProgramRequest::Help;
    }
    if (argument == "--version") {
        return ProgramRequest::Version;
    }
    return ProgramRequest::StartWindow;
}

std::string ProgramHelpText() {
    return R"(Usage: QuorvelII
  or:  QuorvelII --help | --version

)" + ProgramParagraph() +
           R"(
QuorvelII takes no arguments. The directory it is started from is its program directory:
it keeps its settings, its error log and its hardcopies there. The desktop's menu entry
starts it through the launcher quorvel, which makes and enters the per-user directory
${XDG_DATA_HOME:-~/.local/share}/QuorvelII first, so that a menu start keeps its files in
one known place. SIGTERM, SIGINT and SIGHUP close the window as its close box does, with
the settings saved.

Options:
  --help            print this text and end
  --version         print the version and end

Keys:
  Ctrl+C            copy the page's values as text, one line per value: its caption and
                    unit, a tab, and the text the page shows; in an edit box with a
                    selection, the selection
  double click on a value
                    copy that value alone
  Tab, Shift+Tab    move between the controls and the panels that have a menu
  Menu, Shift+F10   open the menu of the panel that has the focus
  Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn, Ctrl+PgUp
                    the next or the previous page
  Ctrl+Plus, Ctrl+=, Ctrl+Minus, Ctrl+0, Ctrl with the mouse wheel
                    zoom the window in, out, or back to its actual size (View menu), in
                    steps of 100, 125, 150, 175, 200, 250 and 300 %

Files:
  QuorvelII.Cfg     every page's inputs, the window position, tab and zoom, in the
                    program directory; rewritten at every close, the previous one kept
                    as QuorvelII.Cfg.BAK (unless that backup holds settings the file
                    lacks: it is then kept); a file beyond 1 MiB is not read, nor
                    replaced
  ServerOptions.Opt
                    the optional colour scheme (section COLORS), read once at start
  SYSTEM/ERLOGS/QuorvelII.Log
                    the error log, emptied at every start (QuorvelII.Log in the
                    program directory when that folder does not exist)
  Files/Hardcopies/QuorvelIIHdcpy_N.jpg
                    the "Hardcopy" pictures (in the program directory when that folder
                    does not exist)
  DriverTools/DrvLoad.sh
                    an optional script started when no port access works at start

The folders SYSTEM, SYSTEM/ERLOGS, Files and Files/Hardcopies are not followed when they
are symbolic links: their files then go into the program directory itself.

Exit status: 0 done; 1 the close could not save the settings (the reason is in the error
log, or on standard error where no log could be opened).
)";
}

std::string ProgramVersionText() {
    return std::string(kProgramWord) + " " + std::string(kProgramVersion) + "\n" +
           std::string(kCopyrightLine) + "\n";
}

}  // namespace quorvel
