// Feeds arbitrary 32-bit values to the PCM frame arithmetic, the PRN table and the PCM page's
// input rules. The first 40 bytes are the page's ten stored inputs in the order of their keys
// (a non-zero fifth value means trailing sync words); every further 5 bytes are one page
// command (a selector byte and the answer typed into its prompt), applied the way the page
// applies them. Checks, beyond terminating without a sanitizer report:
// - every function holds to its documented result for any input, in range or not;
// - the limits on load put every input inside its prompt's range (the data word inside the
//   largest frame), leave limited values alone and are not undone by a redisplay;
// - the normalisation is stable when repeated;
// - after any run of commands from limited inputs, the data word stays inside the largest
//   frame and the update counts inside what such a frame can hold.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "fuzz/fuzz_input.h"
#include "pages/pcm/pcm_frame.h"
#include "pages/pcm/pcm_inputs.h"
#include "pages/pcm/prn_patterns.h"

namespace {

using quorvel::fuzz::Check;
using quorvel::fuzz::Take;

using namespace quorvel;

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::size_t kMaxCommands = 64;

bool Same(const PcmInputs& a, const PcmInputs& b) {
    return a.bitRate == b.bitRate && a.bitsPerWord == b.bitsPerWord &&
           a.wordsPerFrame == b.wordsPerFrame &&
           a.minorFramesPerMajorFrame == b.minorFramesPerMajorFrame && a.fspWords == b.fspWords &&
           a.fspTrails == b.fspTrails && a.wordStart == b.wordStart && a.wordStop == b.wordStop &&
           a.wordInterval == b.wordInterval && a.prnPattern == b.prnPattern;
}

bool Within(std::int32_t value, const IntPromptBounds& b) {
    return value >= std::min(b.low, b.high) && value <= std::max(b.low, b.high);
}

std::int32_t Clamp(std::int32_t value, const IntPromptBounds& b) {
    return std::clamp(value, std::min(b.low, b.high), std::max(b.low, b.high));
}

// The documented results of the frame functions, for any inputs.
void CheckFrameFunctions(const PcmInputs& in) {
    const DataWordSpan span = DataWordRange(in.fspWords, in.fspTrails, in.wordsPerFrame);
    // Saturated ends may meet (-2147483648 for both) where the exact ones do not.
    Check(span.holdsDataWord ? span.first <= span.last : span.first >= span.last);
    Check(span.holdsDataWord == (in.wordsPerFrame > in.fspWords));

    std::int32_t index = in.wordStart;
    ClampDataWordIndex(index, in.fspWords, in.fspTrails, in.wordsPerFrame);
    if (!span.holdsDataWord) {
        Check(index == 0);
    } else if (in.fspTrails) {
        Check(static_cast<std::int64_t>(index) < std::int64_t{in.wordsPerFrame} - in.fspWords);
    } else {
        Check(index >= in.fspWords);
    }

    const std::int32_t stop =
        LastUpdateWord(in.wordStart, in.wordInterval, in.fspWords, in.wordsPerFrame, in.fspTrails);
    const std::int64_t end =
        std::min<std::int64_t>(in.fspTrails ? std::int64_t{in.wordsPerFrame} - in.fspWords - 1
                                            : std::int64_t{in.wordsPerFrame} - 1,
                               kInt32Max);
    if (in.wordInterval <= 0 || in.wordStart > end) {
        Check(stop == in.wordStart);
    } else {
        Check(stop >= in.wordStart && stop <= end);
        Check((std::int64_t{stop} - in.wordStart) % in.wordInterval == 0);
        Check(std::int64_t{stop} + in.wordInterval > end);
    }

    const std::int32_t updates = UpdatesPerMinorFrame(in.wordStart, in.wordStop, in.wordInterval,
                                                      in.wordsPerFrame, in.fspTrails, in.fspWords);
    Check(updates >= 0);
    if (!span.holdsDataWord || in.wordStart > in.wordStop) {
        Check(updates == 0);
    }

    const FrameRates rates = ComputeFrameRates(in);
    Check(std::isfinite(rates.wordRateHz) && std::isfinite(rates.minorFrameRateHz) &&
          std::isfinite(rates.majorFrameRateHz));
    Check(rates.numDataWords == SaturateToInt32(std::int64_t{in.wordsPerFrame} - in.fspWords));
}

void CheckPrn(const PcmInputs& in) {
    const bool known = in.prnPattern >= 0 && in.prnPattern < kPrnPatternCount;
    Check(PrnPatternName(in.prnPattern).empty() != known);
    const double rate = PrnRepetitionRate(in.bitRate, in.prnPattern);
    Check(std::isfinite(rate));
    Check(known || rate == 0);
    const std::string text = RepetitionRateText(rate);
    Check(!text.empty() && text.size() <= 12);
}

void CheckPromptBounds(const PcmInputs& in) {
    const DataWordSpan span = DataWordRange(in.fspWords, in.fspTrails, in.wordsPerFrame);
    const std::optional<IntPromptBounds> start = WordStartPromptBounds(in);
    Check(start.has_value() == span.holdsDataWord);
    if (start) {
        Check(start->low <= start->high);
    }
    const IntPromptBounds interval = WordIntervalPromptBounds(in);
    Check(interval.low == 0 && interval.high >= 0);
    (void)WordStopPromptBounds(in);
}

NormalisedDataWord CheckNormalisation(const PcmInputs& in) {
    const NormalisedDataWord once = NormaliseDataWord(in);
    Check(once.updatesPerMinorFrame >= 0);
    Check(once.inputs.wordStop >= once.inputs.wordStart);
    Check(once.inputs.wordInterval >= 0);
    const NormalisedDataWord twice = NormaliseDataWord(once.inputs);
    Check(Same(once.inputs, twice.inputs));
    Check(once.updatesPerMinorFrame == twice.updatesPerMinorFrame);
    Check(once.updatesPerMajorFrame == twice.updatesPerMajorFrame);
    return once;
}

// A frame the page can reach holds at most 16384 words, sampled in at most 8192 minor frames.
void CheckReachable(const NormalisedDataWord& shown) {
    const PcmInputs& in = shown.inputs;
    Check(in.wordStart >= 0 && in.wordStart < kWordsPerFrameBounds.high);
    Check(in.wordStop >= 0 && in.wordStop < kWordsPerFrameBounds.high);
    Check(in.wordInterval >= 0 && in.wordInterval <= kWordsPerFrameBounds.high);
    Check(shown.updatesPerMinorFrame <= kWordsPerFrameBounds.high);
    Check(shown.updatesPerMajorFrame == shown.updatesPerMinorFrame * in.minorFramesPerMajorFrame);
}

// One popup-menu command of the page with `answer` typed into its prompt (clamped as the
// prompt clamps it), including the stop the page recomputes afterwards.
void RunCommand(PcmInputs& in, std::uint8_t selector, std::int32_t answer) {
    switch (selector % 11) {
        case 0:
            in.bitRate = Clamp(answer, kBitRateBounds);
            break;
        case 1:
            in.bitsPerWord = Clamp(answer, kBitsPerWordBounds);
            break;
        case 2: {
            std::int32_t wpf = Clamp(answer, kWordsPerFrameBounds);
            if (wpf % 2 != 0) {
                ++wpf;
            }
            in.wordsPerFrame = wpf;
            in.wordStop = LastUpdateWord(in);
            break;
        }
        case 3:
            in.minorFramesPerMajorFrame = Clamp(answer, kMinorFramesBounds);
            break;
        case 4:
            in.fspWords = Clamp(answer, kFspWordsBounds);
            in.wordStop = LastUpdateWord(in);
            break;
        case 5:
        case 6:
            in.fspTrails = selector % 11 == 6;
            in.wordStop = LastUpdateWord(in);
            break;
        case 7:
            if (const auto bounds = WordStartPromptBounds(in)) {
                in.wordStart = Clamp(answer, *bounds) - 1;
                in.wordStop = LastUpdateWord(in);
            }
            break;
        case 8:
            in.wordInterval = Clamp(answer, WordIntervalPromptBounds(in));
            in.wordStop = LastUpdateWord(in);
            break;
        case 9:
            in.wordStop = Clamp(answer, WordStopPromptBounds(in)) - 1;
            break;
        default:
            in.prnPattern =
                static_cast<std::int32_t>(static_cast<std::uint32_t>(answer) % kPrnPatternCount);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PcmInputs stored;
    stored.bitRate = Take<std::int32_t>(data, size);
    stored.bitsPerWord = Take<std::int32_t>(data, size);
    stored.wordsPerFrame = Take<std::int32_t>(data, size);
    stored.minorFramesPerMajorFrame = Take<std::int32_t>(data, size);
    stored.fspWords = Take<std::int32_t>(data, size);
    stored.fspTrails = Take<std::int32_t>(data, size) != 0;
    stored.wordStart = Take<std::int32_t>(data, size);
    stored.wordStop = Take<std::int32_t>(data, size);
    stored.wordInterval = Take<std::int32_t>(data, size);
    stored.prnPattern = Take<std::int32_t>(data, size);

    // Every function on the values as they stand.
    CheckFrameFunctions(stored);
    CheckPrn(stored);
    CheckPromptBounds(stored);
    (void)CheckNormalisation(stored);

    // The settings reader's limits.
    PcmInputs in = stored;
    LimitStoredInputs(in);
    Check(Within(in.bitRate, kBitRateBounds) && Within(in.bitsPerWord, kBitsPerWordBounds) &&
          Within(in.wordsPerFrame, kWordsPerFrameBounds) &&
          Within(in.minorFramesPerMajorFrame, kMinorFramesBounds) &&
          Within(in.fspWords, kFspWordsBounds) && Within(in.prnPattern, kPrnPatternBounds));
    // The data word within the largest frame's words; its place in this frame is the
    // redisplay's.
    const IntPromptBounds words{0, kWordsPerFrameBounds.high - 1};
    Check(Within(in.wordStart, words) && Within(in.wordStop, words) &&
          Within(in.wordInterval, words));
    if (Within(stored.wordsPerFrame, kWordsPerFrameBounds)) {
        Check(in.wordsPerFrame == stored.wordsPerFrame);
    }
    PcmInputs again = in;
    LimitStoredInputs(again);
    Check(Same(again, in));

    // The first redisplay, then the page's commands, each followed by a redisplay.
    NormalisedDataWord shown = CheckNormalisation(in);
    CheckReachable(shown);
    PcmInputs saved = shown.inputs;
    LimitStoredInputs(saved);
    Check(Same(saved, shown.inputs));

    in = shown.inputs;
    for (std::size_t n = 0; n < kMaxCommands && size > 0; ++n) {
        const auto selector = Take<std::uint8_t>(data, size);
        const auto answer = Take<std::int32_t>(data, size);
        RunCommand(in, selector, answer);
        CheckFrameFunctions(in);
        CheckPrn(in);
        CheckPromptBounds(in);
        shown = CheckNormalisation(in);
        CheckReachable(shown);
        in = shown.inputs;
    }
    return 0;
}
