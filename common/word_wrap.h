#pragma once
// Paragraphs of help text whose words are not all known in advance (the page lists), broken
// into lines the way the fixed parts of the texts are.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The words of `text`, split at runs of spaces and line breaks.
std::vector<std::string> Words(std::string_view text);

// The words joined by single spaces, with a line break instead of a space wherever the next
// word would make the line longer than `width`; a word longer than `width` stands on a line of
// its own. Each line ends in a line break.
std::string WrapWords(std::span<const std::string> words, std::size_t width);

}  // namespace quorvel
