#pragma once
// How a page's values are named for the clipboard and for screen readers, and the page as
// text. A value is named by its caption with its unit in parentheses after it ("Wave Length
// (mm)"); the page's text is one line per value: that name, a tab, and the exact text the
// page shows ("dBm<TAB>33.01").

#include <span>
#include <string>
#include <string_view>

namespace quorvel {

// What stands beside a value: its caption ("Wave Length") and its unit ("mm"), either empty
// when there is none.
struct ValueCaption {
    std::string caption;
    std::string unit;

    bool operator==(const ValueCaption&) const = default;
};

// "caption (unit)", or the caption alone without a unit. A unit that already stands in
// parentheses ("(16)") keeps its own. Empty when the caption is empty: a unit alone does
// not say which value it belongs to.
std::string ValueName(const ValueCaption& caption);

// One value of the page's text.
struct NamedValue {
    std::string name;
    std::string text;
};

// One line per value, "name<TAB>text", each ended by a line feed; "" for no values.
std::string ValuesAsText(std::span<const NamedValue> values);

}  // namespace quorvel
