// quorvel-cli --batch against the test page: each line answered afresh or, with --carry,
// from the last line's state; JSON Lines with line numbers, --only, failed lines that name
// their line and do not stop the batch, saving, and answers written as lines come in.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sstream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#include "cli/batch_run.h"
#include "cli/cli_run.h"
#include "cli/cli_test_page.h"
#include "support/scratch_directory.h"

namespace quorvel::cli {
namespace {

using quorvel::testing::CliTestPage;
using quorvel::testing::ReadBytes;
using quorvel::testing::ScratchDirectory;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

const PageFactory kTestPage = [](int, ClockSource& clock) {
    return std::make_unique<CliTestPage>(clock);
};

Outcome RunBatchLines(const std::vector<std::string>& args, const std::string& input) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(views, in, out, err, kTestPage);
    return {status, out.str(), err.str()};
}

constexpr const char* kLines =
    "--menu 'Ratio To Db' --answer 2\n"
    "--menu PopupMenuPop\n";

TEST(CliBatch, EachLineStartsFromThePageAsTheCommandLineLoadsIt) {
    const Outcome o =
        RunBatchLines({"--batch", "RF", "Ratio=5", "--only", "LabelRatio,labelreset"}, kLines);
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(o.out,
              "LabelRatio\t2.00\nLabelReset\tnone 0\n\n"
              "LabelRatio\t5.00\nLabelReset\tnone 1\n\n");
    EXPECT_EQ(o.err, "");
}

TEST(CliBatch, CarryGoesOnFromTheStateTheLastLineLeft) {
    const Outcome o = RunBatchLines(
        {"--batch", "--carry", "RF", "Ratio=5", "--only", "LabelRatio,LabelReset"}, kLines);
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(o.out,
              "LabelRatio\t2.00\nLabelReset\tnone 0\n\n"
              "LabelRatio\t2.00\nLabelReset\tnone 1\n\n");
}

TEST(CliBatch, ALinesOwnSettingsHoldForThatLineOrAreReadOverTheCarriedState) {
    const std::string lines = "Ratio=7 --menu PopupMenuPop\nBitRate=9\n";
    const std::vector<std::string> only{"--only", "LabelTwice,LabelBitRate,LabelReset"};
    std::vector<std::string> fresh{"--batch", "RF"};
    fresh.insert(fresh.end(), only.begin(), only.end());
    EXPECT_EQ(RunBatchLines(fresh, lines).out,
              "LabelTwice\t14.00\nLabelBitRate\t0\nLabelReset\tnone 1\n\n"
              "LabelTwice\t0.00\nLabelBitRate\t9\nLabelReset\tnone 0\n\n");
    std::vector<std::string> carried{"--batch", "--carry", "RF"};
    carried.insert(carried.end(), only.begin(), only.end());
    // The stored ratio stays and its derivation runs again; the pop-up count is no setting.
    EXPECT_EQ(RunBatchLines(carried, lines).out,
              "LabelTwice\t14.00\nLabelBitRate\t0\nLabelReset\tnone 1\n\n"
              "LabelTwice\t14.00\nLabelBitRate\t9\nLabelReset\tnone 1\n\n");
}

TEST(CliBatch, JsonLinesCarryTheInputLineNumber) {
    const Outcome o = RunBatchLines({"--batch", "--json", "--only", "LabelRatio", "RF"},
                                    "\n# the ratio\n'--menu' \"Ratio To Db\" --answer 3\r\n"
                                    "--menu PopupMenuPop");
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(o.out,
              "{\"line\":3,\"LabelRatio\":\"3.00\"}\n{\"line\":4,\"LabelRatio\":\"0.00\"}\n");
}

TEST(CliBatch, AFailedLineNamesItsLineAndTheBatchGoesOn) {
    const Outcome o = RunBatchLines({"--batch", "--only", "LabelRatio", "RF"},
                                    "--menu 'Ratio To Db' --answer 20000\n"
                                    "--menu Nothing\n"
                                    "Ratio=abc\n"
                                    "--menu 'Ratio To Db' --answer\n"
                                    "'unclosed\n"
                                    "--json\n"
                                    "--menu 'Ratio To Db' --answer 4\n");
    EXPECT_EQ(o.status, kExitUsage);
    EXPECT_EQ(o.out, "LabelRatio\t10000.00\n\nLabelRatio\t4.00\n\n");
    const std::vector<std::string> expected{
        "line 1: cue: warning",
        "quorvel-cli: line 2: page \"RF\" has no menu command \"Nothing\"",
        "quorvel-cli: line 3: \"Ratio=abc\" is refused",
        "quorvel-cli: line 4: --answer needs TEXT",
        "quorvel-cli: line 5: a single quote is not closed",
        "quorvel-cli: line 6: --json has no place in a batch line",
    };
    std::istringstream err(o.err);
    std::string line;
    for (const std::string& start : expected) {
        ASSERT_TRUE(std::getline(err, line)) << start;
        EXPECT_TRUE(line.starts_with(start)) << line;
    }
    EXPECT_FALSE(std::getline(err, line)) << line;
}

TEST(CliBatch, ALineLongerThanTheLimitIsPassedOver) {
    const std::string input =
        "Ratio=" + std::string(kMaxBatchLine, '1') + "\n--menu 'Ratio To Db' --answer 6\n";
    const Outcome o = RunBatchLines({"--batch", "--only", "LabelRatio", "RF"}, input);
    EXPECT_EQ(o.status, kExitUsage);
    EXPECT_EQ(o.out, "LabelRatio\t6.00\n\n");
    EXPECT_NE(o.err.find("line 1: the line is longer than"), std::string::npos) << o.err;
}

TEST(CliBatch, CommandLinesThatCannotBeABatchAreRefused) {
    const auto refused = [](const std::vector<std::string>& args, const std::string& says) {
        const Outcome o = RunBatchLines(args, kLines);
        EXPECT_EQ(o.status, kExitUsage);
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find(says), std::string::npos) << o.err;
    };
    refused({"--batch", "RF", "--menu", "Solve"}, "actions come on standard input");
    refused({"--batch", "--settings", "x.cfg", "--save", "RF"}, "--save in a batch needs --carry");
    refused({"--carry", "RF"}, "--carry goes with --batch");
    refused({"--batch", "RF", "--only", "LabelNothing"}, "--only names \"LabelNothing\"");
    refused({"--batch", "RF", "--only", "LabelRatio,,LabelTwice"}, "names an empty label");
    // --only holds in a single run as well.
    const std::vector<std::string_view> single{"RF", "--only", "labelbitrate"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(single, out, err, kTestPage), kExitOk);
    EXPECT_EQ(out.str(), "LabelBitRate\t0\n");
}

TEST(CliBatch, SaveWithCarryWritesTheLastStateOnce) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("QuorvelII.Cfg");
    const Outcome o = RunBatchLines(
        {"--batch", "--carry", "--settings", cfg, "--save", "RF", "--only", "LabelRatio"},
        "--menu 'Ratio To Db' --answer 2\nBitRate=77\n");
    ASSERT_EQ(o.status, kExitOk) << o.err;
    EXPECT_EQ(ReadBytes(cfg),
              "[RF]\r\nRatio=2.000000000\r\nBitRate=77\r\nWord=0\r\nNonNrzCode=NO\r\n");
}

// Output that refuses to be written: the batch stops at once with exit status 1.
TEST(CliBatch, OutputThatCannotBeWrittenStopsTheBatch) {
    const std::vector<std::string_view> args{"--batch", "RF"};
    std::istringstream in(kLines);
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(RunCli(args, in, out, err, kTestPage), kExitFailed);
    EXPECT_EQ(err.str(), "quorvel-cli: cannot write the output\n");
}

// Input that arrives a line at a time, as from tail -f: before the reader is given the next
// line, the answer to the last one must already have been flushed.
class TricklingInput final : public std::streambuf {
public:
    TricklingInput(std::vector<std::string> lines, const std::ostringstream& out)
        : m_lines(std::move(lines)), m_out(out) {}

    std::vector<std::size_t> answersSeen;  // answer blocks flushed when each line was asked for

protected:
    int_type underflow() override {
        if (m_next == m_lines.size()) {
            return traits_type::eof();
        }
        answersSeen.push_back(Blocks(m_out.str()));
        m_current = m_lines[m_next++];
        setg(m_current.data(), m_current.data(), m_current.data() + m_current.size());
        return traits_type::to_int_type(m_current.front());
    }

private:
    static std::size_t Blocks(const std::string& out) {
        std::size_t blocks = 0;
        for (std::size_t at = out.find("\n\n"); at != std::string::npos;
             at = out.find("\n\n", at + 2)) {
            ++blocks;
        }
        return blocks;
    }

    std::vector<std::string> m_lines;
    const std::ostringstream& m_out;
    std::string m_current;
    std::size_t m_next = 0;
};

// Holds what is written until a flush, then passes it on to `copy`, where the input sees it.
class FlushedOutput final : public std::streambuf {
public:
    explicit FlushedOutput(std::ostringstream& copy) : m_copy(copy) {}
    int flushes = 0;

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            m_pending += traits_type::to_char_type(c);
        }
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        m_pending.append(s, static_cast<std::size_t>(n));
        return n;
    }
    int sync() override {
        m_copy << m_pending;
        m_pending.clear();
        ++flushes;
        return 0;
    }

private:
    std::ostringstream& m_copy;
    std::string m_pending;
};

// Standard input that fails after its first line, as a directory or a closed descriptor
// fails every read.
class FailingInput : public std::streambuf {
public:
    explicit FailingInput(std::string first) : m_first(std::move(first)) {
        setg(m_first.data(), m_first.data(), m_first.data() + m_first.size());
    }

protected:
    int_type underflow() override {
        throw std::ios_base::failure("read", std::error_code(EISDIR, std::generic_category()));
    }

private:
    std::string m_first;
};

// A read error is no end of input: the lines read are answered, then one line says why, the
// status is 1, and nothing is saved.
TEST(CliBatch, InputThatCannotBeReadEndsTheBatchWithStatusOne) {
    ScratchDirectory dir;
    const std::string cfg = dir.File("QuorvelII.Cfg");
    FailingInput failing("Ratio=2\n");
    std::istream in(&failing);
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> args{"--batch", "--carry", "--settings", cfg,
                                             "--save",  "RF",      "--only",     "LabelRatio"};
    EXPECT_EQ(RunCli(args, in, out, err, kTestPage), kExitFailed);
    EXPECT_EQ(out.str(), "LabelRatio\t2.00\n\n");
    EXPECT_EQ(err.str(),
              "quorvel-cli: cannot read the batch lines from standard input (Is a directory)\n");
    EXPECT_FALSE(std::filesystem::exists(cfg));
    EXPECT_EQ(in.exceptions(), std::ios::goodbit);
}

TEST(CliBatch, AnswersAreWrittenAndFlushedAsTheirLinesComeIn) {
    std::ostringstream flushed;
    FlushedOutput output(flushed);
    std::ostream out(&output);
    TricklingInput input(
        {"--menu 'Ratio To Db' --answer 2\n", "--menu PopupMenuPop\n", "--menu PopupMenuPop\n"},
        flushed);
    std::istream in(&input);
    std::ostringstream err;
    const std::vector<std::string_view> args{"--batch", "RF", "--only", "LabelRatio"};
    EXPECT_EQ(RunCli(args, in, out, err, kTestPage, true), kExitOk) << err.str();
    // Before each line was read, every earlier line's answer was out.
    EXPECT_EQ(input.answersSeen, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_GE(output.flushes, 3);
    EXPECT_EQ(flushed.str(), "LabelRatio\t2.00\n\nLabelRatio\t0.00\n\nLabelRatio\t0.00\n\n");
}

}  // namespace
}  // namespace quorvel::cli
