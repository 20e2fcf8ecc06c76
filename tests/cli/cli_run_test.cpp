#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_test_page.h"
#include "support/scratch_directory.h"

namespace quorvel::cli {
namespace {

using quorvel::testing::CliTestPage;
using quorvel::testing::ReadBytes;
using quorvel::testing::ScratchDirectory;
using quorvel::testing::WriteBytes;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// Runs the command line against the test page (whatever page it names), which draws its
// picture when `withPicture`.
Outcome RunLine(const std::vector<std::string>& args, std::vector<std::string>* events = nullptr,
                bool withPicture = false) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const PageFactory makePage = [events, withPicture](int, ClockSource& clock) {
        auto page = std::make_unique<CliTestPage>(clock, events);
        page->drawsPicture = withPicture;
        return page;
    };
    const int status = RunCli(views, out, err, makePage);
    return {status, out.str(), err.str()};
}

// The line of one control in the plain output, or "" when it is not there.
std::string Line(const std::string& out, const std::string& name) {
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.starts_with(name + "\t")) {
            return line;
        }
    }
    return "";
}

void ExpectUsageError(const Outcome& o, const std::string& says) {
    EXPECT_EQ(o.status, kExitUsage);
    EXPECT_EQ(o.out, "") << "nothing on the output";
    EXPECT_TRUE(o.err.starts_with("quorvel-cli: ")) << o.err;
    EXPECT_NE(o.err.find(says), std::string::npos) << o.err;
    EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << "one line: " << o.err;
}

constexpr const char* kNow = "--now=2006-02-14T12:34:56.789";

// --- The contract: display list, settings, errors -------------------------------------------

TEST(CliContract, PrintsTheDisplayListInOrderOneLineAControl) {
    const Outcome o = RunLine({"RF", kNow});
    EXPECT_EQ(o.status, kExitOk);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out,
              "LabelRatio\t0.00\nLabelTwice\t0.00\nLabelBitRate\t0\nLabelWord\t0\n"
              "CheckBoxNonNrzlCode\tNO\nEditText\t\nComboBox1\tFirst\nLabelA\t0.00\n"
              "LabelB\t0.00\nLabelReset\tnone 0\nLabelNow\t12:34:56.789\n");
}

TEST(CliContract, SettingsFileThenEntriesAreLoadedOnceWithThePagesDerivations) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("QuorvelII.Cfg");
    WriteBytes(cfg, "[Number]\r\nRatio=9\r\n[RF]\r\nRatio=3\r\nBitRate=5\r\nNonNrzCode=YES\r\n");

    const Outcome o = RunLine({"RF", "--settings", cfg, "ratio=4.5", "NonNrzCode=NO"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(Line(o.out, "LabelRatio"), "LabelRatio\t4.50");
    // The derived value follows the entry, not the file.
    EXPECT_EQ(Line(o.out, "LabelTwice"), "LabelTwice\t9.00");
    EXPECT_EQ(Line(o.out, "LabelBitRate"), "LabelBitRate\t5");
    EXPECT_EQ(Line(o.out, "CheckBoxNonNrzlCode"), "CheckBoxNonNrzlCode\tNO");
    EXPECT_EQ(ReadBytes(cfg).find("4.5"), std::string::npos) << "the file is only read";
}

TEST(CliContract, ALaterEntryOfTheSameKeyWins) {
    const Outcome o = RunLine({"RF", "Ratio=2", "RATIO=7"});
    EXPECT_EQ(Line(o.out, "LabelRatio"), "LabelRatio\t7.00");
}

TEST(CliContract, EntriesTakeWhatTheTypedReadTakes) {
    const Outcome o = RunLine({"RF", "Ratio= 1e2 ", "BitRate=2147483648", "Word=-1", "BitRate="});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(Line(o.out, "LabelRatio"), "LabelRatio\t100.00");
    EXPECT_EQ(Line(o.out, "LabelBitRate"), "LabelBitRate\t0");
    EXPECT_EQ(Line(o.out, "LabelWord"), "LabelWord\t4294967295");
}

class RefusedEntry : public ::testing::TestWithParam<const char*> {};

TEST_P(RefusedEntry, IsAnErrorNamingTheKeyWithNothingOnTheOutput) {
    const std::string entry = GetParam();
    const Outcome o = RunLine({"RF", entry});
    ExpectUsageError(o, entry.substr(0, entry.find('=')));
}

INSTANTIATE_TEST_SUITE_P(CliContract, RefusedEntry,
                         ::testing::Values("Ratio=abc", "Ratio=12abc", "Ratio=2,5", "BitRate=1.5",
                                           "BitRate=0x10", "Word=FF", "Ratio=BOGUS SECTION or KEY",
                                           "Ratio=1\n2"));

TEST(CliContract, UnknownKeyIsAnErrorListingTheKeys) {
    ExpectUsageError(RunLine({"RF", "Ratio=2", "Watts=2"}),
                     "has no settings key \"Watts\"; its keys are Ratio, BitRate, Word, "
                     "NonNrzCode");
}

TEST(CliContract, BooleanOtherThanYesOrNoReadsAsNoWithAWarning) {
    const Outcome o = RunLine({"RF", "NonNrzCode=yes"});
    EXPECT_EQ(o.status, kExitOk);
    EXPECT_EQ(Line(o.out, "CheckBoxNonNrzlCode"), "CheckBoxNonNrzlCode\tNO");
    EXPECT_NE(o.err.find("warning: NonNrzCode=yes reads as NO"), std::string::npos) << o.err;
}

TEST(CliContract, RealPagesAreFoundBySectionOrTabCaptionInAnyCase) {
    for (const char* page : {"rf", "MATH/TRIG", "mathtrig", "wg 84", "Pcm Data", "pcm data", "Misc",
                             "misccalc", "date/time"}) {
        const std::vector<std::string_view> args{page};
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCli(args, out, err), kExitOk) << page << ": " << err.str();
    }
}

// --- The page's picture: --svg ------------------------------------------------------------------

TEST(CliPicture, SvgWritesThePictureTheActionsLeaveAndItsFiguresFollowTheValues) {
    ScratchDirectory dir;
    const std::string svg = dir.File("bar.svg");
    const Outcome o =
        RunLine({"RF", "--svg", svg, "--menu", "Ratio To Db", "--answer", "3"}, nullptr, true);
    ASSERT_EQ(o.status, kExitOk) << o.err;
    const std::string written = ReadBytes(svg);
    EXPECT_TRUE(written.starts_with("<?xml")) << written;
    EXPECT_NE(written.find(R"(<rect class="sampled-word" x="0" y="0" width="3" height="10")"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find(">3.00</text>"), std::string::npos) << written;
    // The figure follows the last of the page's values.
    EXPECT_TRUE(o.out.ends_with("\nFigureBar\t30.0\n")) << o.out;
    EXPECT_LT(o.out.find("LabelNow\t"), o.out.find("FigureBar\t"));

    const Outcome json = RunLine(
        {"RF", "Ratio=2", "--json", "--svg", svg, "--only", "LabelRatio,FigureBar"}, nullptr, true);
    ASSERT_EQ(json.status, kExitOk) << json.err;
    EXPECT_EQ(json.out, "{\"LabelRatio\":\"2.00\",\"FigureBar\":\"20.0\"}\n");
    // Without --svg the figures are not among the values.
    ExpectUsageError(RunLine({"RF", "--only", "FigureBar"}, nullptr, true), "FigureBar");
}

TEST(CliPicture, PageWithoutAPictureIsAUsageErrorBeforeAnythingIsSaved) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("QuorvelII.Cfg");
    WriteBytes(cfg, "[RF]\r\nRatio=3\r\n");
    const Outcome o =
        RunLine({"--settings", cfg, "--save", "RF", "Ratio=5", "--svg", dir.File("bar.svg")});
    ExpectUsageError(o, "page \"RF\" draws no picture; --svg goes with a page that draws one");
    EXPECT_EQ(ReadBytes(cfg), "[RF]\r\nRatio=3\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("bar.svg")));
    EXPECT_FALSE(std::filesystem::exists(cfg + ".BAK"));
}

TEST(CliPicture, PictureThatCannotBeWrittenFailsAndSaysWhere) {
    ScratchDirectory dir;
    const std::string svg = dir.File("no/such/bar.svg");
    const Outcome o = RunLine({"RF", "--svg", svg}, nullptr, true);
    EXPECT_EQ(o.status, kExitFailed);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "quorvel-cli: cannot write the picture to \"" + svg +
                         "\": No such file or directory\n");
}

// The PCM Data page's frame map through the real page: at its natural size every sampled
// word of every minor frame is a cell of its own, as many as the page's updates per major
// frame (and the legend's swatch).
TEST(CliPicture, FrameMapHoldsOneSampledCellPerUpdateOfTheMajorFrame) {
    ScratchDirectory dir;
    const std::string svg = dir.File("map.svg");
    const std::vector<std::string_view> args{"Pcm Data", "--svg",         svg,
                                             "--menu",   "Word Interval", "--answer",
                                             "5",        "--only",        "LabelUpsPerMajor"};
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunCli(args, out, err), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "LabelUpsPerMajor\t400\n");
    const std::string written = ReadBytes(svg);
    std::size_t cells = 0;
    for (std::size_t at = written.find("<rect class=\"sampled-word\""); at != std::string::npos;
         at = written.find("<rect class=\"sampled-word\"", at + 1)) {
        ++cells;
    }
    EXPECT_EQ(cells, 400U + 1U);
    EXPECT_NE(written.find("<desc>Frame map of 16 minor frames of 128 words"), std::string::npos);
}

// --- The settings file and --save ------------------------------------------------------------

TEST(CliSettings, MissingFileIsAnErrorUnlessSaveWillCreateIt) {
    ScratchDirectory dir;
    ExpectUsageError(RunLine({"RF", "--settings", dir.File("none.cfg")}), "does not exist");
    ExpectUsageError(RunLine({"RF", "--settings", dir.Path().string()}), "cannot read");
}

// A file far larger than any settings file (here a sparse terabyte) is refused at once, as
// one that cannot be read, and --save leaves it as it is.
TEST(CliSettings, FileBeyondTheSizeBoundIsAnErrorAndLeftAlone) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("QuorvelII.Cfg");
    WriteBytes(cfg, "[RF]\r\nRatio=3\r\n");
    std::error_code error;
    std::filesystem::resize_file(cfg, std::uintmax_t{1} << 40, error);
    if (error) {
        GTEST_SKIP() << "this file system holds no sparse terabyte";
    }
    ExpectUsageError(RunLine({"RF", "--settings", cfg}), "larger than 1 MiB");
    ExpectUsageError(RunLine({"RF", "--settings", cfg, "--save", "Ratio=2"}), "larger than 1 MiB");
    EXPECT_EQ(std::filesystem::file_size(cfg), std::uintmax_t{1} << 40);
    EXPECT_FALSE(std::filesystem::exists(cfg + ".BAK"));
}

TEST(CliSettings, SaveRewritesOnlyThePagesSectionAfterABackup) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("QuorvelII.Cfg");
    const std::string before =
        "; kept\r\n[RF]\r\nratio=3\r\nOther=x\r\n[MiscInfo]\r\nPageControl=2\r\n";
    WriteBytes(cfg, before);

    const Outcome o = RunLine({"--settings", cfg, "--save", "RF", "BitRate=-7", "--menu",
                               "Ratio To Db", "--answer", "3.14159265358979"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(ReadBytes(cfg + ".BAK"), before);
    EXPECT_EQ(ReadBytes(cfg),
              "; kept\r\n[RF]\r\nratio=3.141592654\r\nOther=x\r\nBitRate=-7\r\nWord=0\r\n"
              "NonNrzCode=NO\r\n[MiscInfo]\r\nPageControl=2\r\n");
    EXPECT_EQ(Line(o.out, "LabelRatio"), "LabelRatio\t3.14");
}

// A settings file in UTF-16 with its byte-order mark (Notepad's "Unicode") reads as it
// holds, and --save writes it back in the program's own form, other sections kept.
TEST(CliSettings, Utf16FileIsReadAndSavedInTheProgramsOwnForm) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("QuorvelII.Cfg");
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("; kept\r[RF]\rratio=3\r[MiscInfo]\rPageControl=2\r")) {
        utf16 += c;
        utf16 += '\0';
    }
    WriteBytes(cfg, utf16);

    const Outcome o = RunLine({"--settings", cfg, "--save", "RF", "BitRate=-7"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(Line(o.out, "LabelRatio"), "LabelRatio\t3.00");
    EXPECT_EQ(ReadBytes(cfg + ".BAK"), utf16);
    EXPECT_EQ(ReadBytes(cfg),
              "; kept\r\n[RF]\r\nratio=3.000000000\r\nBitRate=-7\r\nWord=0\r\nNonNrzCode=NO\r\n"
              "[MiscInfo]\r\nPageControl=2\r\n");
}

TEST(CliSettings, SaveCreatesAMissingFileWithoutABackup) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("new.cfg");
    const Outcome o = RunLine({"RF", "--settings", cfg, "--save", "NonNrzCode=YES"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(ReadBytes(cfg),
              "[RF]\r\nRatio=0.000000000\r\nBitRate=0\r\nWord=0\r\nNonNrzCode=YES\r\n");
    EXPECT_FALSE(std::filesystem::exists(cfg + ".BAK"));
}

TEST(CliSettings, SaveThatCannotWriteFailsAndSaysSo) {
    ScratchDirectory dir;
    const Outcome o = RunLine({"RF", "--settings", dir.File("no/such/dir.cfg"), "--save"});
    EXPECT_EQ(o.status, kExitFailed);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("Your inputs were not saved to " + dir.File("no/such/dir.cfg") +
                         ": it could not be written (No such file or directory)"),
              std::string::npos)
        << o.err;
}

// A path the user gives is taken as it stands: "a\\b.cfg" is one file name, not "b.cfg" in
// the directory "a".
TEST(CliSettings, BackslashInTheSettingsPathIsPartOfTheName) {
    ScratchDirectory dir;
    std::filesystem::create_directory(dir.Path() / "a");
    const std::string cfg = dir.File("a\\b.cfg");
    const Outcome o = RunLine({"RF", "--settings", cfg, "--save", "Ratio=2"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(ReadBytes(cfg).rfind("[RF]\r\nRatio=2.000000000\r\n", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "a" / "b.cfg"));

    const Outcome again = RunLine({"RF", "--settings", cfg});
    ASSERT_EQ(again.status, kExitOk) << again.err;
    EXPECT_EQ(Line(again.out, "LabelRatio"), "LabelRatio\t2.00");
}

// A link planted at the backup's name: the save replaces the link and leaves its target.
TEST(CliSettings, SaveNeverWritesThroughALinkedBackup) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("QuorvelII.Cfg");
    WriteBytes(cfg, "[RF]\r\nRatio=3\r\n");
    WriteBytes(dir.File("victim"), "precious");
    std::filesystem::create_symlink(dir.File("victim"), cfg + ".BAK");

    const Outcome o = RunLine({"RF", "--settings", cfg, "--save", "Ratio=5"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(ReadBytes(dir.File("victim")), "precious");
    EXPECT_EQ(ReadBytes(cfg + ".BAK"), "[RF]\r\nRatio=3\r\n");
    EXPECT_NE(o.err.find("note: The link " + cfg + ".BAK was replaced"), std::string::npos)
        << o.err;
}

TEST(CliSettings, SaveWithoutAGoodBackupLeavesTheFileAlone) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("QuorvelII.Cfg");
    WriteBytes(cfg, "[RF]\r\nRatio=3\r\n");
    std::filesystem::create_directory(cfg + ".BAK");

    const Outcome o = RunLine({"RF", "--settings", cfg, "--save", "Ratio=5"});
    EXPECT_EQ(o.status, kExitFailed);
    EXPECT_NE(o.err.find("the backup " + cfg + ".BAK could not be written (Is a directory)"),
              std::string::npos)
        << o.err;
    EXPECT_EQ(ReadBytes(cfg), "[RF]\r\nRatio=3\r\n");
}

// --- Commands and their scripted answers ------------------------------------------------------

TEST(CliCommands, MenuCommandTakesItsAnswer) {
    const Outcome o = RunLine({"RF", "--menu", "Ratio To Db", "--answer", "2"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(Line(o.out, "LabelTwice"), "LabelTwice\t4.00");
    EXPECT_EQ(o.err, "");
}

TEST(CliCommands, ClampedAnswerListsTheWarningCue) {
    const Outcome typed = RunLine({"RF", "--menu", "ratio to db", "--answer", "20000"});
    EXPECT_EQ(Line(typed.out, "LabelRatio"), "LabelRatio\t10000.00");
    EXPECT_EQ(typed.err, "cue: warning\n");

    // Cancel keeps the value, which the bounds still move on a fresh page.
    const Outcome cancelled = RunLine({"RF", "--menu", "Ratio To Db", "--cancel"});
    EXPECT_EQ(Line(cancelled.out, "LabelRatio"), "LabelRatio\t0.10");
    EXPECT_EQ(cancelled.err, "cue: warning\n");
}

TEST(CliCommands, OkKeepsTheUntouchedTextAndUnreadableTextChangesNothing) {
    const Outcome ok = RunLine({"RF", "Ratio=2.345", "--menu", "Ratio To Db", "--ok"});
    EXPECT_EQ(Line(ok.out, "LabelTwice"), "LabelTwice\t4.69") << "full value kept, not 2.35";
    const Outcome bad = RunLine({"RF", "Ratio=2", "--menu", "Ratio To Db", "--answer", "abc"});
    EXPECT_EQ(bad.status, kExitOk);
    EXPECT_EQ(Line(bad.out, "LabelRatio"), "LabelRatio\t2.00");
    EXPECT_EQ(bad.err, "");
}

TEST(CliCommands, IntegerPromptReadsAHexadecimalAnswer) {
    const Outcome o = RunLine({"RF", "--menu", "Bit Rate", "--answer", "0x1F"});
    EXPECT_EQ(Line(o.out, "LabelBitRate"), "LabelBitRate\t31");
}

TEST(CliCommands, AnswerLongerThanTheBoxIsCutTo255Characters) {
    // 255 digits of a huge number, then a letter the box never receives.
    const std::string answer = "1" + std::string(254, '0') + "x";
    const Outcome o = RunLine({"RF", "--menu", "Ratio To Db", "--answer", answer});
    EXPECT_EQ(Line(o.out, "LabelRatio"), "LabelRatio\t10000.00");
    EXPECT_EQ(o.err, "cue: warning\n");
}

TEST(CliCommands, ACommandAskingForMoreAnswersThanGivenIsAnError) {
    const Outcome o = RunLine({"RF", "--menu", "Two Prompts", "--answer", "1"});
    ExpectUsageError(o, "opened the text-entry box \"Enter B\" but has no answer left");
}

TEST(CliCommands, AnswersLeftOverAreAnError) {
    ExpectUsageError(RunLine({"RF", "--menu", "Ratio To Db", "--answer", "1", "--cancel"}),
                     "left 1 answer unused, from --cancel on; it asked for 1");
}

TEST(CliCommands, UnknownCommandOrSeparatorIsAnErrorListingTheCommands) {
    ExpectUsageError(RunLine({"RF", "--menu", "Ratio"}),
                     "has no menu command \"Ratio\"; its commands are Ratio To Db, Two Prompts, "
                     "Solve, Notice, Bit Rate, PopupMenuLeft:Reset, PopupMenuRight:Reset, "
                     "PopupMenuPop");
    ExpectUsageError(RunLine({"RF", "--menu", "-"}), "no menu command \"-\"");
}

TEST(CliCommands, ACommandIsNamedByCaptionByMenuAndCaptionOrByItemName) {
    EXPECT_EQ(Line(RunLine({"RF", "--menu", "PopupMenuLeft:Reset"}).out, "LabelReset"),
              "LabelReset\tleft 0");
    EXPECT_EQ(Line(RunLine({"RF", "--menu", "popupmenuright:RESET"}).out, "LabelReset"),
              "LabelReset\tright 0");
    EXPECT_EQ(Line(RunLine({"RF", "--menu", "MenuResetRight"}).out, "LabelReset"),
              "LabelReset\tright 0");
    EXPECT_EQ(Line(RunLine({"RF", "--menu", "PopupMenu1:Ratio To Db", "--answer", "3"}).out,
                   "LabelTwice"),
              "LabelTwice\t6.00");
    // A menu that acts on pop-up is named by the menu.
    const Outcome popup = RunLine({"RF", "--menu", "PopupMenuPop", "--menu", "popupmenupop"});
    ASSERT_EQ(popup.status, kExitOk) << popup.err;
    EXPECT_EQ(Line(popup.out, "LabelReset"), "LabelReset\tnone 2");
    // A caption of one menu is not found under another, nor a title item at all.
    ExpectUsageError(RunLine({"RF", "--menu", "PopupMenuFilters:Ratio To Db"}),
                     "no menu command \"PopupMenuFilters:Ratio To Db\"");
    ExpectUsageError(RunLine({"RF", "--menu", "Left"}), "no menu command \"Left\"");
}

TEST(CliCommands, ACaptionTwoMenusHoldIsAnErrorNamingBoth) {
    ExpectUsageError(RunLine({"RF", "--menu", "Reset"}),
                     "page \"RF\" has the menu command \"Reset\" in more than one menu; name one "
                     "of \"PopupMenuLeft:Reset\", \"PopupMenuRight:Reset\"");
}

TEST(CliCommands, AnswerOfTheWrongKindIsAnError) {
    ExpectUsageError(RunLine({"RF", "--menu", "Solve", "--answer", "2"}),
                     "opened the dialog TTwiceDlg \"Enter 1 to solve the other\", but the answer "
                     "--answer \"2\" is for a text-entry box");
    ExpectUsageError(RunLine({"RF", "--menu", "Ratio To Db", "--type", "EditA=1", "--ok"}),
                     "is for a dialog");
}

TEST(CliCommands, DialogBoxesAreTypedKeyByKeyThroughTheKeyFilterThenLeft) {
    std::vector<std::string> events;
    const Outcome o = RunLine(
        {"RF", "--menu", "Solve", "--type", "edita=1e2x", "--type", "EditB=", "--ok"}, &events);
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(events, (std::vector<std::string>{"EditA=1", "EditA=12", "exit EditA",
                                                "EditB=", "exit EditB"}));
    EXPECT_EQ(o.err, "cue: error\ncue: error\n");
    EXPECT_EQ(Line(o.out, "LabelA"), "LabelA\t12.00");
    EXPECT_EQ(Line(o.out, "LabelB"), "LabelB\t24.00");
}

TEST(CliCommands, CancelledDialogLeavesThePageAlone) {
    const Outcome o = RunLine({"RF", "--menu", "Solve", "--type", "EditA=5", "--cancel"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(Line(o.out, "LabelA"), "LabelA\t0.00");
    const Outcome plain = RunLine({"RF", "--menu", "Solve", "--cancel"});
    EXPECT_EQ(Line(plain.out, "LabelB"), "LabelB\t0.00");
}

TEST(CliCommands, UnknownDialogBoxIsAnErrorListingTheBoxes) {
    ExpectUsageError(RunLine({"RF", "--menu", "Solve", "--type", "EditC=1", "--ok"}),
                     "TTwiceDlg has no box \"EditC\"; its boxes are EditA, EditB");
}

TEST(CliCommands, MessagesAndCuesGoToTheErrorStream) {
    const Outcome o = RunLine({"RF", "--menu", "Notice", "--click", "ButtonReset"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(o.err, "message: Frame \"sync\" lost\ncue: click\n");
    EXPECT_EQ(Line(o.out, "LabelRatio"), "LabelRatio\t1.00");
}

TEST(CliCommands, ControlsAreDrivenByTheirObjectNames) {
    const Outcome o = RunLine({"RF", "--check", "checkboxnonnrzlcode=YES", "--edit", "EditText=a b",
                               "--choose", "ComboBox1=1"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(Line(o.out, "CheckBoxNonNrzlCode"), "CheckBoxNonNrzlCode\tYES");
    EXPECT_EQ(Line(o.out, "EditText"), "EditText\ta b");
    EXPECT_EQ(Line(o.out, "ComboBox1"), "ComboBox1\tSecond");
}

TEST(CliCommands, UnknownControlIsAnError) {
    ExpectUsageError(RunLine({"RF", "--check", "CheckBoxX=YES"}), "has no check box \"CheckBoxX\"");
    ExpectUsageError(RunLine({"RF", "--edit", "LabelRatio=2"}), "has no edit box \"LabelRatio\"");
    ExpectUsageError(RunLine({"RF", "--choose", "ComboBox1=3"}),
                     "no list \"ComboBox1\" with an item 3");
    ExpectUsageError(RunLine({"RF", "--click", "ButtonGo"}), "has no button \"ButtonGo\"");
}

TEST(CliCommands, VerboseListsEachBoxAndDialogWithItsAnswer) {
    const Outcome o = RunLine({"RF", "--verbose", "--menu", "Ratio To Db", "--answer", "2",
                               "--menu", "Solve", "--type", "EditA=3", "--ok"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(o.err,
              "box: \"Enter the Ratio\" (Input Value between 0.10 & 10000.00) shows \"0.00\"\n"
              "  OK on \"2\"\n"
              "dialog: TTwiceDlg \"Enter 1 to solve the other\"\n"
              "  EditA: typed \"3\", shows \"3.00\"\n"
              "  closed with OK\n");
}

// --- Output forms and listings ----------------------------------------------------------------

TEST(CliOutput, JsonKeepsDisplayOrderAndEscapes) {
    const Outcome o = RunLine(
        {"RF", kNow, "--json", "--edit", "EditText=say \"hi\"\\\t", "--choose", "ComboBox1=2"});
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(o.out,
              "{\"LabelRatio\":\"0.00\",\"LabelTwice\":\"0.00\",\"LabelBitRate\":\"0\","
              "\"LabelWord\":\"0\",\"CheckBoxNonNrzlCode\":\"NO\","
              "\"EditText\":\"say \\\"hi\\\"\\\\\\t\",\"ComboBox1\":\"Caf\xC3\xA9\","
              "\"LabelA\":\"0.00\",\"LabelB\":\"0.00\",\"LabelReset\":\"none "
              "0\",\"LabelNow\":\"12:34:56.789\"}\n");
}

TEST(CliOutput, Latin1TextIsPrintedAsTheWindowShowsIt) {
    const Outcome o = RunLine({"RF", "--choose", "ComboBox1=2"});
    EXPECT_EQ(Line(o.out, "ComboBox1"), "ComboBox1\tCaf\xC3\xA9");
}

TEST(CliOutput, KeysAndCommandsAreListedForScriptWriters) {
    const Outcome keys = RunLine({"--keys", "rf"});
    EXPECT_EQ(keys.out, "Ratio\treal\nBitRate\tinteger\nWord\tunsigned\nNonNrzCode\tboolean\n");
    const Outcome commands = RunLine({"--commands", "RF"});
    EXPECT_EQ(commands.out,
              "PopupMenu1\tRatio To Db\t\nPopupMenu1\tTwo Prompts\t\nPopupMenu1\tSolve\t\n"
              "PopupMenu1\tNotice\t\nPopupMenuFilters\tBit Rate\t\n"
              "PopupMenuLeft\tReset\tMenuResetLeft\nPopupMenuRight\tReset\tMenuResetRight\n"
              "PopupMenuPop\t\t\n");
    ExpectUsageError(RunLine({"--keys", "Radio"}), "unknown page \"Radio\"");
}

}  // namespace
}  // namespace quorvel::cli
