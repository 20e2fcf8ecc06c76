#pragma once
// One run of the program: the program directory, the error log, the speaker, the driver
// state and the shutting-down flag, which the rest of the program reaches through this object
// rather than through globals. The window makes one; tests make one per case in a scratch
// directory with a fake clock and a recording port backend.
//
// StartRecord opens a run (program directory, empty log, start lines, driver check and
// installation attempt, driver version line, speaker); EndRecord closes it (speaker released,
// end line, log closed). LogLine writes to the log only between the two.
//
// The program directory is held open for the whole run, and the log is reached from it (see
// LogFileName). A working directory that cannot be had (deleted before the start) leaves
// the run without a program directory: it says so on the error stream and writes no file.

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "common/cues.h"
#include "common/folder.h"
#include "diag/clock_source.h"

namespace quorvel {

class Cerrorlog;
class speakerclass;
class PortBackend;
struct DriverState;

// Makes the port backend for a new speaker's port access.
using PortBackendFactory = std::function<std::unique_ptr<PortBackend>()>;

struct ProgramRunOptions {
    ClockSource* clock = nullptr;         // nullptr: the system clock
    PortBackendFactory portBackend;       // empty: the platform's backends, first that works
    std::ostream* platformOut = nullptr;  // the driver installer's platform lines; nullptr: stdout
    // A refused error-log file, a missing program directory and the reports that no log
    // could take go here; nullptr: stderr.
    std::ostream* errorOut = nullptr;
};

class ProgramRun final : public Cues {
public:
    explicit ProgramRun(ProgramRunOptions options = {});
    ~ProgramRun() override;
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    void StartRecord(std::string_view version, std::string_view programWord,
                     std::string_view logDirectory, std::string_view logName);
    void EndRecord();

    // Makes the program directory current, then writes one log line when the log is open.
    // True when the line is in the log.
    bool LogLine(std::string_view text, int code);
    // Writes the line to the log, or where the log cannot take it (no log, or its file
    // refused) to the error stream, after the program word. True when it went to the log.
    bool Report(std::string_view text, int code);

    // The working directory at the moment StartRecord ran ("" before, and when it could not
    // be had).
    const std::string& ProgramDirectory() const;
    // The program directory held open (not open before StartRecord, and when the working
    // directory could not be had).
    const Folder& ProgramFolder() const;
    bool ShuttingDown() const;
    void SetShuttingDown(bool shuttingDown);

    void CreateSpeaker();
    void DestroySpeaker();
    void SoundClick() override;
    void SoundWarning() override;
    void SoundError() override;

    ClockSource& Clock();
    DriverState& Driver();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

}  // namespace quorvel
