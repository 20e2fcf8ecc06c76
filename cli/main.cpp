// quorvel-cli: the calculator pages of QuorvelII from a shell or a script.

#include <sys/stat.h>
#include <unistd.h>

#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/cli_run.h"

namespace {

// A pipe, a socket or a terminal: someone may be waiting on each answer of a batch.
bool OutputIsInteractive() {
    struct stat info {};
    if (fstat(STDOUT_FILENO, &info) != 0) {
        return false;
    }
    return S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || isatty(STDOUT_FILENO) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        // The streams keep buffers of their own; the standard C streams are not used.
        std::ios::sync_with_stdio(false);
        std::vector<std::string_view> args;
        for (int i = 1; i < argc; ++i) {
            args.emplace_back(argv[i]);
        }
        const int status =
            quorvel::cli::RunCli(args, std::cin, std::cout, std::cerr, OutputIsInteractive());
        // A single run writes its output in one piece at the end, so a failed run prints
        // nothing; a full disk or a closed pipe is not mistaken for success.
        std::cout.flush();
        if (!std::cout) {
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
