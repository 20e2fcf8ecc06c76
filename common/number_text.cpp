// The small text helpers that pages and dialogs share.
#include "common/number_text.h"

#include <algorithm>
#include <string>

namespace quorvel {

std::string YesNoText(bool value) {
    return value ? "YES" : "NO";
}

std::string PadOrCut(int width, char fill, std::string_view text) {
    if (width <= 0) {
        return {};
    }
    const auto wanted = static_cast<std::size_t>(width);
    if (text.size() < wanted) {
        std::string padded(wanted - text.size(), fill);
        padded += text;
        return padded;
    }
    return std::string(text.substr(0, wanted));
}

std::string RemoveChar(std::string_view text, char c) {
    std::string result;
    result.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(result),
                 [c](char ch) { return ch != c; });
    return result;
}

std::string StripLeading(char c, std::string_view text) {
    const auto first = text.find_first_not_of(c);
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

// An empty separator counts as not occurring.
std::string TextBefore(std::string_view text, std::string_view separator) {
    const auto at = separator.empty() ? std::string_view::npos : text.find(separator);
    return at == std::string_view::npos ? std::string() : std::string(text.substr(0, at));
}

std::string TextAfter(std::string_view text, std::string_view separator) {
    const auto at = separator.empty() ? std::string_view::npos : text.find(separator);
    return at == std::string_view::npos ? std::string()
                                        : std::string(text.substr(at + separator.size()));
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto fold = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvel
