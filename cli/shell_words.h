#pragma once
// A line split into words as a POSIX shell splits a simple command, without running one:
// blanks (spaces and tabs) separate words; a backslash outside quotes keeps the next
// character as it stands; single quotes keep everything up to the next single quote; double
// quotes keep everything up to the next unescaped double quote, a backslash in them keeping
// only a following $, `, " or backslash; an unquoted # that begins a word starts a comment
// to the end of the line. Nothing is expanded: $, `, *, ~ and the rest are plain characters.

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::cli {

// The words of `line` in order (an empty list for a blank or comment line). False, with a
// message, for an unclosed quote or a backslash at the very end.
bool SplitShellWords(std::string_view line, std::vector<std::string>& words, std::string& error);

}  // namespace quorvel::cli
