#include "diag/error_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

#include "common/calendar.h"
#include "common/whole_file.h"

namespace quorvel {

namespace {

constexpr std::string_view kDefaultFileName = "ErrorLog.Log";
// The longest file name the log takes. A longer one is refused rather than cut: a cut name
// would empty, and then write to, some other file.
constexpr std::size_t kMaxFileNameLength = 255;
// The longest line, line feed included. A longer text is cut to fit.
constexpr std::size_t kLineBufferLength = 8183;
// The clock reads beyond its 367 days: re-anchored on the calendar.
constexpr std::string_view kReanchorNote = "  >>>> HAD TO REINIT ErrorLog TIMER";
// The clock reads 0: replaced by a new one.
constexpr std::string_view kNewClockNote = "  >>>> HAD TO USE THE CPU TIME";
constexpr double kSmallestStamp = 1e-6;

// printf's "%0<width>d": zero-padded to `width` characters, the sign counted in the width
// (-5 with width 6 is "-00005").
void AppendZeroPadded(std::string& out, long long value, int width) {
    char digits[24];
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const int length = static_cast<int>(end - digits) + (value < 0 ? 1 : 0);
    if (value < 0) {
        out += '-';
    }
    if (length < width) {
        out.append(static_cast<std::size_t>(width - length), '0');
    }
    out.append(digits, end);
}

// printf's "%09.6f" for the seconds of a stamp (0 <= seconds <= 60), without the locale's
// decimal separator.
void AppendStampSeconds(std::string& out, double seconds) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed, 6).ptr;
    const auto length = static_cast<std::size_t>(end - text);
    if (length < 9) {
        out.append(9 - length, '0');
    }
    out.append(text, end);
}

// "code  DDD:HH:MM:SS.ssssss  text notes\n", the text cut so that the line keeps within the
// line buffer.
std::string ComposeLine(int code, double timeOfYear, std::string_view text,
                        std::string_view notes) {
    const TimeParts stamp = SplitSeconds(timeOfYear);
    std::string line;
    line.reserve(64 + text.size() + notes.size());
    AppendZeroPadded(line, code, 6);
    line += "  ";
    AppendZeroPadded(line, stamp.days, 3);
    line += ':';
    AppendZeroPadded(line, stamp.hours, 2);
    line += ':';
    AppendZeroPadded(line, stamp.minutes, 2);
    line += ':';
    AppendStampSeconds(line, stamp.seconds);
    line += "  ";
    const std::size_t room = kLineBufferLength - line.size() - notes.size() - 1;
    line += text.substr(0, room);
    line += notes;
    line += '\n';
    return line;
}

// Why a name gives a log without a file (every line lost): longer than 255 characters, or
// with a NUL in it; "" for a usable name.
std::string NameRefusal(const std::string& name) {
    if (name.size() > kMaxFileNameLength) {
        return "its path is longer than " + std::to_string(kMaxFileNameLength) + " characters";
    }
    return name.find('\0') == std::string::npos ? std::string() : "its path holds a NUL byte";
}

// Holds the busy flag for one write, and clears it however the write ends.
class BusyHold {
public:
    explicit BusyHold(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyHold() { m_busy = false; }
    BusyHold(const BusyHold&) = delete;
    BusyHold& operator=(const BusyHold&) = delete;

private:
    bool& m_busy;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Why the name is no file the log may write, or "" when it may be one (missing, or a regular
// file).
std::string RefusalReason(const FileAt& file) {
    struct stat info {};
    if (::fstatat(file.DirectoryFd(), file.Name().c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        S_ISREG(info.st_mode)) {
        return {};
    }
    return S_ISLNK(info.st_mode) ? "it is a symbolic link" : "it is not a regular file";
}

constexpr std::string_view kOtherNames = "it has other names (hard links)";

// Opens the log file for writing, creating it when missing, but never through a link and
// never anything but a regular file (a pipe would also block the open without O_NONBLOCK).
// -1 when it cannot be opened; `refusal` then says why when the name was refused. A file
// with other names is opened only when `otherNames` is given, which then tells so.
int OpenLogFile(const FileAt& file, int extraFlags, std::string& refusal,
                bool* otherNames = nullptr) {
    const int fd =
        ::openat(file.DirectoryFd(), file.Name().c_str(),
                 O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW | extraFlags, 0666);
    if (fd < 0) {
        refusal = RefusalReason(file);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        refusal = "it is not a regular file";
        return -1;
    }
    if (info.st_nlink > 1) {
        if (otherNames == nullptr) {
            ::close(fd);
            refusal = kOtherNames;
            return -1;
        }
        *otherNames = true;
    }
    return fd;
}

// Appends one line to the open file (Write opens and closes it around each line, so that
// another program can read it between lines). Writes go straight to the system, so there is
// nothing left to flush at the close. A line that does not go in whole is taken out again,
// so that the next line does not run on from half a line.
bool AppendToFile(int fd, std::string_view line) {
    struct stat before {};
    const bool sized = ::fstat(fd, &before) == 0;
    if (WriteAll(fd, line)) {
        return true;
    }
    if (sized) {
        // Nothing more can be done when this fails as well; the line is lost either way.
        [[maybe_unused]] const int ignored = ::ftruncate(fd, before.st_size);
    }
    return false;
}

}  // namespace

Cerrorlog::Cerrorlog(FileAt file, ClockSource& clock, std::ostream* refusals)
    : m_clockSource(clock),
      m_refusals(refusals != nullptr ? *refusals : std::cerr),
      m_clock(std::make_unique<Ctimerclass>(clock)),
      m_file(file.Name().empty() ? FileAt(std::string(kDefaultFileName)) : std::move(file)),
      m_fileName(m_file.Shown()) {
    m_clock->Anchor();
    if (const std::string refusal = NameRefusal(m_fileName); !refusal.empty()) {
        ReportRefusal(refusal);
        return;
    }
    // Emptied only once it is known to be a regular file of its own name.
    std::string refusal;
    bool otherNames = false;
    const int fd = OpenLogFile(m_file, 0, refusal, &otherNames);
    if (fd < 0) {
        if (!refusal.empty()) {
            ReportRefusal(refusal);
        }
        return;
    }
    if (!otherNames) {
        [[maybe_unused]] const int emptied = ::ftruncate(fd, 0);
        ::close(fd);
        return;
    }
    // The other names would be emptied too: a new empty file takes this name instead.
    ::close(fd);
    std::string error;
    if (!ReplaceFileAtomically(m_file, "", nullptr, error)) {
        ReportRefusal(std::string(kOtherNames) + ", and no new file could take its name (" + error +
                      ")");
    }
}

Cerrorlog::~Cerrorlog() = default;

bool Cerrorlog::Write(std::string_view text, int code) {
    if (m_busy) {
        return false;
    }
    const BusyHold hold(m_busy);
    std::string notes;
    double t = m_clock->Now();
    if (t > kTimeOfYearLimit) {
        m_clock->Anchor();
        t = m_clock->Now();
        notes += kReanchorNote;
    }
    if (t < kSmallestStamp) {
        m_clock = std::make_unique<Ctimerclass>(m_clockSource);
        m_clock->Anchor();
        t = m_clock->Now();
        notes += kNewClockNote;
    }
    if (!NameRefusal(m_fileName).empty()) {
        return false;
    }
    std::string refusal;
    const int fd = OpenLogFile(m_file, O_APPEND, refusal);
    if (fd < 0) {
        if (!refusal.empty()) {
            ReportRefusal(refusal);
        }
        return false;
    }
    const bool written = AppendToFile(fd, ComposeLine(code, t, text, notes));
    ::close(fd);
    return written;
}

void Cerrorlog::ReportRefusal(std::string_view why) {
    if (m_refusalReported) {
        return;
    }
    m_refusalReported = true;
    m_refusals << "Error log " << m_fileName << " refused: " << why << "; its lines are not written"
               << std::endl;
}

void Cerrorlog::Close() {
    // The file is open only inside Write, which always closes it again.
}

}  // namespace quorvel
