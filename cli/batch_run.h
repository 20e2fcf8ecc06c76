#pragma once
// quorvel-cli --batch: many answers from one process. Each line of the input holds what would
// follow PAGE on the command line (KEY=VALUE entries, actions and answers, quoted as a shell
// quotes them) and is answered from the page as the command line loads it, or, with --carry,
// from the state the previous line left, as in one session of the window.
//
// Every answer is the display list (or, with --json, one JSON object with the input line
// number), followed by an empty line; blank lines and comment lines (#) are passed over. A
// line that fails prints one message naming its line number on the error stream, and the
// batch goes on. Lines are read and answered one at a time, so memory does not grow with
// the input, and a producer that writes slowly is answered as it writes.

#include <istream>
#include <ostream>

#include "cli/cli_args.h"
#include "cli/cli_run.h"
#include "diag/clock_source.h"

namespace quorvel::cli {

// The longest input line read; a longer one fails and is passed over.
inline constexpr std::size_t kMaxBatchLine = 1 << 20;

struct BatchStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // Flush the output after every answer (standard output is a pipe or a terminal).
    bool flushEachAnswer = false;
};

// Runs the batch of `request` on the page at `tabIndex`. kExitUsage when the command line's
// own settings or --only are wrong, or when any line failed; kExitFailed when the input could
// not be read (then nothing is saved), the output could not be written or --save failed;
// kExitOk otherwise.
int RunBatch(const Request& request, int tabIndex, ClockSource& clock, const PageFactory& makePage,
             BatchStreams streams);

}  // namespace quorvel::cli
