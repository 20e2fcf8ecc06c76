#pragma once
// Pcmutilsunit: the arithmetic of a PCM telemetry minor frame behind the PCM Data page.
//
// A minor frame holds wpf words (0-based positions 0..wpf-1), nfsp of which are the frame-sync
// pattern (FSP). The FSP words either lead the frame (words 0..nfsp-1, data words nfsp..wpf-1)
// or trail it (words wpf-nfsp..wpf-1, data words 0..wpf-nfsp-1). One commutated data word is
// sampled at start, start + interval, start + 2 x interval, ... up to stop; an interval of 0
// means a single sample at start.
//
// Free functions without state. The page offers wpf 1..16384, nfsp 1..16, bits per word 1..16,
// minor frames 1..8192 and bit rates 10..30000000; other values come only from a hand-edited
// settings file. Every function accepts any 32-bit argument: sums and differences are formed
// in 64 bits, so nothing overflows, no function loops, and a result that does not fit 32 bits
// saturates at -2147483648 or 2147483647. What each function gives outside the page's ranges
// is stated with it.

#include <cstdint>

namespace quorvel {

// value, or the nearer 32-bit limit when it lies beyond them.
std::int32_t SaturateToInt32(std::int64_t value);

// The data words of a minor frame: first and last 0-based index, and whether there is one.
struct DataWordSpan {
    std::int32_t first = 0;
    std::int32_t last = 0;
    // The FSP words leave at least one data word: first <= last, judged before the ends
    // saturate (leads with nfsp and wpf both -2147483648 give first = last = -2147483648 and
    // no data word).
    bool holdsDataWord = false;
};

// With leads first = nfsp and last = wpf - 1; with trails first = 0 and last = wpf - nfsp - 1.
// holdsDataWord is false when the FSP words fill the frame (wpf <= nfsp).
DataWordSpan DataWordRange(std::int32_t nfsp, bool fspTrails, std::int32_t wpf);

// Moves an index that lies in the FSP words: with wpf <= nfsp (no data word) it becomes 0;
// otherwise with leads an index below nfsp becomes nfsp (an index beyond the frame stays), and
// with trails an index at or above wpf - nfsp becomes 0 (the first data word, not the last; a
// negative index stays).
void ClampDataWordIndex(std::int32_t& index, std::int32_t nfsp, bool fspTrails, std::int32_t wpf);

// The stop index for a data word sampled from start every interval words: the largest
// start + m x interval (m = 0, 1, 2, ...) that does not pass the last data word of
// DataWordRange (whose holdsDataWord is not looked at). start itself when start already lies
// beyond the last data word, and for an interval of 0 or below (a negative interval would
// walk away from the end for ever, so it is taken as a single sample). Positions beyond
// 2147483647 (only with a negative nfsp) are not reached.
std::int32_t LastUpdateWord(std::int32_t start, std::int32_t interval, std::int32_t nfsp,
                            std::int32_t wpf, bool fspTrails);

// How many of start, start + interval, ... lie at or below stop, with stop first lowered to the
// last data word of DataWordRange: (stop - start) div interval + 1. 0 when the frame holds no
// data word or start > stop; 1 for an interval of 0 or below. Always >= 0; saturates at
// 2147483647.
std::int32_t UpdatesPerMinorFrame(std::int32_t start, std::int32_t stop, std::int32_t interval,
                                  std::int32_t wpf, bool fspTrails, std::int32_t nfsp);

// Word rate (words/s, held as a real) = bit rate (bit/s) div bits per word in integer
// arithmetic, the remainder discarded: 1000 bit/s at 3 bits per word is 333, not 333.33.
// bitsPerWord 0 gives 0.
double WordRateHz(std::int32_t bitRate, std::int32_t bitsPerWord);
// Minor frame rate (frames/s) = word rate (words/s) / wpf in real arithmetic; wpf 0 gives 0.
double MinorFrameRateHz(double wordRateHz, std::int32_t wpf);
// Major frame rate (frames/s) = minor frame rate (frames/s) / minor frames per major frame in
// real arithmetic; 0 minor frames give 0.
double MajorFrameRateHz(double minorFrameRateHz, std::int32_t minorFramesPerMajorFrame);
// Data words in a minor frame = wpf - nfsp; negative when the FSP words outnumber the frame
// (wpf 2 with nfsp 3 gives -1).
std::int32_t NumDataWords(std::int32_t wpf, std::int32_t nfsp);

}  // namespace quorvel
