#include "pages/pcm/frame_timing.h"

#include <algorithm>
#include <limits>

#include "common/number_text.h"

namespace quorvel {
namespace {

constexpr double kMicrosecondsPerSecond = 1e6;

// Ten characters at most, which the narrow column beside the map holds whole.
constexpr int kPrecision = kSampleFigurePrecision;

// What the three sample figures read when the data word is not sampled.
std::string Unsampled() {
    return FormatNumber(kPrecision, 0, 0);
}

}  // namespace

SampleTiming ComputeSampleTiming(const NormalisedDataWord& word) {
    const PcmInputs& in = word.inputs;
    const FrameRates rates = ComputeFrameRates(in);
    SampleTiming timing;
    timing.wordTimeUs = rates.wordRateHz > 0 ? kMicrosecondsPerSecond / rates.wordRateHz
                                             : std::numeric_limits<double>::infinity();
    const std::int64_t samples = word.updatesPerMinorFrame;
    if (samples <= 0) {
        return timing;
    }
    timing.sampled = true;
    timing.sampleRate = static_cast<double>(samples) * rates.minorFrameRateHz;
    // More than one sample a minor frame needs a positive interval (UpdatesPerMinorFrame).
    const std::int64_t interval = samples > 1 ? in.wordInterval : 0;
    std::int64_t gapWords = in.wordsPerFrame;
    if (interval > 0) {
        timing.sampleSpacingUs = static_cast<double>(interval) * timing.wordTimeUs;
        const std::int64_t first = in.wordStart;
        const std::int64_t last = first + (samples - 1) * interval;
        gapWords = std::max(interval, in.wordsPerFrame - last + first);
    }
    timing.longestGapUs = static_cast<double>(gapWords) * timing.wordTimeUs;
    return timing;
}

double WordStartTimeUs(const PcmInputs& inputs, std::int64_t minorFrame, std::int64_t word) {
    const double wordRate = ComputeFrameRates(inputs).wordRateHz;
    const double words =
        static_cast<double>(minorFrame) * inputs.wordsPerFrame + static_cast<double>(word);
    if (words == 0) {
        return 0;
    }
    return wordRate > 0 ? words * kMicrosecondsPerSecond / wordRate
                        : std::numeric_limits<double>::infinity();
}

std::array<SampleFigure, 4> SampleFigures(const SampleTiming& timing) {
    const bool sampled = timing.sampled;
    return {{
        {"LabelWordTime", "Word Time (µs)", FormatNumber(kPrecision, 3, timing.wordTimeUs)},
        {"LabelSampleRate", "Sample Rate (sps)",
         sampled ? FormatNumber(kPrecision, 2, timing.sampleRate) : Unsampled()},
        {"LabelIntervalTime", "Interval Time (µs)",
         sampled ? FormatNumber(kPrecision, 3, timing.sampleSpacingUs) : Unsampled()},
        {"LabelLongestGap", "Longest Gap (µs)",
         sampled ? FormatNumber(kPrecision, 3, timing.longestGapUs) : Unsampled()},
    }};
}

}  // namespace quorvel
