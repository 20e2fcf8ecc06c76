#include "pages/pcm/frame_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "common/picture_svg.h"

namespace quorvel {
namespace {

// A frame as the page's commands leave it: the stop set by LastUpdateWord.
PcmInputs Frame(std::int32_t wpf, std::int32_t nfsp, bool trails, std::int32_t start,
                std::int32_t interval, std::int32_t minorFrames = 16) {
    PcmInputs in;
    in.wordsPerFrame = wpf;
    in.fspWords = nfsp;
    in.fspTrails = trails;
    in.wordStart = start;
    in.wordInterval = interval;
    in.minorFramesPerMajorFrame = minorFrames;
    in.wordStop = LastUpdateWord(in);
    return in;
}

struct FrameCase {
    const char* name;
    PcmInputs inputs;
    std::vector<std::int64_t> syncWords;     // 0-based, of one minor frame
    std::vector<std::int64_t> sampledWords;  // 0-based, of one minor frame
    // Word time, sample rate, interval time, longest gap.
    std::vector<std::string> figures;
};

std::vector<std::int64_t> Range(std::int64_t first, std::int64_t last, std::int64_t step = 1) {
    std::vector<std::int64_t> words;
    for (std::int64_t word = first; word <= last; word += step) {
        words.push_back(word);
    }
    return words;
}

const FrameCase kFrames[] = {
    // The stored start 2 lies in the sync words and is moved to word 4.
    {"DefaultFrame", PcmInputs{}, {0, 1, 2}, {3}, {"15.625", "500.00", "0.000", "2000.000"}},
    // The wrap from word 124 to word 4 of the next minor frame is 8 words, longer than 5.
    {"LeadsEveryFifthWord",
     Frame(128, 3, false, 3, 5),
     {0, 1, 2},
     Range(3, 123, 5),
     {"15.625", "12500.00", "78.125", "125.000"}},
    {"TrailsEveryFifthWord",
     Frame(128, 3, true, 0, 5),
     {125, 126, 127},
     Range(0, 120, 5),
     {"15.625", "12500.00", "78.125", "125.000"}},
    // Samples at words 2 and 12 of 16: the wrap is 6 words, the interval 10 the longest.
    {"IntervalLongerThanTheWrap",
     Frame(16, 1, false, 1, 10),
     {0},
     {1, 11},
     {"15.625", "8000.00", "156.250", "156.250"}},
    // No data word at all: every word is a sync word, and nothing is sampled.
    {"FewerWordsThanSyncWords", Frame(2, 3, false, 0, 0), {0, 1}, {}, {"15.625", "0", "0", "0"}},
    // A start beyond the frame (from a settings file) samples nothing.
    {"StartBeyondTheFrame", Frame(16, 3, false, 20, 0), {0, 1, 2}, {}, {"15.625", "0", "0", "0"}},
    // A stop below the start is raised to it: one sample, the interval dropped.
    {"StartBeyondStop",
     [] {
         PcmInputs in = Frame(128, 3, false, 50, 4);
         in.wordStop = 10;
         return in;
     }(),
     {0, 1, 2},
     {50},
     {"15.625", "500.00", "0.000", "2000.000"}},
};

void PrintTo(const FrameCase& frame, std::ostream* out) {
    *out << frame.name;
}

class FrameMapFrames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameMapFrames, EveryWordHasItsKind) {
    const FrameCase& frame = GetParam();
    const FrameWords words(NormaliseDataWord(frame.inputs));
    for (std::int64_t word = 0; word < words.WordsPerFrame(); ++word) {
        FrameWordKind expected = FrameWordKind::Data;
        if (std::count(frame.syncWords.begin(), frame.syncWords.end(), word) > 0) {
            expected = FrameWordKind::Sync;
        }
        if (std::count(frame.sampledWords.begin(), frame.sampledWords.end(), word) > 0) {
            expected = FrameWordKind::Sampled;
        }
        EXPECT_EQ(words.KindOf(word, word), expected) << "word " << word;
    }
}

TEST_P(FrameMapFrames, FiguresFollowTheSamples) {
    const FrameCase& frame = GetParam();
    std::vector<std::string> shown;
    for (const SampleFigure& figure :
         SampleFigures(ComputeSampleTiming(NormaliseDataWord(frame.inputs)))) {
        shown.push_back(figure.text);
    }
    EXPECT_EQ(shown, frame.figures);
}

// At its natural size each of these frames stands in cells of its own, so the SVG holds one
// sampled cell per update of the major frame (and the legend's swatch).
TEST_P(FrameMapFrames, SvgHoldsOneSampledCellPerUpdateOfTheMajorFrame) {
    const FrameCase& frame = GetParam();
    const FrameMap map(frame.inputs, kFrameMapNaturalWidth, kFrameMapNaturalHeight, true);
    ASSERT_FALSE(map.Grid().words.Scaled());
    ASSERT_GT(map.Grid().words.gap, 0);
    const std::string svg = PictureSvg(map.Draw());
    std::size_t cells = 0;
    for (std::size_t at = svg.find("<rect class=\"sampled-word\""); at != std::string::npos;
         at = svg.find("<rect class=\"sampled-word\"", at + 1)) {
        ++cells;
    }
    EXPECT_EQ(cells - 1, static_cast<std::size_t>(map.DataWord().updatesPerMajorFrame));
    EXPECT_EQ(map.DataWord().updatesPerMajorFrame,
              static_cast<std::int32_t>(frame.sampledWords.size()) * 16);
}

// Whatever the size, no cell, tick or swatch leaves the picture.
TEST_P(FrameMapFrames, ShapesStayInsideThePictureAtAnySize) {
    const double sizes[][2] = {{640, 400}, {150, 230}, {40, 30}, {0, 0}, {2000, 90}};
    for (const auto& size : sizes) {
        const Picture picture = FrameMap(GetParam().inputs, size[0], size[1], true).Draw();
        for (const PictureShape& shape : picture.shapes) {
            if (const auto* rect = std::get_if<PictureRect>(&shape);
                rect != nullptr && rect->fill != ColourRole::Background) {
                EXPECT_GE(rect->x, 0) << size[0] << "x" << size[1];
                EXPECT_GE(rect->width, 0) << size[0] << "x" << size[1];
                EXPECT_LE(rect->x + rect->width, picture.width + 0.001) << size[0];
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, FrameMapFrames, ::testing::ValuesIn(kFrames),
                         [](const ::testing::TestParamInfo<FrameCase>& info) {
                             return info.param.name;
                         });

TEST(FrameMap, LargestFrameIsDrawnInPixelColumnsAndRows) {
    const PcmInputs largest = Frame(16384, 3, false, 3, 0, 8192);
    const FrameMap map(largest, 300, 200, false);
    const FrameMapGrid& grid = map.Grid();
    ASSERT_TRUE(grid.words.Scaled());
    ASSERT_TRUE(grid.minorFrames.Scaled());
    EXPECT_LE(grid.left + grid.Width(), 300);
    EXPECT_EQ(grid.words.pitch, 1);
    const Picture picture = map.Draw();
    // One rectangle a run of columns, the rows alike: the sampled first column, the data
    // words after it.
    int sampled = 0;
    int cells = 0;
    for (const PictureShape& shape : picture.shapes) {
        if (const auto* rect = std::get_if<PictureRect>(&shape);
            rect != nullptr && rect->y >= grid.top && rect->height == grid.Height()) {
            ++cells;
            sampled += rect->fill == ColourRole::SampledWord ? 1 : 0;
        }
    }
    EXPECT_EQ(sampled, 1);
    EXPECT_EQ(cells, 2);
    const std::string svg = PictureSvg(picture);
    EXPECT_NE(svg.find("1 px = " + std::to_string(grid.words.perCell) + " words"),
              std::string::npos);
    EXPECT_NE(svg.find("1 px = " + std::to_string(grid.minorFrames.perCell) + " minor frames"),
              std::string::npos);
    // A column of sampled words marks the whole pixel.
    EXPECT_EQ(map.HoverText({grid.left + 0.5, grid.top + 0.5}),
              "Minor frames 1-" + std::to_string(grid.minorFrames.perCell) + ", words 1-" +
                  std::to_string(grid.words.perCell) +
                  ": sampled data word, from 0.000 µs into the major frame");
}

TEST(FrameMap, HoverNamesTheCellAndItsTimeInTheMajorFrame) {
    const FrameMap map(PcmInputs{}, kFrameMapNaturalWidth, kFrameMapNaturalHeight, false);
    const FrameMapGrid& grid = map.Grid();
    const auto middleOf = [&grid](std::int64_t row, std::int64_t word) {
        return PicturePoint{grid.left + (static_cast<double>(word) + 0.5) * grid.words.pitch,
                            grid.top + (static_cast<double>(row) + 0.5) * grid.minorFrames.pitch};
    };
    // (2 x 128 + 16) words of 15.625 µs.
    EXPECT_EQ(map.HoverText(middleOf(2, 16)),
              "Minor frame 3, word 17: data word, 4250.000 µs into the major frame");
    EXPECT_EQ(map.HoverText(middleOf(0, 3)),
              "Minor frame 1, word 4: sampled data word, 46.875 µs into the major frame");
    EXPECT_EQ(map.HoverText(middleOf(15, 0)),
              "Minor frame 16, word 1: FSP word, 30000.000 µs into the major frame");
    EXPECT_EQ(map.HoverText({grid.left - 1, grid.top + 1}), "");
    EXPECT_EQ(map.HoverText({grid.left + 1, grid.top + grid.Height() + 1}), "");
}

TEST(FrameMap, DescriptionSumsTheMapUpInOneSentence) {
    EXPECT_EQ(FrameMap(PcmInputs{}, 300, 200, false).Description(),
              "Frame map of 16 minor frames of 128 words with 3 FSP words leading: the data word "
              "is sampled once a minor frame at word 4, 16 times a major frame.");
    EXPECT_EQ(FrameMap(Frame(128, 3, true, 0, 5), 300, 200, false).Description(),
              "Frame map of 16 minor frames of 128 words with 3 FSP words trailing: the data word "
              "is sampled 25 times a minor frame, every 5 words from word 1 to word 121, 400 "
              "times a major frame.");
    EXPECT_EQ(FrameMap(Frame(2, 3, false, 0, 0, 1), 300, 200, false).Description(),
              "Frame map of 1 minor frame of 2 words with 3 FSP words leading: the data word is "
              "not sampled.");
}

struct AxisCase {
    std::int64_t items;
    double room;
    std::int64_t perCell;
    std::int64_t cells;
    double pitch;
    double gap;
};

TEST(FitGridAxis, FitsWholeCellsOrScalesToWholePixels) {
    const AxisCase cases[] = {
        {128, 600, 1, 128, 4, 1},       // whole units, standing apart
        {128, 300, 1, 128, 2, 0},       // touching
        {128, 200, 1, 128, 1, 0},       // one unit each, the rest of the room left
        {16, 1000, 1, 16, 24, 1},       // never wider than the largest cell
        {300, 200, 2, 150, 1, 0},       // "1 px = 2 words"
        {16384, 256, 64, 256, 1, 0},    // "1 px = 64 words"
        {16384, 255.9, 65, 253, 1, 0},  // a part of a pixel is no room
        {8192, 0.5, 1, 0, 0, 0},        // no room: no cell
        {0, 100, 1, 0, 0, 0},           // nothing to fit
    };
    for (const AxisCase& c : cases) {
        const GridAxis axis = FitGridAxis(c.items, c.room, 24);
        EXPECT_EQ(axis.perCell, c.perCell) << c.items << " in " << c.room;
        EXPECT_EQ(axis.cells, c.cells) << c.items << " in " << c.room;
        EXPECT_EQ(axis.pitch, c.pitch) << c.items << " in " << c.room;
        EXPECT_EQ(axis.gap, c.gap) << c.items << " in " << c.room;
    }
    const GridAxis scaled = FitGridAxis(16384, 200, 24);
    EXPECT_EQ(scaled.LastItem(scaled.cells - 1), 16383);
    EXPECT_EQ(scaled.CellOf(16383), scaled.cells - 1);
}

}  // namespace
}  // namespace quorvel
