#include "pages/pcm/frame_map_grid.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

// Cells this far apart or more leave a gap between them, so that each stands as a cell.
constexpr double kPitchWithGap = 3;

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return (a + b - 1) / b;
}

}  // namespace

FrameWords::FrameWords(const NormalisedDataWord& word)
    : m_wordsPerFrame(word.inputs.wordsPerFrame),
      m_minorFrames(word.inputs.minorFramesPerMajorFrame),
      m_fspWords(word.inputs.fspWords),
      m_fspTrails(word.inputs.fspTrails),
      m_start(word.inputs.wordStart),
      m_interval(word.inputs.wordInterval),
      m_samples(word.updatesPerMinorFrame) {}

bool FrameWords::AnySampled(std::int64_t first, std::int64_t last) const {
    if (m_samples <= 0) {
        return false;
    }
    if (m_samples == 1 || m_interval <= 0) {
        return first <= m_start && m_start <= last;
    }
    // The first sample at or after `first`.
    const std::int64_t index = first <= m_start ? 0 : CeilDiv(first - m_start, m_interval);
    return index < m_samples && m_start + index * m_interval <= last;
}

bool FrameWords::AnySync(std::int64_t first, std::int64_t last) const {
    if (m_wordsPerFrame <= m_fspWords) {
        return true;
    }
    return m_fspTrails ? last >= m_wordsPerFrame - m_fspWords : first < m_fspWords;
}

FrameWordKind FrameWords::KindOf(std::int64_t first, std::int64_t last) const {
    if (AnySampled(first, last)) {
        return FrameWordKind::Sampled;
    }
    return AnySync(first, last) ? FrameWordKind::Sync : FrameWordKind::Data;
}

std::int64_t GridAxis::LastItem(std::int64_t cell) const {
    return std::min(items, (cell + 1) * perCell) - 1;
}

GridAxis FitGridAxis(std::int64_t items, double room, double maxPitch) {
    GridAxis axis;
    axis.items = std::max<std::int64_t>(items, 0);
    // Without a whole unit of room (or anything to fit) there is no cell to draw.
    if (items <= 0 || !(std::isfinite(room) && room >= 1)) {
        return axis;
    }
    const auto pixels = static_cast<std::int64_t>(std::floor(room));
    axis.perCell = CeilDiv(items, std::min(pixels, items));
    axis.cells = CeilDiv(items, axis.perCell);
    if (axis.Scaled()) {
        axis.pitch = 1;
        return axis;
    }
    // Whole units, so that evenly spaced words are drawn evenly spaced.
    axis.pitch = std::max(1.0, std::floor(std::min(room / static_cast<double>(items), maxPitch)));
    axis.gap = axis.pitch >= kPitchWithGap ? 1 : 0;
    return axis;
}

std::optional<GridCell> CellAt(const FrameMapGrid& grid, double x, double y) {
    const double dx = x - grid.left;
    const double dy = y - grid.top;
    if (!(dx >= 0 && dx < grid.Width() && dy >= 0 && dy < grid.Height())) {
        return std::nullopt;
    }
    const auto column = static_cast<std::int64_t>(dx / grid.words.pitch);
    const auto row = static_cast<std::int64_t>(dy / grid.minorFrames.pitch);
    return GridCell{std::min(column, grid.words.cells - 1),
                    std::min(row, grid.minorFrames.cells - 1)};
}

}  // namespace quorvel
