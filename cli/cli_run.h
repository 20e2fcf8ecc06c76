#pragma once
// One run of quorvel-cli: the command line read, the page made, loaded and driven, and its
// display list written. The program's main hands in the real streams and the page catalogue;
// tests hand in string streams and pages of their own.

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string_view>

#include "diag/clock_source.h"
#include "shell/page_model.h"

namespace quorvel::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
// The request was well formed but could not be carried out (the settings file could not be
// backed up or written, the output could not be written).
inline constexpr int kExitFailed = 1;
// The command line was wrong: an unknown page, key, command, control or dialog box, a value
// the key's typed read refuses, answers that do not fit the command's prompts, a settings
// file that cannot be read.
inline constexpr int kExitUsage = 2;

using PageFactory = std::function<std::unique_ptr<PageModel>(int tabIndex, ClockSource& clock)>;

// Runs the command line `args` (without the program name). Output goes to `out` only when the
// run succeeds, all at once at the end; cues, messages, warnings and the one-line error
// message go to `err`. A batch (--batch) reads its lines from `in` and writes each answer as
// it comes, flushing `out` after each when `flushEachAnswer`.
int RunCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err, const PageFactory& makePage, bool flushEachAnswer = false);
int RunCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err, bool flushEachAnswer = false);
// The same without input: a batch reads no lines.
int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
           const PageFactory& makePage);
int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
