// quorvel-cli: the calculator pages of QuorvelII from a shell or a script.

#include <cstdio>
#include <exception>
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "cli/cli_run.h"

int main(int argc, char** argv) {
    try {
        std::vector<std::string_view> args;
        for (int i = 1; i < argc; ++i) {
            args.emplace_back(argv[i]);
        }
        std::ostringstream out;
        const int status = quorvel::cli::RunCli(args, out, std::cerr);
        // The output is written in one piece at the end, so a failed run prints nothing, and
        // a full disk or a closed pipe is not mistaken for success.
        const std::string text = out.str();
        const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
        if (std::fflush(stdout) != 0 || !written) {
            std::cerr << "quorvel-cli: cannot write the output\n";
            return quorvel::cli::kExitFailed;
        }
        return status;
    } catch (const std::exception& e) {
        std::cerr << "quorvel-cli: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "quorvel-cli: unexpected failure\n";
    }
    return quorvel::cli::kExitFailed;
}
