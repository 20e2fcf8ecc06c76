#pragma once
// The INI text rules shared by IniFile and IniText, on text held in memory.
//
// Reading:
// - A line ends at CR LF, at LF or at a lone CR, so files of any of these line ends (and
//   mixed ones) read alike. The last line needs no line end. A UTF-8 byte-order mark before
//   the first line is skipped.
// - A line whose first non-blank character is "[" and which holds a "]" starts a section; its
//   name is the text between the "[" and the last "]", white space removed at both ends.
//   Anything after that "]" is ignored.
// - A line whose first non-blank character is ";" is a comment.
// - Any other line holding "=" is an entry: the key is the text before the first "=", the
//   value the text after it, both with white space removed at both ends. A value ends at a
//   NUL byte (as it would for any C reader) and is cut to its first 1023 characters.
// - Lines of no other kind (blank, no "=", before the first section) are left alone.
// - Section and key names match without regard to ASCII letter case. The first entry of the
//   key, in file order, in any section of that name answers the read.
//
// Writing replaces the value of the entry that a read would answer with, rewriting that one
// line as key "=" value CR LF (the key spelled as it is in the file); a new key goes after
// the last entry of the first section of that name (after its section line when it has
// none); a new section goes at the end of the text. A last line without a line end gets one
// before anything is added after it. Every other byte stays as it was.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::ini {

// The longest value text a read returns.
inline constexpr std::size_t kMaxValueLength = 1023;

// The value of (section, key) in `text`, or nullopt when the section or the key is absent
// (or a name is empty once trimmed).
std::optional<std::string> FindValue(std::string_view text, std::string_view section,
                                     std::string_view key);

// `text` with (section, key) set to `value`, or nullopt when the names or the value cannot be
// written without changing the meaning of the file: an empty section or key name, a CR, LF or
// NUL in any of them, an "=" in the key or a key beginning with "[" or ";".
std::optional<std::string> WithValue(std::string_view text, std::string_view section,
                                     std::string_view key, std::string_view value);

// One entry as a read finds it: its section and key names as the text spells them.
struct EntryName {
    std::string section;
    std::string key;
};

// Every entry of `text` that lies in a section, in text order (an entry of a duplicated key
// or section is listed each time it occurs).
std::vector<EntryName> EntryNames(std::string_view text);

}  // namespace quorvel::ini
