#pragma once
// The inputs of the PCM Data page and what the page does with them apart from its window: the
// bounds of its prompts, the limits applied to stored values when the settings are read, the
// normalisation of the data word on every redisplay, and the frame rates.

#include <cstdint>
#include <optional>

namespace quorvel {

// The page's ten inputs with their creation defaults, in the order of their settings keys.
struct PcmInputs {
    std::int32_t bitRate = 1024000;              // "Bitrate", bit/s
    std::int32_t bitsPerWord = 16;               // "Cwl"
    std::int32_t wordsPerFrame = 128;            // "Wpf", words per minor frame, FSP included
    std::int32_t minorFramesPerMajorFrame = 16;  // "Numsf"
    std::int32_t fspWords = 3;                   // "NumFspWords"
    bool fspTrails = false;                      // "FspTrails"; false: the FSP words lead
    std::int32_t wordStart = 2;                  // "DwdWordStart", 0-based
    std::int32_t wordStop = 2;                   // "DwdWordStop", 0-based
    std::int32_t wordInterval = 0;               // "DwdWordInterval", 0: one sample a frame
    std::int32_t prnPattern = 0;                 // "PrnPat", index into kPrnPatterns
};

// The closed range a prompt accepts. PromptIntValue takes them as (high, low).
struct IntPromptBounds {
    std::int32_t low = 0;
    std::int32_t high = 0;
};

inline constexpr IntPromptBounds kBitRateBounds{10, 30000000};
inline constexpr IntPromptBounds kBitsPerWordBounds{1, 16};
inline constexpr IntPromptBounds kWordsPerFrameBounds{1, 16384};
inline constexpr IntPromptBounds kMinorFramesBounds{1, 8192};
inline constexpr IntPromptBounds kFspWordsBounds{1, 16};
// The PRN pattern has no prompt; its menu offers the indices 0..7.
inline constexpr IntPromptBounds kPrnPatternBounds{0, 7};

// "Word Start" asks for a 1-based word number among the data words: first + 1 .. last + 1 of
// DataWordRange. Nothing when the FSP words fill the frame; the page then shows "Not Enough
// Words Per Frame" instead of asking.
std::optional<IntPromptBounds> WordStartPromptBounds(const PcmInputs& inputs);
// "Word Stop" asks for a 1-based word number from start + 1 to wpf (the two may come in
// either order when start lies beyond the frame; the prompt clamps between them).
IntPromptBounds WordStopPromptBounds(const PcmInputs& inputs);
// "Word Interval" asks for 0 .. number of data words, the upper bound never below 0: with the
// FSP words filling the frame only 0 is offered, so no negative interval can be entered.
IntPromptBounds WordIntervalPromptBounds(const PcmInputs& inputs);

// Limits every stored input to what its prompt offers, as if the stored value had been typed
// into that prompt: a value outside moves to the nearer bound, a value inside stands as it is.
// The settings reader calls it once all ten keys are read, so that no stored value can make
// the page divide by zero, run off the pattern table or walk the data word without end.
//   "Bitrate" 10..30000000; "Cwl" 1..16; "Numsf" 1..8192; "NumFspWords" 1..16;
//   "Wpf" 1..16384, an odd value staying odd (only a typed answer is raised to even);
//   "FspTrails" as read; "PrnPat" 0..7;
//   "DwdWordStart", "DwdWordStop" (0-based) and "DwdWordInterval" 0..16383, what their
//   prompts offer in the largest frame; the redisplay then places them in this frame as it
//   does after any command, so that a restart shows what the saving session showed.
void LimitStoredInputs(PcmInputs& inputs);

// The inputs after the data word's normalisation, and the update counts it gives.
struct NormalisedDataWord {
    PcmInputs inputs;  // start, stop and interval normalised; the rest as given
    std::int32_t updatesPerMinorFrame = 0;
    std::int32_t updatesPerMajorFrame = 0;
};

// The normalisation the page applies on every redisplay, in this order:
//   (a) start and stop each pass through ClampDataWordIndex;
//   (b) a stop below start becomes start;
//   (c) a stop equal to start sets the interval to 0;
//   (d) an interval that reaches the end of the data words from start (with trails
//       start + interval >= wpf - nfsp, with leads start + interval >= wpf) becomes 0, and so
//       does an interval below 0 (it only comes from an edited settings file);
//   (e) updates per minor frame = UpdatesPerMinorFrame of the normalised start, stop, interval;
//   (f) updates per major frame = updates per minor frame x minor frames per major frame,
//       saturating at the 32-bit limits.
// Normalising a normalised data word changes nothing.
NormalisedDataWord NormaliseDataWord(const PcmInputs& inputs);

// LastUpdateWord of the inputs' start, interval, nfsp, wpf and FSP position: the stop the
// page sets after a change to the frame, the start or the interval.
std::int32_t LastUpdateWord(const PcmInputs& inputs);

// The frame timing the page shows (see pcm_frame.h for each rule).
struct FrameRates {
    double wordRateHz = 0;
    double minorFrameRateHz = 0;
    double majorFrameRateHz = 0;
    std::int32_t numDataWords = 0;
};

FrameRates ComputeFrameRates(const PcmInputs& inputs);

}  // namespace quorvel
