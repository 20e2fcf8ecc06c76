#include "pages/datetime/three_part_text.h"

#include <cstdint>

#include "common/number_text.h"

namespace quorvel {
namespace {

// The shortest kept text that is read: "1:2:3" (five characters) is refused, "01:2:3" is not.
constexpr std::size_t kShortestText = 6;
// The first and second parts hold at most this many digits.
constexpr std::size_t kShortPartLength = 2;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Takes the digits up to the next separator, at most `limit` of them, from the front of `rest`.
std::string TakePart(std::string_view& rest, std::string_view separators, std::size_t limit) {
    std::size_t length = rest.find_first_of(separators);
    if (length == std::string_view::npos) {
        length = rest.size();
    }
    if (length > limit) {
        length = limit;
    }
    std::string part(rest.substr(0, length));
    rest.remove_prefix(length);
    return part;
}

// Drops the character that follows a short part, when there is one.
void DropOne(std::string_view& rest) {
    if (!rest.empty()) {
        rest.remove_prefix(1);
    }
}

}  // namespace

std::optional<ThreeParts> SplitThreeParts(std::string_view text, std::string_view separators) {
    std::string kept;
    for (char c : text) {
        if (IsDigit(c) || separators.find(c) != std::string_view::npos) {
            kept += c;
        }
    }
    if (kept.size() < kShortestText) {
        return std::nullopt;
    }
    std::string_view rest = kept;
    ThreeParts parts;
    parts.first = TakePart(rest, separators, kShortPartLength);
    DropOne(rest);
    parts.second = TakePart(rest, separators, kShortPartLength);
    DropOne(rest);
    parts.third = TakePart(rest, separators, rest.size());
    return parts;
}

std::optional<int> PartValue(std::string_view part) {
    // ParseInt reads an empty text as 0; here it is a part left out.
    std::int32_t value = 0;
    if (part.empty() || !ParseInt(part, value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace quorvel
