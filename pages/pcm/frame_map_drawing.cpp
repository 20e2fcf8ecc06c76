// The shapes of the frame map, laid out by the FrameMap constructor (frame_map.cpp).
#include <algorithm>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "pages/pcm/frame_map.h"
#include "pages/pcm/frame_map_layout.h"

namespace quorvel {
namespace {

using namespace frame_map_layout;

// Room for the axes, the scale, the legend and the figures after the cells, so that the shape
// list is not moved as they are added.
constexpr std::size_t kShapesBesideTheCells = 160;

ColourRole RoleOf(FrameWordKind kind) {
    switch (kind) {
        case FrameWordKind::Sync:
            return ColourRole::SyncWord;
        case FrameWordKind::Data:
            return ColourRole::DataWord;
        case FrameWordKind::Sampled:
            return ColourRole::SampledWord;
    }
    return ColourRole::DataWord;
}

// The smallest power of two at least `items` (and at least 1): the step between axis
// numbers, which suits frames that are mostly laid out in powers of two.
std::int64_t AxisStep(double items) {
    std::int64_t step = 1;
    while (static_cast<double>(step) < items && step < (std::int64_t{1} << 40)) {
        step *= 2;
    }
    return step;
}

// The 1-based numbers an axis of `count` items marks: 1 and the last, then every step, in
// that order of precedence when they do not all fit.
std::vector<std::int64_t> AxisNumbers(std::int64_t count, std::int64_t step) {
    std::vector<std::int64_t> numbers;
    if (count <= 0) {
        return numbers;
    }
    numbers.push_back(1);
    if (count > 1) {
        numbers.push_back(count);
    }
    for (std::int64_t number = step; number < count; number += step) {
        if (number > 1) {
            numbers.push_back(number);
        }
    }
    return numbers;
}

// An axis number's text along its axis: where it starts and ends.
struct MarkExtent {
    double from;
    double to;
};

// Whether a mark's text keeps `space` clear of every mark placed before it.
bool FitsBeside(const std::vector<MarkExtent>& placed, MarkExtent mark, double space) {
    return std::none_of(placed.begin(), placed.end(), [&](const MarkExtent& other) {
        return mark.from < other.to + space && other.from < mark.to + space;
    });
}

// The middle of the cell that holds 0-based item `item` along an axis starting at `origin`.
double CellMiddle(const GridAxis& axis, double origin, std::int64_t item) {
    return origin + (static_cast<double>(axis.CellOf(item)) + 0.5) * axis.pitch - axis.gap / 2;
}

// The right and bottom edges of what a shape covers; texts by their estimated width and a
// descent below the baseline.
PicturePoint FarCorner(const PictureShape& shape) {
    if (const auto* rect = std::get_if<PictureRect>(&shape)) {
        return {rect->x + rect->width, rect->y + rect->height};
    }
    if (const auto* text = std::get_if<PictureText>(&shape)) {
        const double width = EstimatedTextWidth(text->text, text->size);
        const double right = text->anchor == TextAnchor::Start    ? text->at.x + width
                             : text->anchor == TextAnchor::Middle ? text->at.x + width / 2
                                                                  : text->at.x;
        return {right, text->at.y + text->size * 0.3};
    }
    PicturePoint corner;
    if (const auto* line = std::get_if<PictureLine>(&shape)) {
        for (const PicturePoint& point : line->points) {
            corner = {std::max(corner.x, point.x), std::max(corner.y, point.y)};
        }
    }
    return corner;
}

}  // namespace

Picture FrameMap::DrawTrimmed() const {
    Picture picture = Draw();
    PicturePoint corner;
    // The ground, the first shape, covers all and says nothing.
    for (std::size_t i = 1; i < picture.shapes.size(); ++i) {
        const PicturePoint far = FarCorner(picture.shapes[i]);
        corner = {std::max(corner.x, far.x), std::max(corner.y, far.y)};
    }
    picture.width = std::min(picture.width, std::ceil(corner.x + kMargin));
    picture.height = std::min(picture.height, std::ceil(corner.y + kMargin));
    if (auto* ground = std::get_if<PictureRect>(&picture.shapes.front())) {
        ground->width = picture.width;
        ground->height = picture.height;
    }
    return picture;
}

Picture FrameMap::Draw() const {
    Picture picture{
        .width = m_width, .height = m_height, .title = "Frame Map", .description = Description()};
    picture.Add(PictureRect{0, 0, m_width, m_height, ColourRole::Background});
    DrawCells(picture);
    DrawWordAxis(picture);
    DrawMinorFrameAxis(picture);
    DrawScaleAndLegend(picture);
    if (m_withFigures) {
        DrawFigures(picture);
    }
    return picture;
}

void FrameMap::DrawCells(Picture& picture) const {
    const GridAxis& columns = m_grid.words;
    const GridAxis& rows = m_grid.minorFrames;
    if (columns.cells <= 0 || rows.cells <= 0) {
        return;
    }
    std::vector<FrameWordKind> kinds(static_cast<std::size_t>(columns.cells));
    for (std::int64_t column = 0; column < columns.cells; ++column) {
        kinds[static_cast<std::size_t>(column)] =
            m_words.KindOf(columns.FirstItem(column), columns.LastItem(column));
    }
    // Cells that stand apart are drawn one by one; touching ones of a kind as one rectangle,
    // across the columns and down the rows.
    struct Run {
        std::int64_t from;
        std::int64_t to;
        FrameWordKind kind;
    };
    std::vector<Run> runs;
    for (std::int64_t column = 0; column < columns.cells; ++column) {
        const FrameWordKind kind = kinds[static_cast<std::size_t>(column)];
        if (!runs.empty() && columns.gap <= 0 && runs.back().kind == kind) {
            runs.back().to = column + 1;
        } else {
            runs.push_back({column, column + 1, kind});
        }
    }
    const std::int64_t rowsDrawn = rows.gap > 0 ? rows.cells : 1;
    picture.shapes.reserve(
        picture.shapes.size() +
        static_cast<std::size_t>(static_cast<std::int64_t>(runs.size()) * rowsDrawn) +
        kShapesBesideTheCells);
    for (const Run& run : runs) {
        const double x = m_grid.left + static_cast<double>(run.from) * columns.pitch;
        const double width = static_cast<double>(run.to - run.from) * columns.pitch - columns.gap;
        const double height = rows.gap > 0 ? rows.pitch - rows.gap : m_grid.Height();
        for (std::int64_t row = 0; row < rowsDrawn; ++row) {
            const double y = m_grid.top + static_cast<double>(row) * rows.pitch;
            picture.Add(PictureRect{x, y, width, height, RoleOf(run.kind)});
        }
    }
}

void FrameMap::DrawWordAxis(Picture& picture) const {
    const GridAxis& axis = m_grid.words;
    if (axis.cells <= 0) {
        return;
    }
    const double widest = EstimatedTextWidth(std::to_string(axis.items), kTextSize);
    const double unitsPerWord = axis.pitch / static_cast<double>(axis.perCell);
    const std::int64_t step = AxisStep((widest + 1.5 * kTextSize) / unitsPerWord);
    const double tickTop = m_grid.top - kTick;
    std::vector<MarkExtent> placed;
    for (const std::int64_t number : AxisNumbers(axis.items, step)) {
        const double x = CellMiddle(axis, m_grid.left, number - 1);
        const std::string text = std::to_string(number);
        const double width = EstimatedTextWidth(text, kTextSize);
        // Centred over its tick, or kept inside the picture at its right edge.
        const double textLeft = std::min(x - width / 2, m_width - kMargin - width);
        const MarkExtent extent{textLeft, textLeft + width};
        if (!FitsBeside(placed, extent, kTextSize / 2)) {
            continue;
        }
        placed.push_back(extent);
        picture.Add(PictureLine{{{x, tickTop}, {x, m_grid.top - 1}}, ColourRole::Axis, 1, false});
        picture.Add(PictureText{{textLeft + width / 2, tickTop - kTextToTick},
                                text,
                                ColourRole::Text,
                                kTextSize,
                                TextAnchor::Middle});
    }
}

void FrameMap::DrawMinorFrameAxis(Picture& picture) const {
    const GridAxis& axis = m_grid.minorFrames;
    if (axis.cells <= 0) {
        return;
    }
    const double unitsPerFrame = axis.pitch / static_cast<double>(axis.perCell);
    const std::int64_t step = AxisStep((kTextSize + 3) / unitsPerFrame);
    const double tickLeft = m_grid.left - kTick;
    std::vector<MarkExtent> placed;
    for (const std::int64_t number : AxisNumbers(axis.items, step)) {
        const double y = CellMiddle(axis, m_grid.top, number - 1);
        const double baseline = y + kTextSize * 0.35;
        const MarkExtent extent{baseline - kTextSize * 0.75, baseline};
        if (!FitsBeside(placed, extent, 2)) {
            continue;
        }
        placed.push_back(extent);
        picture.Add(PictureLine{{{tickLeft, y}, {m_grid.left - 1, y}}, ColourRole::Axis, 1, false});
        picture.Add(PictureText{{tickLeft - kTextToTick, baseline},
                                std::to_string(number),
                                ColourRole::Text,
                                kTextSize,
                                TextAnchor::End});
    }
}

void FrameMap::DrawScaleAndLegend(Picture& picture) const {
    double baseline = m_belowGrid;
    for (std::string& line : ScaleLines()) {
        picture.Add(PictureText{{kMargin, baseline}, std::move(line), ColourRole::Text, kTextSize});
        baseline += kLineHeight;
    }
    struct LegendEntry {
        ColourRole role;
        const char* text;
    };
    constexpr LegendEntry kLegend[] = {{ColourRole::SyncWord, "FSP"},
                                       {ColourRole::DataWord, "Data"},
                                       {ColourRole::SampledWord, "Sampled"}};
    double x = kMargin;
    for (const LegendEntry& entry : kLegend) {
        const double textWidth = EstimatedTextWidth(entry.text, kTextSize);
        // An entry that does not fit is left out with those after it.
        if (x + kSwatch + 4 + textWidth > m_width - kMargin) {
            break;
        }
        picture.Add(
            PictureRect{x, baseline - kSwatch + 1, kSwatch, kSwatch, entry.role, ColourRole::Axis});
        x += kSwatch + 4;
        picture.Add(PictureText{{x, baseline}, entry.text, ColourRole::Text, kTextSize});
        x += textWidth + kTextSize;
    }
}

void FrameMap::DrawFigures(Picture& picture) const {
    const auto figures = SampleFigures(m_timing);
    double captionWidth = 0;
    for (const SampleFigure& figure : figures) {
        captionWidth = std::max(captionWidth, EstimatedTextWidth(figure.caption, kTextSize));
    }
    double baseline = m_belowGrid + kLineHeight * static_cast<double>(ScaleLines().size() + 1);
    for (const SampleFigure& figure : figures) {
        picture.Add(PictureText{
            {kMargin, baseline}, std::string(figure.caption), ColourRole::Text, kTextSize});
        picture.Add(PictureText{{kMargin + captionWidth + kTextSize, baseline},
                                figure.text,
                                ColourRole::Text,
                                kTextSize});
        baseline += kLineHeight;
    }
}

}  // namespace quorvel
