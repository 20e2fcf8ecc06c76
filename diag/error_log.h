#pragma once
// The error log: one plain-text file, one stamped line per event:
//   "%06d" code, two spaces, "%03d:%02d:%02d:%09.6f" time of year (day:hour:minute:seconds),
//   two spaces, the text, any clock notes, a line feed.
// The file is emptied when the log is made and is open only while a line is written, so the
// log viewer can read it at any time. A line that cannot be written is lost; nothing else is.
//
// The log is never written through a link, nor into anything that is not a regular file, nor
// into a file that has other names (hard links): a link planted at its name (in a directory
// others may write to) would otherwise let the program empty or extend any file it may
// write. Such a name is refused (as is a name longer than 255 characters), and the refusal is
// reported once on the refusal stream, since the log itself cannot take it. A log file with other
// names found at the start is not emptied: a new empty file takes its name, and the other names
// keep what they hold.

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "common/folder.h"
#include "diag/clock_source.h"
#include "diag/timer.h"

namespace quorvel {

class Cerrorlog {
public:
    // Creates (or empties) the file; "ErrorLog.Log" in the current directory when the name is
    // empty. Refusals go to `refusals` (nullptr: the standard error stream).
    explicit Cerrorlog(FileAt file, ClockSource& clock = SystemClock(),
                       std::ostream* refusals = nullptr);
    ~Cerrorlog();
    Cerrorlog(const Cerrorlog&) = delete;
    Cerrorlog& operator=(const Cerrorlog&) = delete;

    // Appends one line stamped with the clock's time of year. A write that starts while
    // another is in progress is dropped. True when the line is in the file.
    bool Write(std::string_view text, int code);
    // Closes the file if it is open.
    void Close();
    const std::string& FileName() const { return m_fileName; }

private:
    // Reports, the first time only, that the file name was refused and why.
    void ReportRefusal(std::string_view why);

    ClockSource& m_clockSource;
    std::ostream& m_refusals;
    bool m_refusalReported = false;
    bool m_busy = false;
    std::unique_ptr<Ctimerclass> m_clock;
    FileAt m_file;
    std::string m_fileName;
};

}  // namespace quorvel
