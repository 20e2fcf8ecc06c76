#pragma once
// A stand-in for the log viewer in tests that start it as a process: a shell script that
// reports how it was started into a file beside itself, then waits until it is ended. Header
// only, so that the library tests and the Qt tests can both use it.
//
//   WriteFakeViewer(dir + "/LogBrowse.exe");
//   ... start it ...
//   const FakeViewerReport report = WaitForReport(dir + "/LogBrowse.exe");

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

namespace quorvel::testing {

// A descriptor number the tests open (without close-on-exec) to see that a child does not
// inherit it.
inline constexpr int kMarkerDescriptor = 47;

// What a fake viewer found about itself.
struct FakeViewerReport {
    long pid = 0;
    int argumentCount = 0;
    std::string firstArgument;
    std::string workingDirectory;
    std::string input;        // what its standard input is ("/dev/null")
    bool markerOpen = false;  // whether kMarkerDescriptor was open in it
};

// Writes the fake viewer as an executable script at `path`. It writes its report to
// path + ".report" (as the path it was started by, so relative to its working directory) and
// then becomes a `sleep`, keeping its process id. With `ignoreTerm` it ignores SIGTERM, so
// only SIGKILL ends it.
inline void WriteFakeViewer(const std::string& path, bool ignoreTerm = false) {
    {
        std::ofstream script(path, std::ios::trunc);
        script << "#!/bin/sh\n";
        if (ignoreTerm) {
            script << "trap '' TERM\n";
        }
        script << "report=\"$0.report\"\n"
                  "{\n"
                  "  echo \"$$\"\n"
                  "  echo \"$#\"\n"
                  "  printf '%s\\n' \"$1\"\n"
                  "  pwd\n"
                  "  readlink /proc/$$/fd/0\n"
                  "  if [ -e /proc/$$/fd/"
               << kMarkerDescriptor
               << " ]; then echo open; else echo closed; fi\n"
                  "} > \"$report.tmp\"\n"
                  "mv \"$report.tmp\" \"$report\"\n"
                  "exec sleep 300\n";
    }
    ::chmod(path.c_str(), 0755);
}

// Waits until the fake viewer started as `path` has written its report, and reads it. A
// viewer at idle priority may get little time on a busy machine, so the wait is long; it ends
// as soon as the report is there. nullopt when none came.
inline std::optional<FakeViewerReport> WaitForReport(
    const std::string& path, std::chrono::seconds limit = std::chrono::seconds(60)) {
    const std::string reportPath = path + ".report";
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(reportPath);
        if (in) {
            FakeViewerReport report;
            std::string line;
            std::getline(in, line);
            report.pid = std::stol(line);
            std::getline(in, line);
            report.argumentCount = std::stoi(line);
            std::getline(in, report.firstArgument);
            std::getline(in, report.workingDirectory);
            std::getline(in, report.input);
            std::getline(in, line);
            report.markerOpen = line == "open";
            return report;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

// True when no process with this id exists any more, not even as a zombie waiting to be
// reaped (signal 0 reaches a zombie, so a child that was not reaped still counts as there).
inline bool ProcessGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// True when `pid` is no child of this process that could still be waited for.
inline bool NotOurChild(pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, WNOHANG) < 0 && errno == ECHILD;
}

}  // namespace quorvel::testing
