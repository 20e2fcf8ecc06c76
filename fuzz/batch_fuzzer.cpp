// Feeds arbitrary input lines to quorvel-cli --batch. The first byte chooses the page (its
// low three bits) and the flags (--carry, --json); the rest is standard input. Checks,
// beyond not crashing or hanging: the exit status is 0 or 2; every answer is complete (a
// display list ended by an empty line, the empty line alone for a page that shows nothing,
// or one JSON object a line, "line" first, with increasing line numbers); and answering the
// same input twice gives the same output.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_run.h"
#include "pages/page_registry.h"

namespace {

struct Answered {
    int status;
    std::string out;
};

Answered Run(const std::vector<std::string_view>& args, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = quorvel::cli::RunCli(args, in, out, err);
    return {status, out.str()};
}

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    const int tab = choice % quorvel::kPageCount;
    const bool carry = (choice & 0x40) != 0;
    const bool json = (choice & 0x80) != 0;
    const std::string page(quorvel::PageAt(tab).identity.section);
    std::vector<std::string_view> args{"--batch", "--now", "2006-02-14T13:45:30.250"};
    if (carry) {
        args.push_back("--carry");
    }
    if (json) {
        args.push_back("--json");
    }
    args.push_back(page);
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);

    const Answered first = Run(args, input);
    Check(first.status == quorvel::cli::kExitOk || first.status == quorvel::cli::kExitUsage);
    Check(first.out.empty() || first.out.back() == '\n');
    if (json) {
        long last = 0;
        std::istringstream lines(first.out);
        std::string line;
        while (std::getline(lines, line)) {
            Check(line.starts_with("{\"line\":") && line.back() == '}');
            const long number = std::strtol(line.c_str() + 8, nullptr, 10);
            Check(number > last);
            last = number;
        }
    } else {
        // Each answer ends in an empty line; a page that shows nothing answers with it alone.
        Check(first.out.ends_with("\n\n") ||
              first.out.find_first_not_of('\n') == std::string::npos);
    }
    const Answered again = Run(args, input);
    Check(again.status == first.status && again.out == first.out);
    return 0;
}
