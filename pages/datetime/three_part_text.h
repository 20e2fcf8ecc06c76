#pragma once
// The reading shared by the Date/Time page's entry dialogs: a text of three numbers joined by
// separators, a time of day "12:34:56" or a date "02/14/2006", split into its parts.

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

struct ThreeParts {
    std::string first;   // at most 2 digits
    std::string second;  // at most 2 digits
    std::string third;   // any number of digits
};

// Splits an entered text. Only the digits and the `separators` of the text are kept, in their
// order. The first part is the digits up to the first separator, at most two; they and the one
// character after them (normally the separator) are removed. The second part is taken from what
// is left in the same way, and the third is every digit that remains up to the next separator.
// Any part may be empty ("12::3456" has an empty second part). nullopt when 5 characters or
// fewer are kept: too few for three parts.
std::optional<ThreeParts> SplitThreeParts(std::string_view text, std::string_view separators);

// The number a part holds; nullopt for an empty part, which holds none. A part of more digits
// than an int takes reads as the largest int.
std::optional<int> PartValue(std::string_view part);

}  // namespace quorvel
