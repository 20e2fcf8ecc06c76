#pragma once
// The PCM Data page's frame map as a picture: the grid of the frame (frame_map_grid.h) with
// its FSP words, data words and the words where the data word is sampled, word numbers along
// the top, minor-frame numbers down the left, the scale and a legend below, and, where the
// picture stands on its own (the larger window, quorvel-cli --svg), the sample figures
// (frame_timing.h) under them.
//
// A map is laid out once for the size it is drawn at; the same layout answers what lies under
// a point (the hover text). Where the cells are three units apart or more each stands apart,
// so that each sampled word of each minor frame is a cell of its own (they number the updates
// per major frame); closer, neighbouring cells of a kind are drawn as one rectangle.

#include <string>

#include "common/picture.h"
#include "pages/pcm/frame_map_grid.h"
#include "pages/pcm/frame_timing.h"
#include "pages/pcm/pcm_inputs.h"

namespace quorvel {

// The size of the map where nothing else decides it (quorvel-cli --svg), before it is trimmed
// to what it holds.
inline constexpr double kFrameMapNaturalWidth = 640;
inline constexpr double kFrameMapNaturalHeight = 400;

class FrameMap {
public:
    // The map of the page's inputs (normalised here) in a picture of width x height units;
    // with `withFigures` the sample figures stand under the legend.
    FrameMap(const PcmInputs& inputs, double width, double height, bool withFigures);

    Picture Draw() const;
    // The same, the picture cut down at its right and bottom to what it holds (a small frame
    // leaves most of a large picture empty); what a picture of its own, the SVG file, shows.
    Picture DrawTrimmed() const;
    // What lies under a point of the picture: "Minor frame 3, word 17: data word, 265.625 µs
    // into the major frame" (a scaled cell names its ranges, "words 1-64", and the time of its
    // first word); "" outside the grid.
    std::string HoverText(PicturePoint at) const;
    // One sentence that sums the map up, for screen readers and the SVG's description.
    std::string Description() const;

    const FrameMapGrid& Grid() const { return m_grid; }
    const NormalisedDataWord& DataWord() const { return m_word; }

private:
    // Drawing, in the order the shapes are laid down.
    void DrawCells(Picture& picture) const;
    void DrawWordAxis(Picture& picture) const;
    void DrawMinorFrameAxis(Picture& picture) const;
    void DrawScaleAndLegend(Picture& picture) const;
    void DrawFigures(Picture& picture) const;
    // The lines under the grid that tell the axes and their scales.
    std::vector<std::string> ScaleLines() const;

    NormalisedDataWord m_word;
    FrameWords m_words;
    SampleTiming m_timing;
    double m_width;
    double m_height;
    bool m_withFigures;
    FrameMapGrid m_grid;
    // The baseline of the first text line under the grid.
    double m_belowGrid = 0;
};

}  // namespace quorvel
