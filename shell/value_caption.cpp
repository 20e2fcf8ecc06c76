#include "shell/value_caption.h"

namespace quorvel {

namespace {

bool Parenthesised(std::string_view text) {
    return text.size() >= 2 && text.front() == '(' && text.back() == ')';
}

}  // namespace

std::string ValueName(const ValueCaption& caption) {
    if (caption.caption.empty()) {
        return {};
    }
    if (caption.unit.empty()) {
        return caption.caption;
    }
    if (Parenthesised(caption.unit)) {
        return caption.caption + " " + caption.unit;
    }
    return caption.caption + " (" + caption.unit + ")";
}

std::string ValuesAsText(std::span<const NamedValue> values) {
    std::string text;
    for (const NamedValue& value : values) {
        text += value.name;
        text += '\t';
        text += value.text;
        text += '\n';
    }
    return text;
}

}  // namespace quorvel
