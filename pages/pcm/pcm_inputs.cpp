#include "pages/pcm/pcm_inputs.h"

#include <algorithm>

#include "pages/pcm/pcm_frame.h"

namespace quorvel {
namespace {

// value, or the nearer end of the range between a and b (in either order).
std::int32_t ClampBetween(std::int32_t value, std::int32_t a, std::int32_t b) {
    return std::clamp(value, std::min(a, b), std::max(a, b));
}

std::int32_t ClampTo(std::int32_t value, const IntPromptBounds& bounds) {
    return ClampBetween(value, bounds.low, bounds.high);
}

// A 0-based index shown as a 1-based word number, without overflow at the 32-bit limit.
std::int32_t WordNumber(std::int32_t index) {
    return SaturateToInt32(static_cast<std::int64_t>(index) + 1);
}

// The position just past the data words that an interval may not reach from start.
std::int64_t EndOfDataWords(const PcmInputs& in) {
    const std::int64_t words = in.wordsPerFrame;
    return in.fspTrails ? words - in.fspWords : words;
}

}  // namespace

std::optional<IntPromptBounds> WordStartPromptBounds(const PcmInputs& inputs) {
    const DataWordSpan span =
        DataWordRange(inputs.fspWords, inputs.fspTrails, inputs.wordsPerFrame);
    if (!span.holdsDataWord) {
        return std::nullopt;
    }
    return IntPromptBounds{WordNumber(span.first), WordNumber(span.last)};
}

IntPromptBounds WordStopPromptBounds(const PcmInputs& inputs) {
    return {WordNumber(inputs.wordStart), inputs.wordsPerFrame};
}

IntPromptBounds WordIntervalPromptBounds(const PcmInputs& inputs) {
    return {0, std::max(0, NumDataWords(inputs.wordsPerFrame, inputs.fspWords))};
}

void LimitStoredInputs(PcmInputs& inputs) {
    PcmInputs& in = inputs;
    in.bitRate = ClampTo(in.bitRate, kBitRateBounds);
    in.bitsPerWord = ClampTo(in.bitsPerWord, kBitsPerWordBounds);
    in.wordsPerFrame = ClampTo(in.wordsPerFrame, kWordsPerFrameBounds);
    in.minorFramesPerMajorFrame = ClampTo(in.minorFramesPerMajorFrame, kMinorFramesBounds);
    in.fspWords = ClampTo(in.fspWords, kFspWordsBounds);
    in.prnPattern = ClampTo(in.prnPattern, kPrnPatternBounds);

    // The data word is held to what the prompts offer in the largest frame, not in this one:
    // where it stands in the frame is the redisplay's to settle, as it is after a command, so
    // that a restart shows what the session that saved it showed.
    const std::int32_t lastWord = kWordsPerFrameBounds.high - 1;
    in.wordStart = ClampBetween(in.wordStart, 0, lastWord);
    in.wordStop = ClampBetween(in.wordStop, 0, lastWord);
    in.wordInterval = ClampBetween(in.wordInterval, 0, lastWord);
}

NormalisedDataWord NormaliseDataWord(const PcmInputs& inputs) {
    NormalisedDataWord result{inputs};
    PcmInputs& in = result.inputs;
    // (a)
    ClampDataWordIndex(in.wordStart, in.fspWords, in.fspTrails, in.wordsPerFrame);
    ClampDataWordIndex(in.wordStop, in.fspWords, in.fspTrails, in.wordsPerFrame);
    // (b)
    if (in.wordStop < in.wordStart) {
        in.wordStop = in.wordStart;
    }
    // (c)
    if (in.wordStop == in.wordStart) {
        in.wordInterval = 0;
    }
    // (d)
    const std::int64_t reach = static_cast<std::int64_t>(in.wordStart) + in.wordInterval;
    if (in.wordInterval < 0 || reach >= EndOfDataWords(in)) {
        in.wordInterval = 0;
    }
    // (e), (f)
    result.updatesPerMinorFrame = UpdatesPerMinorFrame(in.wordStart, in.wordStop, in.wordInterval,
                                                       in.wordsPerFrame, in.fspTrails, in.fspWords);
    result.updatesPerMajorFrame = SaturateToInt32(
        static_cast<std::int64_t>(result.updatesPerMinorFrame) * in.minorFramesPerMajorFrame);
    return result;
}

std::int32_t LastUpdateWord(const PcmInputs& inputs) {
    return LastUpdateWord(inputs.wordStart, inputs.wordInterval, inputs.fspWords,
                          inputs.wordsPerFrame, inputs.fspTrails);
}

FrameRates ComputeFrameRates(const PcmInputs& inputs) {
    FrameRates rates;
    rates.wordRateHz = WordRateHz(inputs.bitRate, inputs.bitsPerWord);
    rates.minorFrameRateHz = MinorFrameRateHz(rates.wordRateHz, inputs.wordsPerFrame);
    rates.majorFrameRateHz =
        MajorFrameRateHz(rates.minorFrameRateHz, inputs.minorFramesPerMajorFrame);
    rates.numDataWords = NumDataWords(inputs.wordsPerFrame, inputs.fspWords);
    return rates;
}

}  // namespace quorvel
