#include "shell/log_viewer.h"

#include <unistd.h>

#include <climits>

#include "common/cues.h"
#include "common/file_access.h"
#include "diag/program_run.h"
#include "shell/child_process.h"

namespace quorvel {

namespace {

constexpr int kViewerErrorCode = 1;

}  // namespace

std::string LogViewerCommandLine(std::string_view logDirectory, std::string_view logName) {
    return std::string(logDirectory) + "\\" + std::string(logName) + ".log";
}

std::string ExecutableDirectory() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) {
        return {};
    }
    const std::string executable(path, static_cast<std::size_t>(length));
    const std::size_t slash = executable.rfind('/');
    return slash == std::string::npos ? std::string() : executable.substr(0, slash + 1);
}

bool StartLogViewer(ChildProcess& viewer, std::string_view commandLine,
                    std::string_view fallbackDirectory, Cues& cues, ProgramRun& run) {
    // The command line names the log relative to the program directory, and the viewer
    // reads it from its own current directory, which it takes from this one.
    if (!run.ProgramDirectory().empty()) {
        EnterDirectory(run.ProgramDirectory());
    }
    std::string program(kLogViewerFile);
    if (StartChildProcess(program, commandLine, true, viewer)) {
        return true;
    }
    cues.SoundError();
    run.LogLine(
        "Could Not Find " + program + ".  Looking in Debug Directory.  BUILD ERROR FOR INSTALL.",
        kViewerErrorCode);

    program = std::string(fallbackDirectory) + std::string(kLogViewerFile);
    if (StartChildProcess(program, commandLine, true, viewer)) {
        return true;
    }
    cues.SoundError();
    run.LogLine("Could Not Find Debug  " + program + ".  Cannot View Log Files", kViewerErrorCode);
    return false;
}

}  // namespace quorvel
