#include "pages/pcm/pcm_frame.h"

#include <algorithm>
#include <limits>

namespace quorvel {
namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// The data-word span in 64 bits, where wpf - nfsp - 1 cannot overflow.
struct WideSpan {
    std::int64_t first;
    std::int64_t last;
};

WideSpan WideDataWordRange(std::int32_t nfsp, bool fspTrails, std::int32_t wpf) {
    const std::int64_t words = wpf;
    const std::int64_t fsp = nfsp;
    if (fspTrails) {
        return {0, words - fsp - 1};
    }
    return {fsp, words - 1};
}

}  // namespace

std::int32_t SaturateToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp(value, kInt32Min, kInt32Max));
}

DataWordSpan DataWordRange(std::int32_t nfsp, bool fspTrails, std::int32_t wpf) {
    const WideSpan span = WideDataWordRange(nfsp, fspTrails, wpf);
    return {SaturateToInt32(span.first), SaturateToInt32(span.last), span.first <= span.last};
}

void ClampDataWordIndex(std::int32_t& index, std::int32_t nfsp, bool fspTrails, std::int32_t wpf) {
    if (wpf <= nfsp) {
        index = 0;
    } else if (fspTrails) {
        if (static_cast<std::int64_t>(index) >= static_cast<std::int64_t>(wpf) - nfsp) {
            index = 0;
        }
    } else if (index < nfsp) {
        index = nfsp;
    }
}

std::int32_t LastUpdateWord(std::int32_t start, std::int32_t interval, std::int32_t nfsp,
                            std::int32_t wpf, bool fspTrails) {
    // The last position that still fits a 32-bit index; below it the walk ends at the last
    // data word.
    const std::int64_t last = std::min(WideDataWordRange(nfsp, fspTrails, wpf).last, kInt32Max);
    if (interval <= 0 || start > last) {
        return start;
    }
    // The largest m with start + m x interval <= last, without walking there.
    const std::int64_t steps = (last - start) / interval;
    return static_cast<std::int32_t>(start + steps * interval);
}

std::int32_t UpdatesPerMinorFrame(std::int32_t start, std::int32_t stop, std::int32_t interval,
                                  std::int32_t wpf, bool fspTrails, std::int32_t nfsp) {
    const WideSpan span = WideDataWordRange(nfsp, fspTrails, wpf);
    if (span.first > span.last) {
        return 0;
    }
    const std::int64_t end = std::min<std::int64_t>(stop, span.last);
    if (start > end) {
        return 0;
    }
    if (interval <= 0) {
        return 1;
    }
    return SaturateToInt32((end - start) / interval + 1);
}

double WordRateHz(std::int32_t bitRate, std::int32_t bitsPerWord) {
    if (bitsPerWord == 0) {
        return 0;
    }
    // In 64 bits, where -2147483648 div -1 is defined.
    const std::int64_t wordRate = static_cast<std::int64_t>(bitRate) / bitsPerWord;
    return static_cast<double>(wordRate);
}

double MinorFrameRateHz(double wordRateHz, std::int32_t wpf) {
    if (wpf == 0) {
        return 0;
    }
    return wordRateHz / wpf;
}

double MajorFrameRateHz(double minorFrameRateHz, std::int32_t minorFramesPerMajorFrame) {
    if (minorFramesPerMajorFrame == 0) {
        return 0;
    }
    return minorFrameRateHz / minorFramesPerMajorFrame;
}

std::int32_t NumDataWords(std::int32_t wpf, std::int32_t nfsp) {
    return SaturateToInt32(static_cast<std::int64_t>(wpf) - nfsp);
}

}  // namespace quorvel
