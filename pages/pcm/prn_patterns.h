#pragma once
// The pseudo-random (PRN) bit patterns of bit-error-rate testing and how often one repeats.
// A pattern from a shift register of length n repeats every 2^n - 1 bits; with one error per
// cycle, its repetition rate is also the error rate ("Errors Once/Cycle").

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

struct PrnPattern {
    std::string_view name;   // menu caption and label text, "2 ^ 11"
    int registerLength = 0;  // n: the pattern repeats every 2^n - 1 bits
};

inline constexpr int kPrnPatternCount = 8;

// The patterns in menu order; a pattern's index (0..7) is its menu item's tag and its stored
// value.
inline constexpr std::array<PrnPattern, kPrnPatternCount> kPrnPatterns{{
    {"2 ^ 11", 11},
    {"2 ^ 15", 15},
    {"2 ^ 17", 17},
    {"2 ^ 19", 19},
    {"2 ^ 21", 21},
    {"2 ^ 23", 23},
    {"2 ^ 25", 25},
    {"2 ^ 27", 27},
}};

// The name of the pattern at index 0..7; "" for any other index.
std::string_view PrnPatternName(std::int32_t index);

// Complete cycles per second of the pattern at index 0..7 = bit rate (bit/s) / (2^n - 1), in
// real arithmetic: 1024000 bit/s with "2 ^ 11" gives 1024000 / 2047 = 500.24. An index outside
// 0..7 gives 0.
double PrnRepetitionRate(std::int32_t bitRate, std::int32_t patternIndex);

// Decimals the "Errors Once/Cycle" label shows a repetition rate with: 0 for a rate of 1 or
// more, 1 from 0.1, 2 below 0.1 (and for a NaN).
int RepetitionRateDecimals(double rate);
// The label text: FormatNumber with precision 12 and those decimals ("500", "0.5", "0.01").
std::string RepetitionRateText(double rate);

}  // namespace quorvel
