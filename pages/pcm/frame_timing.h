#pragma once
// The timing of the data word's samples, beside the frame map: how long a word lasts, how
// often the data word is sampled and how long it waits between samples. Every figure follows
// from the page's frame and its normalised data word (pcm_inputs.h).
//
// A data word is sampled at start, start + interval, ... (updates per minor frame positions)
// in every minor frame alike, so the samples repeat with the minor frame: the longest wait is
// either the interval inside the minor frame or the wrap from the last sample of one minor
// frame to the first of the next, wpf - last + first words.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "pages/pcm/pcm_inputs.h"

namespace quorvel {

struct SampleTiming {
    // 1e6 / word rate (µs); infinite when no whole word is sent a second (word rate 0).
    double wordTimeUs = 0;
    // Updates per minor frame x minor frame rate (samples/s).
    double sampleRate = 0;
    // Interval x word time (µs): the spacing of the samples inside a minor frame; 0 with one
    // sample a minor frame.
    double sampleSpacingUs = 0;
    // The longest time between two consecutive samples, across the end of the minor frame
    // included (µs): the larger of the interval and wpf - last sample + first sample words,
    // one whole minor frame with one sample a minor frame.
    double longestGapUs = 0;
    // Whether the data word is sampled at all; without a sample the three sample figures
    // are 0.
    bool sampled = false;
};

// The timing of `word`, a data word as NormaliseDataWord leaves it.
SampleTiming ComputeSampleTiming(const NormalisedDataWord& word);

// The position of a word from the start of the major frame (µs): (minor frame x wpf + word)
// x word time, both 0-based.
double WordStartTimeUs(const PcmInputs& inputs, std::int64_t minorFrame, std::int64_t word);

// One figure as the page shows it: its label's object name, its caption and unit, and its
// text.
struct SampleFigure {
    std::string_view name;
    std::string_view caption;
    std::string text;
};

// The most characters a figure's text has: FormatNumber's precision for every figure.
inline constexpr int kSampleFigurePrecision = 10;

// The four figures in the order the page shows them: "Word Time (µs)" (LabelWordTime),
// "Sample Rate (sps)" (LabelSampleRate), "Interval Time (µs)" (LabelIntervalTime, the
// spacing of the samples inside a minor frame) and "Longest Gap (µs)" (LabelLongestGap).
// Times take FormatNumber (10, 3), the rate (10, 2); without a sample the three sample
// figures read "0".
std::array<SampleFigure, 4> SampleFigures(const SampleTiming& timing);

}  // namespace quorvel
