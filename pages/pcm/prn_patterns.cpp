#include "pages/pcm/prn_patterns.h"

#include <cmath>

#include "common/number_text.h"

namespace quorvel {
namespace {

constexpr int kRatePrecision = 12;
constexpr double kWholeRate = 1.0;
constexpr double kTenthRate = 0.1;

const PrnPattern* PatternAt(std::int32_t index) {
    if (index < 0 || index >= kPrnPatternCount) {
        return nullptr;
    }
    return &kPrnPatterns[static_cast<std::size_t>(index)];
}

}  // namespace

std::string_view PrnPatternName(std::int32_t index) {
    const PrnPattern* pattern = PatternAt(index);
    return pattern != nullptr ? pattern->name : std::string_view{};
}

double PrnRepetitionRate(std::int32_t bitRate, std::int32_t patternIndex) {
    const PrnPattern* pattern = PatternAt(patternIndex);
    if (pattern == nullptr) {
        return 0;
    }
    // 2^27 - 1 and below are exact in a double.
    const double cycleBits = std::ldexp(1.0, pattern->registerLength) - 1.0;
    return bitRate / cycleBits;
}

int RepetitionRateDecimals(double rate) {
    if (rate >= kWholeRate) {
        return 0;
    }
    if (rate >= kTenthRate) {
        return 1;
    }
    return 2;
}

std::string RepetitionRateText(double rate) {
    return FormatNumber(kRatePrecision, RepetitionRateDecimals(rate), rate);
}

}  // namespace quorvel
