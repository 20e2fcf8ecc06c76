#pragma once
// Finding what a command line names among the names a page or dialog offers: the exact
// spelling first, then the one name that matches without regard to letter case.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/number_text.h"

namespace quorvel::cli {

// The name of `names` that `given` stands for, or nullopt when none (or, ignoring case, more
// than one) matches.
std::optional<std::string> MatchName(std::span<const std::string> names, std::string_view given);

// The text in double quotes for a one-line message: control characters (a line break in an
// argument) are written as \n, \r, \t or \xNN.
std::string Quoted(std::string_view text);

// The names joined by ", " for a message, cut after `limit` names with ", ...".
std::string NameList(std::span<const std::string> names, std::size_t limit = 12);

}  // namespace quorvel::cli
