#pragma once
// The display list as quorvel-cli prints it: one line per control (object name, a tab, the
// text), or one JSON object whose keys keep the display order.
//
// Page texts are 8-bit. The window reads a text that is valid UTF-8 as UTF-8 and any other
// text as Latin-1, one character a byte; the output does the same and is always UTF-8, so a
// terminal shows what the window shows.

#include <string>
#include <string_view>

#include "shell/page_model.h"

namespace quorvel::cli {

// The text as the window shows it, in UTF-8.
std::string ShownText(std::string_view text);
bool IsValidUtf8(std::string_view text);

// A JSON string literal of UTF-8 text: quotes, backslash and control characters escaped.
std::string JsonString(std::string_view utf8);

std::string DisplayLines(const DisplayList& display);
std::string DisplayJson(const DisplayList& display);

}  // namespace quorvel::cli
