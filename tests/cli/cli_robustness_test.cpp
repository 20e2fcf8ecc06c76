// Whatever the arguments, quorvel-cli ends with one of its exit statuses: output only on
// success, and a last error line saying what was wrong otherwise. Command lines are drawn
// from a pool of tokens that are each valid somewhere, so that most of them get past the
// first check and reach the page, the settings and the scripted answers.

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "cli/cli_test_page.h"
#include "support/scratch_directory.h"

namespace quorvel::cli {
namespace {

std::vector<std::string> TokenPool(const std::string& settings) {
    return {"RF",
            "rf",
            "Number",
            "Pcm Data",
            "WG 84",
            "Ratio=2",
            "Ratio=x",
            "BitRate=7",
            "NonNrzCode=YES",
            "Word=-1",
            "=",
            "Ratio=",
            "--menu",
            "Ratio To Db",
            "Two Prompts",
            "Solve",
            "Notice",
            "Bit Rate",
            "-",
            "--answer",
            "20000",
            "abc",
            "",
            "--ok",
            "--cancel",
            "--type",
            "EditA=1",
            "EditB=e",
            "EditC=2",
            "--check",
            "CheckBoxNonNrzlCode=YES",
            "--edit",
            "EditText=\"",
            "--choose",
            "ComboBox1=2",
            "ComboBox1=9",
            "--click",
            "ButtonReset",
            "--settings",
            settings,
            "--save",
            "--json",
            "--now",
            "2006-02-14T12:00:00.000",
            "--verbose",
            "--list",
            "--keys",
            "--commands",
            "--",
            "--help",
            "-x",
            "--menu=Solve",
            "--answer=0x1F",
            "\xB0\xFF",
            "EditText=\n"};
}

void CheckOutcome(const std::vector<std::string>& args, int status, const std::string& out,
                  const std::string& err) {
    std::string line;
    for (const std::string& arg : args) {
        line += " [" + arg + "]";
    }
    ASSERT_TRUE(status == kExitOk || status == kExitFailed || status == kExitUsage)
        << status << " for" << line;
    if (status == kExitOk) {
        return;
    }
    EXPECT_EQ(out, "") << "output despite status " << status << " for" << line;
    const std::size_t last = err.rfind('\n', err.size() - 2);
    const std::string lastLine = err.substr(last == std::string::npos ? 0 : last + 1);
    EXPECT_TRUE(lastLine.starts_with("quorvel-cli: ")) << err << " for" << line;
}

TEST(CliRobustness, AnyCommandLineEndsWithAnExitStatusAndAMessage) {
    quorvel::testing::ScratchDirectory dir;
    const std::string settings = dir.File("QuorvelII.Cfg");
    const std::vector<std::string> pool = TokenPool(settings);
    std::mt19937 random(20061214);
    std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
    std::uniform_int_distribution<int> length(0, 9);

    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> args;
        const int count = length(random);
        for (int i = 0; i < count; ++i) {
            args.push_back(pool[pick(random)]);
        }
        const std::vector<std::string_view> views(args.begin(), args.end());
        std::ostringstream out;
        std::ostringstream err;
        // Every other round runs the real catalogue, the others the test page.
        int status = 0;
        if (round % 2 == 0) {
            status = RunCli(views, out, err);
        } else {
            status = RunCli(views, out, err, [](int, ClockSource& clock) {
                return std::make_unique<quorvel::testing::CliTestPage>(clock);
            });
        }
        CheckOutcome(args, status, out.str(), err.str());
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
}

}  // namespace
}  // namespace quorvel::cli
