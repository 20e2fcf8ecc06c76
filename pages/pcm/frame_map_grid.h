#pragma once
// The frame map's grid: one row per minor frame (1 at the top), one column per word (1 at the
// left), fitted into a rectangle of the picture. A frame larger than the rectangle is drawn
// with several words to a pixel column or several minor frames to a pixel row (an integer
// scale, "1 px = 64 words"); a column covering several words shows the strongest kind among
// them: a sample over an FSP word over a data word.
//
// Nothing here walks the words of the frame: a column's kind comes from the sample positions
// by arithmetic, so the largest frame (16384 words by 8192 minor frames) costs no more than
// the pixel columns it is drawn in. Every minor frame holds the same words, so every row of
// the grid is alike.

#include <cstdint>
#include <optional>

#include "pages/pcm/pcm_inputs.h"

namespace quorvel {

enum class FrameWordKind : std::uint8_t { Sync, Data, Sampled };

// The words of one minor frame as the map reads them: which are FSP words and where the data
// word is sampled. Made from the normalised data word; any 32-bit values are safe.
class FrameWords {
public:
    explicit FrameWords(const NormalisedDataWord& word);

    std::int64_t WordsPerFrame() const { return m_wordsPerFrame; }
    std::int64_t MinorFrames() const { return m_minorFrames; }
    // The strongest kind among the 0-based words first..last (inclusive, within the frame).
    FrameWordKind KindOf(std::int64_t first, std::int64_t last) const;

private:
    bool AnySampled(std::int64_t first, std::int64_t last) const;
    bool AnySync(std::int64_t first, std::int64_t last) const;

    std::int64_t m_wordsPerFrame;
    std::int64_t m_minorFrames;
    std::int64_t m_fspWords;
    bool m_fspTrails;
    std::int64_t m_start;
    std::int64_t m_interval;
    std::int64_t m_samples;
};

// One axis of the grid: how many items (words or minor frames) a cell covers, how many cells
// there are and how far apart they stand (picture units).
struct GridAxis {
    std::int64_t items = 0;    // words per minor frame, or minor frames
    std::int64_t perCell = 1;  // items a cell covers: 1, or the scale of a pixel
    std::int64_t cells = 0;    // ceil(items / perCell)
    double pitch = 0;          // from one cell to the next, whole units: 1 when scaled
    double gap = 0;            // the ground left between two cells: 1 when they stand apart
    bool Scaled() const { return perCell > 1; }
    // The 0-based items of cell `cell`, the last one cut at the end of the axis.
    std::int64_t FirstItem(std::int64_t cell) const { return cell * perCell; }
    std::int64_t LastItem(std::int64_t cell) const;
    // The cell of a 0-based item.
    std::int64_t CellOf(std::int64_t item) const { return item / perCell; }
};

// An axis of `items` into `room` picture units, cells a whole number of units apart and at
// most `maxPitch` (so that evenly spaced words are drawn evenly spaced). Cells at least three
// units apart stand apart with a gap of one unit. Less than a unit of room holds no cell.
GridAxis FitGridAxis(std::int64_t items, double room, double maxPitch);

// The grid of a frame in a rectangle of the picture.
struct FrameMapGrid {
    double left = 0;
    double top = 0;
    GridAxis words;
    GridAxis minorFrames;

    double Width() const { return static_cast<double>(words.cells) * words.pitch; }
    double Height() const { return static_cast<double>(minorFrames.cells) * minorFrames.pitch; }
};

// The cell under a point of the picture: its column and row, nothing outside the grid.
struct GridCell {
    std::int64_t column = 0;
    std::int64_t row = 0;
};
std::optional<GridCell> CellAt(const FrameMapGrid& grid, double x, double y);

}  // namespace quorvel
