#include "pages/pcm/frame_map.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "pages/pcm/frame_map_layout.h"

namespace quorvel {
namespace {

using namespace frame_map_layout;

// "word 17" or "words 1-64", with the noun's first letter as given.
std::string ItemRange(std::string_view one, std::string_view many, std::int64_t first,
                      std::int64_t last) {
    if (first == last) {
        return std::string(one) + " " + std::to_string(first + 1);
    }
    return std::string(many) + " " + std::to_string(first + 1) + "-" + std::to_string(last + 1);
}

// "1 word" or "128 words".
std::string Count(std::int64_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string_view KindName(FrameWordKind kind) {
    switch (kind) {
        case FrameWordKind::Sync:
            return "FSP word";
        case FrameWordKind::Data:
            return "data word";
        case FrameWordKind::Sampled:
            return "sampled data word";
    }
    return "data word";
}

// Where the data word is sampled, as the end of the description's sentence.
std::string SamplingText(const NormalisedDataWord& word) {
    const PcmInputs& in = word.inputs;
    const std::int64_t samples = word.updatesPerMinorFrame;
    if (samples <= 0) {
        return "the data word is not sampled";
    }
    const std::int64_t perMajor = word.updatesPerMajorFrame;
    const std::string major = ", " + Count(perMajor, "time", "times") + " a major frame";
    const std::int64_t first = static_cast<std::int64_t>(in.wordStart) + 1;
    if (samples == 1) {
        return "the data word is sampled once a minor frame at word " + std::to_string(first) +
               major;
    }
    const std::int64_t last = first + (samples - 1) * in.wordInterval;
    return "the data word is sampled " + std::to_string(samples) + " times a minor frame, every " +
           Count(in.wordInterval, "word", "words") + " from word " + std::to_string(first) +
           " to word " + std::to_string(last) + major;
}

}  // namespace

FrameMap::FrameMap(const PcmInputs& inputs, double width, double height, bool withFigures)
    : m_word(NormaliseDataWord(inputs)),
      m_words(m_word),
      m_timing(ComputeSampleTiming(m_word)),
      m_width(std::max(0.0, width)),
      m_height(std::max(0.0, height)),
      m_withFigures(withFigures) {
    const std::string widestRow = std::to_string(std::max<std::int64_t>(m_words.MinorFrames(), 1));
    // On whole units, so that the cells fall on whole pixels.
    m_grid.left =
        std::ceil(kMargin + EstimatedTextWidth(widestRow, kTextSize) + kTextToTick + kTick);
    m_grid.top = kMargin + kTextSize + kTextToTick + kTick;
    const double room = m_width - m_grid.left - kRightMargin;
    const int figureLines = m_withFigures ? static_cast<int>(SampleFigures(m_timing).size()) : 0;
    // The scale takes one line or two, which depends on the scale; fitted with one first.
    for (int scaleLines = 1; scaleLines <= 2; ++scaleLines) {
        const int linesBelow = scaleLines + 1 + figureLines;
        const double below = kSpaceBelowGrid + linesBelow * kLineHeight + kMargin;
        m_grid.words = FitGridAxis(m_words.WordsPerFrame(), room, kMaxPitch);
        m_grid.minorFrames =
            FitGridAxis(m_words.MinorFrames(), m_height - m_grid.top - below, kMaxPitch);
        if (static_cast<int>(ScaleLines().size()) <= scaleLines) {
            break;
        }
    }
    m_belowGrid = m_grid.top + m_grid.Height() + kSpaceBelowGrid + kTextSize;
}

std::vector<std::string> FrameMap::ScaleLines() const {
    const std::string across =
        m_grid.words.Scaled() ? "Across: 1 px = " + std::to_string(m_grid.words.perCell) + " words"
                              : std::string("Across: words");
    const std::string down =
        m_grid.minorFrames.Scaled()
            ? "Down: 1 px = " + std::to_string(m_grid.minorFrames.perCell) + " minor frames"
            : std::string("Down: minor frames");
    const std::string oneLine = across + ", " + down;
    if (EstimatedTextWidth(oneLine, kTextSize) <= m_width - 2 * kMargin) {
        return {oneLine};
    }
    return {across, down};
}

std::string FrameMap::HoverText(PicturePoint at) const {
    const std::optional<GridCell> cell = CellAt(m_grid, at.x, at.y);
    if (!cell) {
        return {};
    }
    const GridAxis& words = m_grid.words;
    const GridAxis& rows = m_grid.minorFrames;
    const std::int64_t firstWord = words.FirstItem(cell->column);
    const std::int64_t lastWord = words.LastItem(cell->column);
    const std::int64_t firstRow = rows.FirstItem(cell->row);
    const std::int64_t lastRow = rows.LastItem(cell->row);
    const FrameWordKind kind = m_words.KindOf(firstWord, lastWord);
    const double time = WordStartTimeUs(m_word.inputs, firstRow, firstWord);
    const bool range = firstWord != lastWord || firstRow != lastRow;
    return ItemRange("Minor frame", "Minor frames", firstRow, lastRow) + ", " +
           ItemRange("word", "words", firstWord, lastWord) + ": " + std::string(KindName(kind)) +
           ", " + (range ? "from " : "") + FormatNumber(12, 3, time) + " µs into the major frame";
}

std::string FrameMap::Description() const {
    const PcmInputs& in = m_word.inputs;
    std::string frame =
        "Frame map of " + Count(in.minorFramesPerMajorFrame, "minor frame", "minor frames") +
        " of " + Count(in.wordsPerFrame, "word", "words") + " with " +
        Count(in.fspWords, "FSP word", "FSP words") + (in.fspTrails ? " trailing" : " leading");
    return frame + ": " + SamplingText(m_word) + ".";
}

}  // namespace quorvel
